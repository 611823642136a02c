#include "LogProgramFaultsPanel.h"

#include "TRegistry.h"

namespace {

const std::string FaultKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\fault";

} // namespace

LogProgramFaultsPanel::LogProgramFaultsPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox13"), QStringLiteral("Log program faults"))
{
    PLACE(Label24, QStringLiteral(
        "Here you can make Windows 95 place a log file of all the fault where This application "
        "has performed an illegal operation is in the text. Just write where you want the file "
        "to be saved, like this:"));
    PLACE(Label25, QStringLiteral("C:\\Windows"));
    PLACE(Label26, QStringLiteral("And the log will be placed in: "));
    PLACE(Label27, QStringLiteral("C:\\Windows\\Log.txt"));
    PLACE(Label28, QStringLiteral("Depending on what direction you wrote."));
    CREATE(Label29, QStringLiteral("Directory:"));
    CREATE(Edit9);
    placeRow({Label29, Edit9});
    PLACE(CheckBox6, QStringLiteral("Remove log"));

    PLACE_OK_CANCEL(OfficeButton19, OfficeButton22);
    connectHandler(OfficeButton19, &OfficeButton::clicked, this,
                   &LogProgramFaultsPanel::OfficeButton19Click);
    connectHandler(CheckBox6, &QCheckBox::toggled, this, &LogProgramFaultsPanel::CheckBox6Click);
    connectHandler(Edit9, &Edit::clicked, this, &LogProgramFaultsPanel::Edit9Click);
}

void LogProgramFaultsPanel::CheckBox6Click()
{
    // Checking or unchecking alike: a directory and "remove" never stand together.
    Edit9->clear();
}

void LogProgramFaultsPanel::Edit9Click()
{
    CheckBox6->setChecked(false);
}

void LogProgramFaultsPanel::OfficeButton19Click()
{
    if (CheckBox6->isChecked()) {
        // The whole key goes, whatever else is kept in it.
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        registry.LazyWrite = false;
        registry.DeleteKey(FaultKey);
        registry.CloseKey();
        information(QStringLiteral("Now you will not have any more Logs"));
        return;
    }
    if (Edit9->text().isEmpty()) {
        information(QStringLiteral("You have to write a directory in the Edit box"));
        return;
    }
    // The directory is taken verbatim: no trimming, no check that it exists.
    const QString logFile = Edit9->text() + QStringLiteral("\\Log.txt");
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    registry.LazyWrite = false;
    registry.OpenKey(FaultKey, true);
    registry.WriteString("LogFile", logFile.toStdString());
    registry.CloseKey();
    information(QStringLiteral("The logs will now be saved as ") + logFile);
}
