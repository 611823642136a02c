#include "RecycleBinIconPanel.h"

#include "BrowseDialog.h"
#include "RecycleBin.h"
#include "TRegistry.h"
#include "Unit1.h"

#include <QGridLayout>

RecycleBinIconPanel::RecycleBinIconPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox16"), QStringLiteral("Recycle Bin's icon "))
{
    PLACE(ListView8, form.ImageList1);
    ListView8->addEntry(QStringLiteral("Full"), 15);
    ListView8->addEntry(QStringLiteral("Empty"), 14);
    ListView8->setFixedHeight(70);
    PLACE(Label35, QStringLiteral(
        "You want to change the icon for the Recycle Bin ehh. OK this is how you do it, just "
        "write down the directory and file name for the icon you want to use, or click the "
        "Browse button and select the icon. And then click the OK button."));

    CREATE(Label36, QStringLiteral("Full:"));
    CREATE(Edit11);
    CREATE(OfficeButton27, QStringLiteral("&Browse"));
    CREATE(Label37, QStringLiteral("Empty:"));
    CREATE(Edit12);
    CREATE(OfficeButton28, QStringLiteral("&Browse"));
    auto* fields = new QWidget;
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(Label36, 0, 0);
    grid->addWidget(Edit11, 0, 1);
    grid->addWidget(OfficeButton27, 0, 2);
    grid->addWidget(Label37, 1, 0);
    grid->addWidget(Edit12, 1, 1);
    grid->addWidget(OfficeButton28, 1, 2);
    placeRow({fields});
    PLACE(CheckBox19, QStringLiteral("Reset to default"));
    PLACE_OK_CANCEL(OfficeButton25, OfficeButton26);

    connectHandler(ListView8, &ListView::Click, this, &RecycleBinIconPanel::ListView8Click);
    connectHandler(ListView8, &ListView::DblClick, this, &RecycleBinIconPanel::ListView8DblClick);
    connectHandler(OfficeButton27, &OfficeButton::clicked, this,
                   &RecycleBinIconPanel::OfficeButton27Click);
    connectHandler(OfficeButton28, &OfficeButton::clicked, this,
                   &RecycleBinIconPanel::OfficeButton28Click);
    // toggled: every change of state, by the user or from code, and only a change.
    connectHandler(CheckBox19, &QCheckBox::toggled, this, &RecycleBinIconPanel::CheckBox19Click);
    connectHandler(Edit11, &Edit::clicked, this, &RecycleBinIconPanel::Edit11Click);
    connectHandler(Edit12, &Edit::clicked, this, &RecycleBinIconPanel::Edit12Click);
    connectHandler(OfficeButton25, &OfficeButton::clicked, this,
                   &RecycleBinIconPanel::OfficeButton25Click);
}

void RecycleBinIconPanel::ListView8Click()
{
    switch (ListView8->selectedPosition()) {
    case 0:
        form().setStatusText(QStringLiteral("Change the recycle bin's full icon"));
        break;
    case 1:
        form().setStatusText(QStringLiteral("Change the recycle bin's emty icon"));
        break;
    default:
        break;
    }
}

void RecycleBinIconPanel::ListView8DblClick()
{
    switch (ListView8->selectedPosition()) {
    case 0:
        browseInto(Edit11);
        break;
    case 1:
        browseInto(Edit12);
        break;
    default:
        break;
    }
}

void RecycleBinIconPanel::browseInto(Edit* edit)
{
    // Unlike the My computer icon, browsing leaves "Reset to default" as it is: with the
    // box checked, OK still writes the defaults.
    if (form().OpenDialog2->Execute())
        edit->setText(form().OpenDialog2->FileName());
}

void RecycleBinIconPanel::OfficeButton27Click()
{
    browseInto(Edit11);
}

void RecycleBinIconPanel::OfficeButton28Click()
{
    browseInto(Edit12);
}

void RecycleBinIconPanel::CheckBox19Click()
{
    Edit11->clear();
    Edit12->clear();
}

void RecycleBinIconPanel::Edit11Click()
{
    CheckBox19->setChecked(false);
}

void RecycleBinIconPanel::Edit12Click()
{
    CheckBox19->setChecked(false);
}

void RecycleBinIconPanel::OfficeButton25Click()
{
    if (CheckBox19->isChecked()) {
        TRegistry registry;
        registry.RootKey = HKEY_CLASSES_ROOT;
        registry.LazyWrite = false;
        registry.OpenKey(RecycleBin::IconKey, true);
        registry.WriteString("Full", "shell32.dll,32");
        registry.WriteString("Empty", "shell32.dll,31");
        registry.WriteString("", "shell32.dll,32");
        registry.CloseKey();
    } else {
        // One accessor per edit: a refused second write leaves the first one made. The
        // icon shown now (the default value) follows the full icon only.
        if (!Edit11->text().isEmpty()) {
            TRegistry registry;
            registry.RootKey = HKEY_CLASSES_ROOT;
            registry.LazyWrite = false;
            registry.OpenKey(RecycleBin::IconKey, true);
            registry.WriteString("Full", Edit11->text().toStdString());
            registry.WriteString("", Edit11->text().toStdString());
            registry.CloseKey();
        }
        if (!Edit12->text().isEmpty()) {
            TRegistry registry;
            registry.RootKey = HKEY_CLASSES_ROOT;
            registry.LazyWrite = false;
            registry.OpenKey(RecycleBin::IconKey, true);
            registry.WriteString("Empty", Edit12->text().toStdString());
            registry.CloseKey();
        }
    }
    // Also when nothing was written.
    information(QStringLiteral("The settings is now saved"));
}
