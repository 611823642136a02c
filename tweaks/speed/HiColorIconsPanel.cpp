#include "HiColorIconsPanel.h"

#include "ImageList.h"
#include "TRegistry.h"
#include "Unit1.h"

#include <QImage>
#include <QPixmap>

namespace {

const std::string WindowMetricsKey = "Control Panel\\desktop\\WindowMetrics";

// The same picture reduced to the 16 colours of the standard VGA palette, so that the two
// samples show what the setting changes.
QPixmap sixteenColours(const QPixmap& picture)
{
    static const QList<QRgb> palette{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    // Transparent pixels stay transparent; only the colours are reduced.
    QImage reduced = image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither)
                         .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < reduced.height(); ++y)
        for (int x = 0; x < reduced.width(); ++x)
            if (qAlpha(image.pixel(x, y)) < 128)
                reduced.setPixel(x, y, qRgba(0, 0, 0, 0));
    return QPixmap::fromImage(reduced);
}

} // namespace

HiColorIconsPanel::HiColorIconsPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox30"),
                 QStringLiteral("Show HI color icons without the Plus Pack!"))
{
    // Both samples at the same place in the top left corner; exactly one is visible.
    auto* corner = new QWidget;
    corner->setFixedHeight(ImageList::size().height());
    const QPixmap highColour = form.ImageList1->icon(21).pixmap(ImageList::size());
    CREATE(Image8);
    Image8->setParent(corner);
    Image8->setPixmap(sixteenColours(highColour));
    Image8->setGeometry(QRect(QPoint(0, 0), ImageList::size()));
    CREATE(Image9);
    Image9->setParent(corner);
    Image9->setPixmap(highColour);
    Image9->setGeometry(QRect(QPoint(0, 0), ImageList::size()));
    Image9->hide();
    placeRow({corner});
    PLACE(Label68, QStringLiteral(
        "You don't have the Plus Pack? You want to show the icons with HI colors. Now you can! "
        "Just select if you want HI colors on the icons or not. It doesn't matter if you have "
        "the Plus Pack or not."));
    PLACE(ComboBox8, QStringLiteral("Show color view"),
          QStringList{QStringLiteral("Normal (16 colors)"), QStringLiteral("Hi-Color (16 bit)")});
    CREATE(Edit30);
    Edit30->hide();

    PLACE_OK_CANCEL(OfficeButton51, OfficeButton52);
    connectHandler(OfficeButton51, &OfficeButton::clicked, this,
                   &HiColorIconsPanel::OfficeButton51Click);
    connectHandler(ComboBox8, &ComboBox::currentIndexChanged, this,
                   &HiColorIconsPanel::ComboBox8Change);
}

void HiColorIconsPanel::showHighColour(bool highColour)
{
    Image8->setVisible(!highColour);
    Image9->setVisible(highColour);
}

bool HiColorIconsPanel::readAndShow()
{
    TRegistry registry;
    registry.RootKey = HKEY_CURRENT_USER;
    registry.LazyWrite = false;
    registry.OpenKey(WindowMetricsKey, true);
    Edit30->setText(QString::fromStdString(registry.ReadString("Shell Icon BPP")));
    registry.CloseKey();
    ShowPanel();
    // Only the exact text "16" is high colour; "8", "24", " 16" or nothing are 16 colours.
    return Edit30->text() == QLatin1String("16");
}

void HiColorIconsPanel::openFromList()
{
    const bool highColour = readAndShow();
    ComboBox8->setCurrentIndex(highColour ? 1 : 0);
    showHighColour(highColour);
}

void HiColorIconsPanel::openFromMenu()
{
    // The samples follow the stored depth; the chosen item stays as the user left it.
    showHighColour(readAndShow());
}

void HiColorIconsPanel::ComboBox8Change()
{
    const int chosen = ComboBox8->currentIndex();
    if (chosen == 0 || chosen == 1)
        showHighColour(chosen == 1);
}

void HiColorIconsPanel::OfficeButton51Click()
{
    const int chosen = ComboBox8->currentIndex();
    if (chosen != 0 && chosen != 1)
        return;
    TRegistry registry;
    registry.RootKey = HKEY_CURRENT_USER;
    registry.LazyWrite = false;
    registry.OpenKey(WindowMetricsKey, true);
    registry.WriteString("Shell Icon BPP", chosen == 1 ? "16" : "4");
    registry.CloseKey();
    information(QStringLiteral("You have to restart your computer to make the changes take effect"));
}
