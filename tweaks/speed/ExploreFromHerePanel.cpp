#include "ExploreFromHerePanel.h"

#include "TRegistry.h"

namespace {

const std::string VerbKey = "Folder\\shell\\rootexplore";

} // namespace

ExploreFromHerePanel::ExploreFromHerePanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox32"), QStringLiteral("Explore From Here"))
{
    PLACE(Label71, QStringLiteral(
        "With this function you can make the directory you right click on the root directory. "
        "Just select if you want the menu or not."));
    PLACE(ComboBox10, QStringLiteral("Select viewing style"),
          QStringList{QStringLiteral("Don't have the menu"), QStringLiteral("Have the menu")});
    CREATE(Label72, QStringLiteral("Caption:"));
    CREATE(Edit33, QStringLiteral("Explore From Here"));
    placeRow({Label72, Edit33});

    PLACE_OK_CANCEL(OfficeButton55, OfficeButton56);
    connectHandler(OfficeButton55, &OfficeButton::clicked, this,
                   &ExploreFromHerePanel::OfficeButton55Click);
}

void ExploreFromHerePanel::open()
{
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    ComboBox10->setCurrentIndex(registry.KeyExists(VerbKey) ? 1 : 0);
    registry.CloseKey();
    ShowPanel();
}

void ExploreFromHerePanel::OfficeButton55Click()
{
    switch (ComboBox10->currentIndex()) {
    case 1: {
        {
            TRegistry registry;
            registry.RootKey = HKEY_CLASSES_ROOT;
            registry.LazyWrite = false;
            registry.OpenKey(VerbKey, true);
            registry.WriteString("", Edit33->text().toStdString());
            registry.CloseKey();
        }
        {
            TRegistry registry;
            registry.RootKey = HKEY_CLASSES_ROOT;
            registry.LazyWrite = false;
            registry.OpenKey(VerbKey + "\\command", true);
            registry.WriteString("", "Explorer.exe /e,/root,/idlist,%I");
            registry.CloseKey();
        }
        information(QStringLiteral("The menu is now added"));
        break;
    }
    case 0: {
        TRegistry registry;
        registry.RootKey = HKEY_CLASSES_ROOT;
        registry.LazyWrite = false;
        registry.DeleteKey(VerbKey);
        registry.CloseKey();
        information(QStringLiteral("The menu is now gone"));
        break;
    }
    default:
        break;
    }
}
