#include "RenameRecycleBinPanel.h"

#include "RecycleBin.h"
#include "TRegistry.h"
#include "Unit1.h"

RenameRecycleBinPanel::RenameRecycleBinPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox17"), QStringLiteral("Rename the Recycle Bin"))
{
    PLACE(ListView9, form.ImageList1);
    ListView9->addEntry(QStringLiteral("Recycle Bin"), 15);
    ListView9->setFixedHeight(76);
    // A preview only: it takes no selection and no clicks.
    ListView9->setSelectionMode(QAbstractItemView::NoSelection);
    PLACE(Label38, QStringLiteral(
        "Are you getting board of the stupid name: Recycle Bin then you are at the right "
        "place. Here you can rename the Recycle Bin just type in the new name and click the OK "
        "button."));
    CREATE(Label39, QStringLiteral("Name:"));
    CREATE(Edit13);
    placeRow({Label39, Edit13});
    PLACE_OK_CANCEL(OfficeButton29, OfficeButton30);

    connectHandler(Edit13, &Edit::textChanged, this, &RenameRecycleBinPanel::Edit13Change);
    connectHandler(OfficeButton29, &OfficeButton::clicked, this,
                   &RenameRecycleBinPanel::OfficeButton29Click);
}

void RenameRecycleBinPanel::open()
{
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.OpenKey(RecycleBin::ClassKey, true);
    Edit13->setText(QString::fromStdString(registry.ReadString("")));
    // The change handler does not run when the text stays the same.
    Edit13Change();
    registry.CloseKey();
    ShowPanel();
}

void RenameRecycleBinPanel::Edit13Change()
{
    ListView9->item(0)->setText(Edit13->text());
}

void RenameRecycleBinPanel::OfficeButton29Click()
{
    // Only an empty name is refused: blanks are a name like any other.
    if (Edit13->text().isEmpty()) {
        information(QStringLiteral("You need to write a name"));
        return;
    }
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.OpenKey(RecycleBin::ClassKey, true);
    registry.WriteString("", Edit13->text().toStdString());
    registry.CloseKey();
    information(QStringLiteral("The name of Recycle Bin is now: ") + Edit13->text());
}
