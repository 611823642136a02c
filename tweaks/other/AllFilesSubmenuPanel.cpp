#include "AllFilesSubmenuPanel.h"

#include "BrowseDialog.h"
#include "TRegistry.h"
#include "Unit1.h"

#include <QGridLayout>

namespace {

// The one entry this tweak makes; each apply overwrites it.
const std::string EntryKey = "*\\shell\\open";

} // namespace

AllFilesSubmenuPanel::AllFilesSubmenuPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox28"),
                 QStringLiteral("Adding Submenu Items to all files"))
{
    PLACE(Label64, QStringLiteral(
        "If you sometimes want to open a file that is associated with another program, then "
        "the one you want to open it with, like if you want the file to be opened with "
        "Notepad. You first have to open Notepad and then choose open and select the file"));
    PLACE(Label65, QStringLiteral(
        "you want to open. But now you can add a sub menu  item to all files so you only have "
        "to right click on the file you want to open with the selected program. Just write the "
        "caption you want the sub menu item to have. And select witch program to open the"));
    PLACE(Label79, QStringLiteral("programs with."));
    // The explanation is too long for the panel in the window's font: a smaller one lets
    // it fit whole above the controls.
    QFont small = Label64->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    for (QLabel* label : {Label64, Label65, Label79})
        label->setFont(small);

    PLACE(GroupBox29, QStringLiteral("Submenu Item"));
    CREATE(Label66, QStringLiteral("Caption:"));
    CREATE(Edit28);
    CREATE(Label67, QStringLiteral("Program:"));
    CREATE(Edit29);
    CREATE(OfficeButton50, QStringLiteral("&Browse"));
    CREATE(CheckBox22, QStringLiteral("Remove Sub menu"));
    auto* grid = new QGridLayout(GroupBox29);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    grid->addWidget(Label66, 0, 0);
    grid->addWidget(Edit28, 0, 1, 1, 2);
    grid->addWidget(Label67, 1, 0);
    grid->addWidget(Edit29, 1, 1, 1, 2);
    grid->addWidget(CheckBox22, 2, 0, 1, 2);
    grid->addWidget(OfficeButton50, 2, 2);
    setHint(OfficeButton50, QStringLiteral("Choose what program you want to use"));

    PLACE_OK_CANCEL(OfficeButton48, OfficeButton49);
    connectHandler(OfficeButton48, &OfficeButton::clicked, this,
                   &AllFilesSubmenuPanel::OfficeButton48Click);
    connectHandler(OfficeButton50, &OfficeButton::clicked, this,
                   &AllFilesSubmenuPanel::OfficeButton50Click);
    connectHandler(CheckBox22, &QCheckBox::toggled, this, &AllFilesSubmenuPanel::CheckBox22Click);
    connectHandler(Edit28, &Edit::clicked, this, &AllFilesSubmenuPanel::Edit28Click);
    connectHandler(Edit29, &Edit::clicked, this, &AllFilesSubmenuPanel::Edit29Click);
}

void AllFilesSubmenuPanel::CheckBox22Click()
{
    // Checking or unchecking alike empties both the caption and the program.
    Edit28->clear();
    Edit29->clear();
}

void AllFilesSubmenuPanel::Edit28Click()
{
    CheckBox22->setChecked(false);
}

void AllFilesSubmenuPanel::Edit29Click()
{
    CheckBox22->setChecked(false);
}

void AllFilesSubmenuPanel::OfficeButton50Click()
{
    if (!form().OpenDialog1->Execute())
        return;
    // Unchecked first (which empties both edits when it was checked), then the path.
    CheckBox22->setChecked(false);
    Edit29->setText(form().OpenDialog1->FileName());
}

void AllFilesSubmenuPanel::OfficeButton48Click()
{
    if (CheckBox22->isChecked()) {
        // Only the entry made here: "*\shell" also holds other programs' entries for all
        // files, which are the user's and stay.
        TRegistry registry;
        registry.RootKey = HKEY_CLASSES_ROOT;
        registry.LazyWrite = false;
        registry.DeleteKey(EntryKey);
        registry.CloseKey();
        information(QStringLiteral("The submenu is now gone"));
        return;
    }
    {
        TRegistry registry;
        registry.RootKey = HKEY_CLASSES_ROOT;
        registry.LazyWrite = false;
        registry.OpenKey(EntryKey, true);
        registry.WriteString("", Edit28->text().toStdString());
        registry.CloseKey();
    }
    {
        TRegistry registry;
        registry.RootKey = HKEY_CLASSES_ROOT;
        registry.LazyWrite = false;
        registry.OpenKey(EntryKey + "\\command", true);
        registry.WriteString("", (Edit29->text() + QStringLiteral(" %1")).toStdString());
        registry.CloseKey();
    }
    information(QStringLiteral("You have now added ") + Edit28->text());
}
