// The fixture of the tests that drive the main window: a store of its own in a
// temporary folder (empty, or as a fresh Windows 95 installation has it), the window
// shown, and message boxes recorded instead of shown.
#pragma once

#include "AppTestSupport.h"
#include "DefaultStore.h"
#include "Store.h"
#include "Unit1.h"

#include <QTemporaryDir>

#include <memory>

class MainWindowFixture : public ::testing::Test {
protected:
    enum class Seed { Empty, Windows95 };

    explicit MainWindowFixture(Seed seed = Seed::Empty) : m_seed(seed) {}

    void SetUp() override
    {
        ASSERT_TRUE(storeDir.isValid());
        if (m_seed == Seed::Windows95)
            seedDefaultStore(storeDir.path().toStdString());
        Store::setCurrent(std::make_shared<Store>(storeDir.path().toStdString()));
        form = std::make_unique<TForm1>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    QTemporaryDir storeDir;
    BoxRecorder recorder;
    std::unique_ptr<TForm1> form;

private:
    Seed m_seed;
};
