// The "Look" panels as the user sees them: controls top to bottom in the designed order,
// inside the panel, not overlapping, wrapped labels tall enough; and the exact texts
// their opens take for the combo choices. Their behaviour is covered by the look-*.scn
// scenario files; the preview lists' view preferences by PreferencesTest.
#include "MainWindowFixture.h"
#include "PanelLayoutCheck.h"

#include "ComboBox.h"
#include "Store.h"
#include "TRegistry.h"
#include "TweakPanel.h"
#include "Unit1.h"
#include "tweaks/look/AnimationPanel.h"
#include "tweaks/look/BitmapIconsPanel.h"

#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

class LookPanelsTest : public MainWindowFixture {};

TEST_F(LookPanelsTest, ControlsStandInTheDesignedOrderInsideThePanelWithoutOverlapping)
{
    const DesignedPanel panels[] = {
        {"GroupBox3", {{"ListView2"}, {"ComboBox1"}, {"Label2"}, {"OfficeButton1", "OfficeButton2"}}},
        {"GroupBox5", {{"ComboBox2"}, {"Label3"}, {"Label4"}, {"OfficeButton5", "OfficeButton6"}}},
        {"GroupBox2",
         {{"ListView4"}, {"CheckBox1"}, {"Label8"}, {"Edit2", "OfficeButton8"},
          {"OfficeButton9", "OfficeButton10"}}},
        {"GroupBox26",
         {{"SecretFrame"}, {"SecretQuestion"}, {"OfficeButton43", "OfficeButton44"}}},
        {"GroupBox16",
         {{"ListView8"}, {"Label35"}, {"Label36", "Edit11", "OfficeButton27"},
          {"Label37", "Edit12", "OfficeButton28"}, {"CheckBox19"},
          {"OfficeButton25", "OfficeButton26"}}},
        {"GroupBox17",
         {{"ListView9"}, {"Label38"}, {"Label39", "Edit13"}, {"OfficeButton29", "OfficeButton30"}}},
        {"GroupBox18", {{"ComboBox4"}, {"Label40"}, {"OfficeButton31", "OfficeButton32"}}},
    };
    for (const DesignedPanel& designed : panels)
        expectDesignedLayout(*form, designed);
}

struct StoredChoice {
    const char* why;
    std::optional<std::string> text; // nullopt: no value at all
    int expected;
};

// Only the exact texts count; anything else, nothing at all included, is the other item.
TEST_F(LookPanelsTest, OpensChooseTheComboItemByTheExactStoredText)
{
    const StoredChoice bitmapCases[] = {
        {"own picture", "%1", 1},         {"trailing blank", "%1 ", 0}, {"other parameter", "%2", 0},
        {"empty", "", 0},                 {"missing", std::nullopt, 0},
    };
    const StoredChoice animationCases[] = {
        {"no animation", "0", 0}, {"one", "1", 1},           {"two zeros", "00", 1},
        {"leading blank", " 0", 1}, {"missing", std::nullopt, 1},
    };
    const auto store = [](HKEY root, const char* key, const char* name,
                          const std::optional<std::string>& text) {
        TRegistry registry;
        registry.RootKey = root;
        registry.LazyWrite = false;
        registry.OpenKey(key, true);
        if (text)
            registry.WriteString(name, *text);
        else
            registry.DeleteValue(name);
        registry.CloseKey();
    };
    for (const StoredChoice& stored : bitmapCases) {
        SCOPED_TRACE(stored.why);
        store(HKEY_CLASSES_ROOT, "Paint.Picture\\DefaultIcon", "", stored.text);
        form->GroupBox3->ComboBox1->setCurrentIndex(-1);
        form->GroupBox3->openFromMenu();
        EXPECT_EQ(form->GroupBox3->ComboBox1->currentIndex(), stored.expected);
    }
    for (const StoredChoice& stored : animationCases) {
        SCOPED_TRACE(stored.why);
        store(HKEY_CURRENT_USER, "Control Panel\\Desktop\\WindowMetrics", "Minanimate",
              stored.text);
        form->GroupBox5->ComboBox2->setCurrentIndex(-1);
        form->GroupBox5->openFromList();
        EXPECT_EQ(form->GroupBox5->ComboBox2->currentIndex(), stored.expected);
    }
    EXPECT_TRUE(recorder.boxes.empty());
}

} // namespace
