#include "MyComputerViewerPanel.h"

#include "BrowseDialog.h"
#include "TRegistry.h"
#include "Unit1.h"

namespace {

// My Computer's class; its "Open" verb replaces the shell's own way of opening it.
const std::string OpenVerbKey = "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\shell\\Open";

} // namespace

MyComputerViewerPanel::MyComputerViewerPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox4"), QStringLiteral("Select My computer viewer"))
{
    // "File Manager " keeps its trailing blank, as designed.
    PLACE(ComboBox3, QStringLiteral("Select Program"),
          QStringList{"Explorer", "File Manager ", "Normal"});
    PLACE(Label5, QStringLiteral(
        "When you click on the My computer icon you can see the drives, but what if you want "
        "another program to show it for you. Now you can! Simply click on the Combo Box and "
        "select which program you want to open the drives with, and then click the OK "
        "button."));
    PLACE(Label6, QStringLiteral(
        "If you have another program you want to view the drives with, simply write the "
        "directory and file name in the Edit box. Like this:"));
    PLACE(Label7, QStringLiteral("C:\\Windows\\Explorer.exe"));
    CREATE(Edit1);
    CREATE(OfficeButton7, QStringLiteral("&Browse"));
    placeRow({Edit1, OfficeButton7});
    setHint(OfficeButton7, QStringLiteral("Click here to select an program to use"));

    PLACE_OK_CANCEL(OfficeButton4, OfficeButton3);
    connectHandler(OfficeButton4, &OfficeButton::clicked, this,
                   &MyComputerViewerPanel::OfficeButton4Click);
    connectHandler(OfficeButton7, &OfficeButton::clicked, this,
                   &MyComputerViewerPanel::OfficeButton7Click);
    connectHandler(ComboBox3, &ComboBox::activated, this, &MyComputerViewerPanel::ComboBox3Click);
}

void MyComputerViewerPanel::ComboBox3Click()
{
    // A typed path would win over the choice on OK, so choosing empties it.
    Edit1->clear();
}

void MyComputerViewerPanel::OfficeButton7Click()
{
    if (form().OpenDialog1->Execute())
        Edit1->setText(form().OpenDialog1->FileName());
}

void MyComputerViewerPanel::writeCommand(const QString& command)
{
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.OpenKey(OpenVerbKey + "\\Command", true);
    // Stored as it stands: no quotes, nothing appended.
    registry.WriteString("", command.toStdString());
    registry.CloseKey();
}

void MyComputerViewerPanel::OfficeButton4Click()
{
    if (!Edit1->text().isEmpty()) {
        writeCommand(Edit1->text());
        information(QStringLiteral(
            "You now open the program you chosed when you click on My computer icon"));
        return;
    }
    switch (ComboBox3->currentIndex()) {
    case 0:
        writeCommand(QStringLiteral("explorer.exe"));
        information(QStringLiteral("You now open explorer when you click on My computer"));
        break;
    case 1:
        writeCommand(QStringLiteral("WinFile.exe"));
        information(QStringLiteral("You now open File Manager when you click on My computer"));
        break;
    case 2: {
        // The whole verb, so the command written by the other choices goes with it.
        TRegistry registry;
        registry.RootKey = HKEY_CLASSES_ROOT;
        registry.LazyWrite = false;
        registry.DeleteKey(OpenVerbKey);
        registry.CloseKey();
        information(QStringLiteral("The settings is now reseted to the default"));
        break;
    }
    default:
        // No path and no choice (as after start-up): nothing to do.
        break;
    }
}
