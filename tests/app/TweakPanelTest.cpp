// The tweak-panel base: designer names, the column layout, the common buttons and hints,
// and what a failing open leaves on screen.
#include "AppTestSupport.h"

#include "AboutPanel.h"
#include "Application.h"
#include "ComboBox.h"
#include "Edit.h"
#include "RegistryError.h"
#include "TweakPanel.h"
#include "Unit1.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>

#include <memory>

namespace {

class ProbePanel : public TweakPanel {
public:
    explicit ProbePanel(TForm1& form, const QString& name = QStringLiteral("GroupBox99"))
        : TweakPanel(form, name, QStringLiteral("Probe panel"))
    {
        PLACE(Label1, "An explanation long enough to need more than one line in the narrow "
                      "panel, so that wrapping matters for the layout below it.");
        PLACE(ComboBox1, "Choose a style!", QStringList{"One", "Two"});
        CREATE(Edit1);
        CREATE(OfficeButton3, "&Browse");
        placeRow({Edit1, OfficeButton3});
        PLACE_OK_CANCEL(OfficeButton1, OfficeButton2);
        // Placed after the buttons on purpose: it must still land above them.
        PLACE(CheckBox1, "Reset to default");
        setHint(OfficeButton3, QStringLiteral("Click here to select a file"));
    }

    void open() override
    {
        Edit1->setText(QStringLiteral("read on open"));
        if (failOpen)
            throw RegistryError("Invalid data type for 'Minanimate'");
        ShowPanel();
    }

    QLabel* Label1;
    ComboBox* ComboBox1;
    Edit* Edit1;
    OfficeButton* OfficeButton3;
    OfficeButton* OfficeButton1;
    OfficeButton* OfficeButton2;
    QCheckBox* CheckBox1;
    bool failOpen = false;
};

class TweakPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>();
        panel = new ProbePanel(*form);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    BoxRecorder recorder;
    std::unique_ptr<TForm1> form;
    ProbePanel* panel = nullptr;
};

TEST_F(TweakPanelTest, ControlsCarryTheirDesignerNamesAndThePanelStartsHidden)
{
    EXPECT_EQ(panel->objectName(), "GroupBox99");
    EXPECT_EQ(panel->title(), "Probe panel");
    EXPECT_EQ(panel->geometry(), QRect(264, 52, 257, 342));
    EXPECT_TRUE(panel->isHidden());
    for (const char* name : {"Label1", "ComboBox1", "Edit1", "OfficeButton3", "OfficeButton1",
                             "OfficeButton2", "CheckBox1"})
        EXPECT_NE(form->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(panel->OfficeButton1->text(), "O&K");
    EXPECT_EQ(panel->OfficeButton2->text(), "C&ancel");
    EXPECT_EQ(panel->ComboBox1->currentIndex(), -1);
    EXPECT_EQ(panel->ComboBox1->placeholderText(), "Choose a style!");
}

TEST_F(TweakPanelTest, ControlsStandTopToBottomInPlacingOrderWithTheButtonsAtTheBottom)
{
    panel->open();
    QCoreApplication::processEvents();
    const QWidget* column[] = {panel->Label1, panel->ComboBox1, panel->Edit1, panel->CheckBox1,
                               panel->OfficeButton1};
    for (size_t i = 1; i < std::size(column); ++i) {
        SCOPED_TRACE(column[i]->objectName().toStdString());
        EXPECT_GE(column[i]->y(), column[i - 1]->geometry().bottom() + 1);
    }
    EXPECT_GT(panel->Label1->height(), panel->Label1->fontMetrics().height()) << "label wraps";
    EXPECT_NEAR(panel->OfficeButton3->geometry().center().y(), panel->Edit1->geometry().center().y(), 2)
        << "Browse beside its edit";
    EXPECT_GT(panel->OfficeButton3->x(), panel->Edit1->geometry().right());
    EXPECT_LT(panel->OfficeButton1->x(), panel->OfficeButton2->x());
    EXPECT_EQ(panel->OfficeButton1->y(), panel->OfficeButton2->y());
    EXPECT_LE(panel->OfficeButton2->geometry().right(), panel->width());
    EXPECT_LE(panel->OfficeButton1->geometry().bottom(), panel->height());
}

TEST_F(TweakPanelTest, OpeningHidesEveryOtherPanel)
{
    panel->open();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(form->GroupBox1->isVisible());
}

TEST_F(TweakPanelTest, AFailingOpenLeavesTheShownPanelAndReportsTheError)
{
    panel->failOpen = true;
    panel->Edit1->clear();
    // Opened the way the window opens panels: through a handler connection.
    QAction open;
    connectHandler(&open, &QAction::triggered, panel, &ProbePanel::openFromList);
    open.trigger();
    EXPECT_TRUE(form->GroupBox1->isVisible());
    EXPECT_TRUE(panel->isHidden());
    // What the open filled before the error stays filled.
    EXPECT_EQ(panel->Edit1->text(), "read on open");
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, "Korrelin");
    EXPECT_EQ(recorder.boxes[0].text, "Invalid data type for 'Minanimate'.");
}

TEST_F(TweakPanelTest, ButtonsPutTheirHintsOnTheStatusLine)
{
    panel->open();
    const std::pair<OfficeButton*, const char*> cases[] = {
        {panel->OfficeButton1, "Save the settings to the registry"},
        {panel->OfficeButton2, "Exit Korrelin without saving. The options you already have saved "
                               "will remain saved."},
        {panel->OfficeButton3, "Click here to select a file"},
        {panel->OfficeButton1, "Save the settings to the registry"},
    };
    for (const auto& [button, hint] : cases) {
        QTest::mouseMove(button, button->rect().center());
        EXPECT_EQ(form->statusText(), QString::fromLatin1(hint));
    }
}

TEST_F(TweakPanelTest, CancelEndsTheProgramWithoutAQuestion)
{
    panel->open();
    ASSERT_FALSE(Application::terminateRequested());
    QTest::mouseClick(panel->OfficeButton2, Qt::LeftButton);
    EXPECT_TRUE(Application::terminateRequested());
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(TweakPanelTest, InformationGoesThroughTheMessageService)
{
    TweakPanel::information(QStringLiteral("You have to restart your computer to make the changes take effect"));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, "Information");
    EXPECT_EQ(recorder.boxes[0].icon, Messages::Icon::Information);
}

} // namespace
