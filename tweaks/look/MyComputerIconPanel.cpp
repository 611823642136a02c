#include "MyComputerIconPanel.h"

#include "BrowseDialog.h"
#include "TRegistry.h"
#include "Unit1.h"

namespace {

const std::string MyComputerIconKey = "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon";

} // namespace

MyComputerIconPanel::MyComputerIconPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox2"), QStringLiteral("Change icon for My computer"))
{
    PLACE(ListView4, form.ImageList1);
    ListView4->addEntry(QStringLiteral("My computer"), 3);
    ListView4->setFixedHeight(76);
    PLACE(CheckBox1, QStringLiteral("Reset to default"));
    PLACE(Label8, QStringLiteral(
        "I now that there is many programs that can change the icon on My computer, but why "
        "not include it. Anyway just write the direction and file name or click on the Browse "
        "button and select the icon to use."));
    CREATE(Edit2);
    CREATE(OfficeButton8, QStringLiteral("&Browse"));
    placeRow({Edit2, OfficeButton8});
    setHint(OfficeButton8, QStringLiteral("Click here to select an icon to use"));
    PLACE_OK_CANCEL(OfficeButton9, OfficeButton10);

    connectHandler(ListView4, &ListView::Click, this, &MyComputerIconPanel::ListView4Click);
    connectHandler(ListView4, &ListView::DblClick, this, &MyComputerIconPanel::ListView4DblClick);
    // toggled: every change of state, by the user or from code, and only a change.
    connectHandler(CheckBox1, &QCheckBox::toggled, this, &MyComputerIconPanel::CheckBox1Click);
    connectHandler(Edit2, &Edit::clicked, this, &MyComputerIconPanel::Edit2Click);
    connectHandler(OfficeButton8, &OfficeButton::clicked, this,
                   &MyComputerIconPanel::OfficeButton8Click);
    connectHandler(OfficeButton9, &OfficeButton::clicked, this,
                   &MyComputerIconPanel::OfficeButton9Click);
}

void MyComputerIconPanel::ListView4Click()
{
    if (ListView4->selectedPosition() == 0)
        form().setStatusText(QStringLiteral("Here you can select an icon to use"));
}

void MyComputerIconPanel::ListView4DblClick()
{
    if (ListView4->selectedPosition() == 0)
        OfficeButton8Click();
}

void MyComputerIconPanel::CheckBox1Click()
{
    // Checking and unchecking alike empty the edit.
    Edit2->clear();
    form().setStatusText(
        QStringLiteral("This will reset the icon for My computer to the default"));
}

void MyComputerIconPanel::Edit2Click()
{
    CheckBox1->setChecked(false);
}

void MyComputerIconPanel::OfficeButton8Click()
{
    // Unchecked before the dialog runs, so a cancelled dialog still leaves the box clear
    // (and the edit emptied if the box was checked).
    CheckBox1->setChecked(false);
    if (form().OpenDialog2->Execute())
        Edit2->setText(form().OpenDialog2->FileName());
}

void MyComputerIconPanel::OfficeButton9Click()
{
    // A non-empty edit wins over "Reset to default": a path typed with the keyboard after
    // the box was checked is what the user sees, so that is what is written.
    std::string icon;
    if (!Edit2->text().isEmpty())
        icon = Edit2->text().toStdString();
    else if (CheckBox1->isChecked())
        icon = "explorer.exe,0";
    else
        return;
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.OpenKey(MyComputerIconKey, true);
    registry.WriteString("", icon);
    registry.CloseKey();
    information(QStringLiteral("You have to restart your computer to make the changes take "
                               "effect"));
}
