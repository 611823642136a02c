#include "AnimationPanel.h"

#include "SecretPanel.h"
#include "TRegistry.h"
#include "Unit1.h"
#include "tweaks/functionality/SubmenuItemsPanel.h"

namespace {

const std::string WindowMetricsKey = "Control Panel\\Desktop\\WindowMetrics";
const std::string MinAnimate = "Minanimate";

} // namespace

AnimationPanel::AnimationPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox5"),
                 QStringLiteral("Remove Shrink and Grow animation"))
{
    PLACE(ComboBox2, QStringLiteral("Select Animation style"),
          QStringList{"No Animation", "Animate"});
    PLACE(Label3, QStringLiteral(
        "When you activate this option you will not see the animation that occur when you "
        "minimize and maximize windows. To turn it on just click on the Combo Box and Select "
        "No Animation and click on the OK button."));
    PLACE(Label4, QStringLiteral(
        "If you want it back just select Animate and then click on the OK button."));
    PLACE_OK_CANCEL(OfficeButton5, OfficeButton6);
    connectHandler(OfficeButton5, &OfficeButton::clicked, this,
                   &AnimationPanel::OfficeButton5Click);
}

void AnimationPanel::openFromList()
{
    // The secret is matched exactly, letter case included, and reads nothing from the
    // registry. Only this way in knows it; the Actions menu always opens the tweak.
    // A submenu panel never opened holds no text.
    const SubmenuItemsPanel* submenu = form().GroupBox22.ifBuilt();
    if (submenu && submenu->Edit15->text() == QLatin1String("Zodure Zuderav")) {
        form().GroupBox26->ShowPanel();
        return;
    }
    open();
}

void AnimationPanel::open()
{
    TRegistry registry;
    registry.RootKey = HKEY_CURRENT_USER;
    registry.LazyWrite = false;
    registry.OpenKey(WindowMetricsKey, true);
    // Only the exact text "0" means no animation; "00", " 0", "1" or nothing animate.
    const bool noAnimation = registry.ReadString(MinAnimate) == "0";
    registry.CloseKey();
    ComboBox2->setCurrentIndex(noAnimation ? 0 : 1);
    ShowPanel();
}

void AnimationPanel::OfficeButton5Click()
{
    const int chosen = ComboBox2->currentIndex();
    if (chosen < 0)
        return;
    TRegistry registry;
    registry.RootKey = HKEY_CURRENT_USER;
    registry.LazyWrite = false;
    registry.OpenKey(WindowMetricsKey, true);
    // A string "0", not an integer; animating again means the value is gone (deleting a
    // missing value is no error).
    if (chosen == 0)
        registry.WriteString(MinAnimate, "0");
    else
        registry.DeleteValue(MinAnimate);
    registry.CloseKey();
    information(QStringLiteral("You have to restart your computer to make the changes take "
                               "effect"));
}
