#include "BitmapIconsPanel.h"

#include "TRegistry.h"
#include "Unit1.h"

namespace {

const std::string PaintIconKey = "Paint.Picture\\DefaultIcon";
// The shell substitutes the file itself for "%1": every bitmap shows its own picture.
const std::string OwnPicture = "%1";
// Paint's icon as a fixed path, written verbatim and never looked up on the machine.
const std::string PaintIcon = "C:\\PROGRAM\\TILLBE~1\\MSPAINT.EXE,1";

} // namespace

BitmapIconsPanel::BitmapIconsPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox3"), QStringLiteral("View icons as bitmaps."))
{
    PLACE(ListView2, form.ImageList1);
    ListView2->addEntry(QStringLiteral("Normal"), 0);
    ListView2->addEntry(QStringLiteral("After Changing"), 1);
    ListView2->setFixedHeight(76);
    PLACE(ComboBox1, QStringLiteral("Select Viewing Style!"),
          QStringList{"Normal", "View as smal bitmaps"});
    PLACE(Label2, QStringLiteral("When you selects this option you can view the icon of the "
                                 "bitmap as the actual bitmap itself."));
    PLACE_OK_CANCEL(OfficeButton1, OfficeButton2);

    connectHandler(ListView2, &ListView::Click, this, &BitmapIconsPanel::ListView2Click);
    connectHandler(ListView2, &ListView::DblClick, this, &BitmapIconsPanel::ListView2DblClick);
    connectHandler(OfficeButton1, &OfficeButton::clicked, this,
                   &BitmapIconsPanel::OfficeButton1Click);
}

void BitmapIconsPanel::open()
{
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.OpenKey(PaintIconKey, true);
    // Exact comparison: "%1 " or "%2" is not the own-picture setting.
    const bool ownPicture = registry.ReadString("") == OwnPicture;
    registry.CloseKey();
    ComboBox1->setCurrentIndex(ownPicture ? 1 : 0);
    ShowPanel();
}

void BitmapIconsPanel::ListView2Click()
{
    switch (ListView2->selectedPosition()) {
    case 0:
        form().setStatusText(QStringLiteral("Select Normal Viewing Style"));
        break;
    case 1:
        form().setStatusText(
            QStringLiteral("Select to View Bitmap icons to a picture of them self"));
        break;
    default:
        break;
    }
}

void BitmapIconsPanel::ListView2DblClick()
{
    // The preview chooses the matching style; nothing is written until OK.
    const int position = ListView2->selectedPosition();
    if (position >= 0)
        ComboBox1->setCurrentIndex(position);
}

void BitmapIconsPanel::OfficeButton1Click()
{
    const int chosen = ComboBox1->currentIndex();
    if (chosen < 0)
        return;
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.OpenKey(PaintIconKey, true);
    registry.WriteString("", chosen == 1 ? OwnPicture : PaintIcon);
    registry.CloseKey();
    information(QStringLiteral(
        "You have to restart your computer to make the changes take effect!"));
}
