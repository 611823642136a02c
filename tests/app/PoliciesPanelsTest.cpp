// The policies panels as the user sees them (every control inside its panel, no two
// overlapping, every check-box caption shown whole, labels tall enough for their text),
// and a policy value changed by another program between two opens. Their behaviour
// through the user's clicks is covered by the scenario files.
#include "MainWindowFixture.h"

#include "Store.h"
#include "TRegistry.h"
#include "Unit1.h"
#include "tweaks/policies/ExplorerPoliciesPanel.h"
#include "tweaks/policies/NetworkPoliciesPanel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>

#include <functional>
#include <memory>

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
    form->buildAllPanels();
    for (const char* name : {"GroupBox33", "GroupBox34", "GroupBox35", "GroupBox36"}) {
        SCOPED_TRACE(name);
        auto* panel = form->panelArea()->findChild<QGroupBox*>(QLatin1String(name));
        ASSERT_NE(panel, nullptr);
        form->HideAllPanels();
        panel->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(panel->size(), QSize(257, 342));

        QList<QWidget*> controls;
        for (QWidget* widget : panel->findChildren<QWidget*>())
            if (widget->isVisible() && !widget->objectName().isEmpty()
                && !widget->objectName().startsWith(QLatin1String("qt_")))
                controls << widget;
        ASSERT_FALSE(controls.isEmpty());
        for (QWidget* control : controls) {
            SCOPED_TRACE(control->objectName().toStdString());
            const QRect place(control->mapTo(panel, QPoint(0, 0)), control->size());
            EXPECT_TRUE(panel->rect().contains(place))
                << "at " << place.x() << "," << place.y() << " size " << place.width() << "x"
                << place.height();
            // A check box's caption does not wrap: it is cut off when the box is narrower.
            if (auto* box = qobject_cast<QCheckBox*>(control)) {
                EXPECT_LE(box->sizeHint().width(), box->width());
            }
            if (auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap()) {
                EXPECT_GE(label->height(), label->heightForWidth(label->width()));
            }
        }
        for (QWidget* a : controls)
            for (QWidget* b : controls) {
                if (a >= b || a->isAncestorOf(b) || b->isAncestorOf(a))
                    continue;
                const QRect placeA(a->mapTo(panel, QPoint(0, 0)), a->size());
                const QRect placeB(b->mapTo(panel, QPoint(0, 0)), b->size());
                EXPECT_FALSE(placeA.intersects(placeB))
                    << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
            }
    }
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
