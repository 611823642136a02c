#include "ProductIdPanel.h"

#include "ImageList.h"
#include "TRegistry.h"
#include "Unit1.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace {

const std::string CurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

} // namespace

ProductIdPanel::ProductIdPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox8"), QStringLiteral("Product ID"))
{
    CREATE(Bevel2);
    Bevel2->setFrameShape(QFrame::Panel);
    Bevel2->setFrameShadow(QFrame::Sunken);
    CREATE(Image3);
    Image3->setPixmap(form.ImageList1->icon(8).pixmap(ImageList::size()));
    auto* bevelLayout = new QHBoxLayout(Bevel2);
    bevelLayout->setContentsMargins(4, 4, 4, 4);
    bevelLayout->addWidget(Image3);
    Bevel2->setFixedSize(Bevel2->sizeHint());
    CREATE(Label15, QStringLiteral(
        "Now you can change the serial information! Just write down what Product ID you want "
        "to have. The serial that you have now is displayed in the edit box."));
    Label15->setWordWrap(true);
    placeRow({Bevel2, Label15});
    PLACE(Label16, QStringLiteral("Just overwrite the existing or edit the text and click the "
                                  "OK button, now you got an much nicer ID number."));
    PLACE(CheckBox3, QStringLiteral("Save Windows ID"));
    CheckBox3->setChecked(true);
    PLACE(CheckBox4, QStringLiteral("Save Plus! ID"));

    PLACE(GroupBox9, QStringLiteral("ID Numbers:"));
    CREATE(Label17, QStringLiteral("Serial:"));
    CREATE(Edit7);
    CREATE(Label18, QStringLiteral("Plus! ID:"));
    CREATE(Edit6);
    auto* idRows = new QGridLayout(GroupBox9);
    idRows->setContentsMargins(6, 4, 6, 6);
    idRows->addWidget(Label17, 0, 0);
    idRows->addWidget(Edit7, 0, 1);
    idRows->addWidget(Label18, 1, 0);
    idRows->addWidget(Edit6, 1, 1);

    PLACE_OK_CANCEL(OfficeButton15, OfficeButton16);
    connectHandler(OfficeButton15, &OfficeButton::clicked, this,
                   &ProductIdPanel::OfficeButton15Click);
}

void ProductIdPanel::open()
{
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    registry.LazyWrite = false;
    registry.OpenKey(CurrentVersionKey, true);
    Edit7->setText(QString::fromStdString(registry.ReadString("ProductId")));
    Edit6->setText(QString::fromStdString(registry.ReadString("Plus! ProductId")));
    // A found Plus! ID turns saving it on; an empty one leaves the box as the user left it.
    if (!Edit6->text().isEmpty())
        CheckBox4->setChecked(true);
    registry.CloseKey();
    ShowPanel();
}

void ProductIdPanel::OfficeButton15Click()
{
    if (CheckBox3->isChecked()) {
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        registry.LazyWrite = false;
        registry.OpenKey(CurrentVersionKey, true);
        registry.WriteString("ProductId", Edit7->text().toStdString());
        registry.CloseKey();
    }
    if (CheckBox4->isChecked()) {
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        registry.LazyWrite = false;
        registry.OpenKey(CurrentVersionKey, true);
        registry.WriteString("Plus! ProductId", Edit6->text().toStdString());
        registry.CloseKey();
    }
    information(QStringLiteral("The settings is now saved"));
}
