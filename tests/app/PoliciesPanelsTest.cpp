// The policies panels as the user sees them (every control inside its panel, no two
// overlapping, every check-box caption shown whole, labels tall enough for their text),
// and a policy value changed by another program between two opens. Their behaviour
// through the user's clicks is covered by the scenario files.
#include "MainWindowFixture.h"
#include "PanelLayoutCheck.h"

#include "Store.h"
#include "TRegistry.h"
#include "Unit1.h"
#include "tweaks/policies/ExplorerPoliciesPanel.h"
#include "tweaks/policies/NetworkPoliciesPanel.h"

#include <QCheckBox>

#include <functional>

namespace {

const std::string ExplorerKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

class PoliciesPanelsTest : public MainWindowFixture {
protected:
    // Another program's write: its own store on the same prefix.
    void writeOutside(const std::function<void(TRegistry&)>& change)
    {
        Store other(storeDir.path().toStdString());
        TRegistry registry(other);
        registry.RootKey = HKEY_CURRENT_USER;
        registry.LazyWrite = false;
        registry.OpenKey(ExplorerKey, true);
        change(registry);
        registry.CloseKey();
    }
};

TEST_F(PoliciesPanelsTest, EveryControlFitsInItsPanelAndEveryCaptionShowsWhole)
{
    const auto isControl = [](const QWidget* widget) {
        return !widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_"));
    };
    // A check box's caption does not wrap: it is cut off when the box is narrower.
    const auto captionWhole = [](const QWidget* control) {
        if (auto* box = qobject_cast<const QCheckBox*>(control)) {
            EXPECT_LE(box->sizeHint().width(), box->width());
        }
    };
    for (const char* name : {"GroupBox33", "GroupBox34", "GroupBox35", "GroupBox36"})
        expectControlsFit(*form, name, isControl, captionWhole);
}

TEST_F(PoliciesPanelsTest, ASecondOpenShowsWhatAnotherProgramChangedMeanwhile)
{
    writeOutside([](TRegistry& r) {
        r.WriteInteger("NoRun", 1);
        r.WriteInteger("NoRecentDocsHistory", 1);
    });
    ExplorerPoliciesPanel& explorer = *form->GroupBox33;
    NetworkPoliciesPanel& network = *form->GroupBox35;
    explorer.open();
    network.open();
    EXPECT_TRUE(explorer.CheckBox25->isChecked());
    EXPECT_FALSE(explorer.CheckBox32->isChecked());
    EXPECT_TRUE(network.CheckBox55->isChecked());

    writeOutside([](TRegistry& r) {
        r.DeleteValue("NoRun");
        r.WriteInteger("NoClose", 1);
        r.WriteInteger("NoRecentDocsHistory", 0);
    });
    explorer.open();
    network.open();
    EXPECT_FALSE(explorer.CheckBox25->isChecked());
    EXPECT_TRUE(explorer.CheckBox32->isChecked());
    EXPECT_FALSE(network.CheckBox55->isChecked());
    EXPECT_TRUE(recorder.boxes.empty());
}

} // namespace
