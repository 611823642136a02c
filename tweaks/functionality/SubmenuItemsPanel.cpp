#include "SubmenuItemsPanel.h"

#include "BrowseDialog.h"
#include "KeyNameCheck.h"
#include "TRegistry.h"
#include "Unit1.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace {

// Entries of the context menu of files whose type is unknown.
const std::string UnknownShellKey = "Unknown\\shell\\";

} // namespace

SubmenuItemsPanel::SubmenuItemsPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox22"),
                 QStringLiteral("Adding Submenu item to nonassociated files"))
{
    PLACE(Label43, QStringLiteral(
        "If you want an nonassociated file to be opened by a speciel program but you don't "
        "want all files to be opened with the same program. Then you can add a submenu to "
        "all nonassociated files you can click on when you want that file to be opend"));
    PLACE(Label44, QStringLiteral(
        "by that program. Just write what text and wich program you want nonassociated files "
        "to open."));

    PLACE(GroupBox23, QStringLiteral("Program:"));
    CREATE(ComboBox6, QStringLiteral("Programs"), QStringList{"Notepad", "Explorer"});
    auto* programs = new QVBoxLayout(GroupBox23);
    programs->setContentsMargins(6, 2, 6, 4);
    programs->addWidget(ComboBox6);

    CREATE(Label45, QStringLiteral("Text:"));
    CREATE(Edit15);
    CREATE(Label46, QStringLiteral("Program:"));
    CREATE(Edit16);
    CREATE(OfficeButton38, QStringLiteral("&Browse"));
    CREATE(CheckBox21, QStringLiteral("Remove submenu item"));
    auto* fields = new QWidget;
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(Label45, 0, 0);
    grid->addWidget(Edit15, 0, 1, 1, 2);
    grid->addWidget(Label46, 1, 0);
    grid->addWidget(Edit16, 1, 1, 1, 2);
    grid->addWidget(CheckBox21, 2, 0, 1, 2);
    grid->addWidget(OfficeButton38, 2, 2);
    placeRow({fields});
    setHint(OfficeButton38, QStringLiteral("Select an program to use"));

    PLACE_OK_CANCEL(OfficeButton36, OfficeButton37);
    connectHandler(OfficeButton36, &OfficeButton::clicked, this,
                   &SubmenuItemsPanel::OfficeButton36Click);
    connectHandler(OfficeButton38, &OfficeButton::clicked, this,
                   &SubmenuItemsPanel::OfficeButton38Click);
    connectHandler(ComboBox6, &ComboBox::activated, this, &SubmenuItemsPanel::ComboBox6Change);
    connectHandler(Edit16, &Edit::clicked, this, &SubmenuItemsPanel::Edit16Click);
    connectHandler(CheckBox21, &QCheckBox::toggled, this, &SubmenuItemsPanel::CheckBox21Click);
}

void SubmenuItemsPanel::ComboBox6Change()
{
    // Unlike the unassociated file viewer, the choice leaves the removal box as it is:
    // with the box checked the removal still wins on OK.
    switch (ComboBox6->currentIndex()) {
    case 0:
        Edit16->setText(QStringLiteral("Notepad.exe"));
        break;
    case 1:
        Edit16->setText(QStringLiteral("explorer.exe"));
        break;
    default:
        break;
    }
}

void SubmenuItemsPanel::Edit16Click()
{
    CheckBox21->setChecked(false);
}

void SubmenuItemsPanel::OfficeButton38Click()
{
    if (!form().OpenDialog1->Execute())
        return;
    // Unchecked first (which empties the program when it was checked), then the path.
    CheckBox21->setChecked(false);
    Edit16->setText(form().OpenDialog1->FileName());
}

void SubmenuItemsPanel::CheckBox21Click()
{
    // Checking or unchecking alike empties the program; the entry's text stays, since the
    // removal needs it.
    Edit16->clear();
}

void SubmenuItemsPanel::OfficeButton36Click()
{
    const QString text = Edit15->text();
    if (!KeyNameCheck::accept(text))
        return;
    if (CheckBox21->isChecked() && !text.isEmpty()) {
        TRegistry registry;
        registry.RootKey = HKEY_CLASSES_ROOT;
        registry.LazyWrite = false;
        registry.DeleteKey(UnknownShellKey + text.toStdString());
        registry.CloseKey();
        information(QStringLiteral("The submenu item is now removed"));
        return;
    }
    // An empty text would name "Unknown\shell" itself: nothing is written or deleted.
    if (text.isEmpty())
        return;
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.OpenKey(UnknownShellKey + text.toStdString() + "\\command", true);
    // An empty program is not refused: the command is then " %1" alone.
    registry.WriteString("", (Edit16->text() + QStringLiteral(" %1")).toStdString());
    registry.CloseKey();
    information(QStringLiteral("The menu item is now added"));
}
