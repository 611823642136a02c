#include "RemoveRecycleBinPanel.h"

#include "RecycleBin.h"
#include "TRegistry.h"
#include "Unit1.h"

RemoveRecycleBinPanel::RemoveRecycleBinPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox18"), QStringLiteral("Remove the Recycle Bin"))
{
    PLACE(ComboBox4, QStringLiteral("Recycle Bin"),
          QStringList{"No Recycle", "I want the Recycle"});
    PLACE(Label40, QStringLiteral(
        "So you don't use the Recycle Bin eh. So you want to remove it completely from the "
        "desktop. That's easy done, just click on the Combo Box and select No Recycle. If you "
        "change your mind just place it back by selecting I want the Recycle. "));
    PLACE_OK_CANCEL(OfficeButton31, OfficeButton32);
    connectHandler(OfficeButton31, &OfficeButton::clicked, this,
                   &RemoveRecycleBinPanel::OfficeButton31Click);
}

void RemoveRecycleBinPanel::OfficeButton31Click()
{
    // The display name is read whatever is chosen (creating the class key if missing),
    // so a value of the wrong type stops the apply before anything is deleted.
    std::string name;
    {
        TRegistry registry;
        registry.RootKey = HKEY_CLASSES_ROOT;
        registry.LazyWrite = false;
        registry.OpenKey(RecycleBin::ClassKey, true);
        name = registry.ReadString("");
        registry.CloseKey();
    }
    switch (ComboBox4->currentIndex()) {
    case 0: {
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        registry.LazyWrite = false;
        // With its sub-keys; a key already gone is no error.
        registry.DeleteKey(RecycleBin::DesktopKey);
        registry.CloseKey();
        information(QStringLiteral("The Recycle Bin is now gone"));
        break;
    }
    case 1: {
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        registry.LazyWrite = false;
        registry.OpenKey(RecycleBin::DesktopKey, true);
        registry.WriteString("", name);
        registry.CloseKey();
        information(QStringLiteral("The Recycle Bin is now back"));
        break;
    }
    default:
        break;
    }
}
