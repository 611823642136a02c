// The password prompts closed from outside (the window manager's close, Alt+F4): no way
// out of a prompt may skip what its Cancel does. Scenarios cannot close a dialog that
// way, so it is checked here.
#include "AppTestSupport.h"

#include "Application.h"
#include "Edit.h"
#include "Store.h"
#include "TRegistry.h"
#include "Unit1.h"
#include "security/Unit6.h"
#include "security/Unit7.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

class PasswordDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(storeDir.isValid());
        Store::setCurrent(std::make_shared<Store>(storeDir.path().toStdString()));
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        registry.LazyWrite = false;
        registry.OpenKey("SOFTWARE\\Korrelin", true);
        registry.WriteString("Show", "pw");
        registry.WriteString("Type", "Only");
        registry.CloseKey();
        form = std::make_unique<TForm1>();
        form->show();
        form->FormShow();
        clearTermination();
    }
    void TearDown() override { clearTermination(); }

    // Application::requestTerminate() ends the loops through QCoreApplication::exit(),
    // after which every new modal loop returns at once until the application's own loop
    // runs again: one short turn of it clears that for the next test.
    static void clearTermination()
    {
        Application::resetTermination();
        // exit(), not quit(): quit() would close every window first.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }

    // Types the right password, then closes the dialog from outside while it runs.
    static void closeFromOutside(ModalDialog& dialog, Edit* box)
    {
        QTimer::singleShot(0, &dialog, [&dialog, box] {
            box->setText(QStringLiteral("pw"));
            dialog.close();
        });
        dialog.ShowModal();
        EXPECT_FALSE(dialog.isVisible());
    }

    QTemporaryDir storeDir;
    BoxRecorder recorder;
    std::unique_ptr<TForm1> form;
};

TEST_F(PasswordDialogsTest, ClosingTheStartUpPromptEndsTheProgram)
{
    TForm6 prompt;
    closeFromOutside(prompt, prompt.Edit1);
    EXPECT_TRUE(Application::terminateRequested());
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(PasswordDialogsTest, ClosingThePoliciesPromptGrantsNothingAndEmptiesTheBox)
{
    TForm7 prompt;
    closeFromOutside(prompt, prompt.Edit1);
    EXPECT_EQ(form->passwordState.PolicyAccessGranted, "");
    EXPECT_EQ(prompt.Edit1->text(), "");
    EXPECT_FALSE(Application::terminateRequested());
}

} // namespace
