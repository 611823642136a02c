// The panels of the "Information etc", "Speed and more" and "Other" categories as the
// user sees them: every control inside its panel without overlapping another, labels
// tall enough for their wrapped text; and the "Information etc" list renamed in place.
// Their behaviour is covered by the scenario files.
#include "MainWindowFixture.h"
#include "PanelLayoutCheck.h"

#include "Store.h"
#include "Unit1.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpression>


namespace {

class InformationSpeedOtherPanelsTest : public MainWindowFixture {
protected:
    InformationSpeedOtherPanelsTest() : MainWindowFixture(Seed::Windows95) {}
};

// The designer-named controls a user reads or operates; the pictures are left out, two of
// them stand at one place on purpose.
bool isControl(const QWidget* widget)
{
    static const QRegularExpression designerName(
        QStringLiteral("^(Label|Edit|CheckBox|ComboBox|OfficeButton|TrackBar|GroupBox)[0-9]+$"));
    return designerName.match(widget->objectName()).hasMatch();
}

TEST_F(InformationSpeedOtherPanelsTest, EveryControlFitsInItsPanelWithoutOverlapping)
{
    const char* const panels[] = {"GroupBox6",  "GroupBox8",  "GroupBox13", "GroupBox10",
                                  "GroupBox30", "GroupBox31", "GroupBox32", "GroupBox24",
                                  "GroupBox25", "GroupBox27", "GroupBox28"};
    for (const char* name : panels)
        expectControlsFit(*form, name, isControl);
}

TEST_F(InformationSpeedOtherPanelsTest, RenamedEntryStillOpensItsPanelAndDescribesIt)
{
    clickEntry(form->ListView1, QStringLiteral("Information etc"));
    doubleClickEntry(form->ListView1, QStringLiteral("Information etc"));
    ListView* list = form->ListView6;
    ASSERT_TRUE(list->isVisible());

    // F2 on the selected entry edits its label in place, as the user renames it.
    clickEntry(list, QStringLiteral("Product ID"));
    QTest::keyClick(list, Qt::Key_F2);
    auto* editor = list->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("My serials"));
    QTest::keyClick(editor, Qt::Key_Return);
    // The item delegate commits the typed label from a queued call.
    QCoreApplication::processEvents();
    ASSERT_EQ(list->item(1)->text(), QStringLiteral("My serials"));

    form->setStatusText(QString());
    clickEntry(list, QStringLiteral("My serials"));
    EXPECT_EQ(form->statusText(), QStringLiteral("Change the Product ID Information"));
    doubleClickEntry(list, QStringLiteral("My serials"));
    auto* productId = form->panelArea()->findChild<QGroupBox*>(QStringLiteral("GroupBox8"));
    EXPECT_TRUE(productId->isVisible());
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Owner Information"));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("Log Program Faults"));
}

} // namespace
