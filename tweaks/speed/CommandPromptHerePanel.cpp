#include "CommandPromptHerePanel.h"

#include "TRegistry.h"

namespace {

void writeDefault(const std::string& key, const QString& text)
{
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.OpenKey(key, true);
    registry.WriteString("", text.toStdString());
    registry.CloseKey();
}

void deleteKey(const std::string& key)
{
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.DeleteKey(key);
    registry.CloseKey();
}

} // namespace

CommandPromptHerePanel::CommandPromptHerePanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox31"), QStringLiteral("Command Promt Here"))
{
    PLACE(Label69, QStringLiteral(
        "If you have to open a direcoty in the MS-DOS Promt you must write Cd and the name but "
        "now you can just right click on the directory in Explorer and choose Command Promt "
        "Here. And you are in that directory. Just select if you want the menu or not."));
    PLACE(ComboBox9, QStringLiteral("Command Promt or Not"),
          QStringList{QStringLiteral("No Command Promt Here"), QStringLiteral("Command Promt Here")});
    CREATE(Label70, QStringLiteral("Caption:"));
    CREATE(Edit31, QStringLiteral("Command &Prompt Here"));
    placeRow({Label70, Edit31});
    CREATE(Edit32, QStringLiteral("command.com /k cd \"%1\""));
    Edit32->hide();

    PLACE_OK_CANCEL(OfficeButton53, OfficeButton54);
    connectHandler(OfficeButton53, &OfficeButton::clicked, this,
                   &CommandPromptHerePanel::OfficeButton53Click);
}

void CommandPromptHerePanel::open()
{
    // Presence is judged by the folder entry alone; the drive entry is not looked at.
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    ComboBox9->setCurrentIndex(registry.KeyExists("Directory\\shell\\DosHere") ? 1 : 0);
    registry.CloseKey();
    ShowPanel();
}

void CommandPromptHerePanel::OfficeButton53Click()
{
    switch (ComboBox9->currentIndex()) {
    case 1:
        writeDefault("Directory\\shell\\DosHere", Edit31->text());
        writeDefault("Directory\\shell\\DosHere\\command", Edit32->text());
        writeDefault("Drive\\shell\\DosHere", Edit31->text());
        writeDefault("Drive\\shell\\DosHere\\command", Edit32->text());
        information(QStringLiteral("The menu is added"));
        break;
    case 0:
        deleteKey("Directory\\shell\\DosHere");
        deleteKey("Drive\\shell\\DosHere");
        information(QStringLiteral("The menu is now gone"));
        break;
    default:
        break;
    }
}
