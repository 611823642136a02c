// The stand-ins for the designer's components, where they differ from plain Qt.
#include "AppTestSupport.h"

#include "Banner.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ImageList.h"
#include "OfficeButton.h"

#include <QSignalSpy>

namespace {

TEST(ComboBoxTest, ShowsThePromptUntilAnItemIsChosen)
{
    ComboBox combo(QStringLiteral("Select Animation style"), {"No Animation", "Animate"});
    EXPECT_EQ(combo.currentIndex(), -1);
    combo.setItems({"a", "b", "c"});
    EXPECT_EQ(combo.currentIndex(), -1) << "refilling keeps no choice";
    combo.setCurrentIndex(2);
    combo.setItems({"x", "y", "z"});
    EXPECT_EQ(combo.currentIndex(), 2);
    combo.setItems({"only"});
    EXPECT_EQ(combo.currentIndex(), -1) << "a choice beyond the new list is dropped";
    EXPECT_FALSE(combo.isEditable());
}

TEST(ListViewTest, ClicksReportEvenOnTheEmptyAreaAndThatDropsTheSelection)
{
    ImageList images({QStringLiteral(":/icons/04-look.png")});
    ListView list(&images);
    list.resize(257, 228);
    list.addEntry(QStringLiteral("Look"), 0);
    list.addEntry(QStringLiteral("Other"), 7); // an index beyond the list shows no picture
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    QSignalSpy clicks(&list, &ListView::Click);
    QSignalSpy doubleClicks(&list, &ListView::DblClick);

    clickEntry(&list, QStringLiteral("Other"));
    EXPECT_EQ(list.selectedPosition(), 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, emptySpot(&list));
    EXPECT_EQ(list.selectedPosition(), -1);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, emptySpot(&list));
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_FALSE(list.item(0)->icon().isNull());
    EXPECT_TRUE(list.item(1)->icon().isNull());
}

TEST(ListViewTest, OnlyEditableListsLetTheUserRenameALabel)
{
    ListView list;
    list.addEntry(QStringLiteral("Owner Information"), 6);
    EXPECT_FALSE(list.item(0)->flags() & Qt::ItemIsEditable);
    list.setEditableLabels(true);
    list.addEntry(QStringLiteral("Product ID"), 8);
    EXPECT_TRUE(list.item(0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(list.item(1)->flags() & Qt::ItemIsEditable);
}

TEST(EditTest, OnlyAMousePressCountsAsAClick)
{
    Edit edit;
    edit.show();
    QSignalSpy clicks(&edit, &Edit::clicked);
    edit.setFocus();
    QTest::keyClicks(&edit, QStringLiteral("abc"));
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(&edit, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(OfficeButtonTest, IsFlatAndReportsTheMouseEnteringAndMoving)
{
    OfficeButton button(QStringLiteral("O&K"));
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    EXPECT_TRUE(button.autoRaise());
    QSignalSpy moves(&button, &OfficeButton::mouseMove);
    QTest::mouseMove(&button, QPoint(3, 3));
    QTest::mouseMove(&button, QPoint(8, 6));
    EXPECT_GE(moves.count(), 2);
}

TEST(BannerTest, ScrollsUpOnePixelPerStepAndStartsAgainBelow)
{
    Banner banner({"Korrelin Version 2.2", "", "Programming:"});
    banner.resize(169, 129);
    banner.setLines(banner.lines());
    EXPECT_EQ(banner.interval(), 100);
    EXPECT_EQ(banner.offset(), 129) << "the text enters from the bottom";
    banner.scrollStep();
    EXPECT_EQ(banner.offset(), 128);
    const int textHeight = 3 * banner.fontMetrics().lineSpacing();
    int steps = 1;
    while (banner.offset() != 129 && steps < 1000) {
        banner.scrollStep();
        ++steps;
    }
    // From the bottom edge until the last line has left the top, then from below again.
    EXPECT_EQ(steps, 129 + textHeight);
}

} // namespace
