#include "OwnerInformationPanel.h"

#include "ImageList.h"
#include "TRegistry.h"
#include "Unit1.h"

#include <QHBoxLayout>

namespace {

const std::string CurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

} // namespace

OwnerInformationPanel::OwnerInformationPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox6"), QStringLiteral("Change the owner information"))
{
    CREATE(Bevel1);
    Bevel1->setFrameShape(QFrame::Panel);
    Bevel1->setFrameShadow(QFrame::Sunken);
    CREATE(Image2);
    Image2->setPixmap(form.ImageList1->icon(6).pixmap(ImageList::size()));
    auto* bevelLayout = new QHBoxLayout(Bevel1);
    bevelLayout->setContentsMargins(4, 4, 4, 4);
    bevelLayout->addWidget(Image2);
    Bevel1->setFixedSize(Bevel1->sizeHint());
    CREATE(Label9, QStringLiteral(
        "If you made a spelling mistake when you installed Windows 95, or if you just want to "
        "change the owner information, then you are at the right place. Just write in the new "
        "name and/or organization and click on the OK button."));
    Label9->setWordWrap(true);
    placeRow({Bevel1, Label9});

    CREATE(Label10, QStringLiteral("Name:"));
    CREATE(Edit3);
    CREATE(Label11, QStringLiteral("Organization:"));
    CREATE(Edit4);
    placeRow({Label10, Edit3});
    placeRow({Label11, Edit4});
    Label10->setMinimumWidth(Label11->sizeHint().width());

    PLACE_OK_CANCEL(OfficeButton11, OfficeButton12);
    connectHandler(OfficeButton11, &OfficeButton::clicked, this,
                   &OwnerInformationPanel::OfficeButton11Click);
}

void OwnerInformationPanel::openFromList()
{
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    registry.LazyWrite = false;
    registry.OpenKey(CurrentVersionKey, true);
    Edit3->setText(QString::fromStdString(registry.ReadString("RegisteredOwner")));
    Edit4->setText(QString::fromStdString(registry.ReadString("RegisteredOrganization")));
    registry.CloseKey();
    ShowPanel();
}

void OwnerInformationPanel::OfficeButton11Click()
{
    // Two accessors, one value each: a refused second write leaves the owner changed.
    {
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        registry.LazyWrite = false;
        registry.OpenKey(CurrentVersionKey, true);
        registry.WriteString("RegisteredOwner", Edit3->text().toStdString());
        registry.CloseKey();
    }
    {
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        registry.LazyWrite = false;
        registry.OpenKey(CurrentVersionKey, true);
        registry.WriteString("RegisteredOrganization", Edit4->text().toStdString());
        registry.CloseKey();
    }
    information(QStringLiteral("Your registered owner settings is now changed"));
}
