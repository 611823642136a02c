#include "AboutPanel.h"

#include "Banner.h"
#include "DataFiles.h"
#include "TweakPanel.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include <stdexcept>

AboutPanel::AboutPanel(QWidget* parent) : QGroupBox(QStringLiteral("About Korrelin"), parent)
{
    setObjectName(QStringLiteral("GroupBox1"));
    setGeometry(TweakPanel::designedPlace());

    // The black, borderless area that fills the group box; the picture and the banner
    // are placed on it at fixed spots.
    auto* area = new QWidget(this);
    area->setAutoFillBackground(true);
    QPalette black = area->palette();
    black.setColor(QPalette::Window, Qt::black);
    area->setPalette(black);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(area);

    Image1 = new QLabel(area);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(0, 0);

    Banner1 = new Banner(bannerLines(), area);
    Banner1->setObjectName(QStringLiteral("Banner1"));
    Banner1->setGeometry(64, 168, 169, 129);
    Banner1->setLines(bannerLines());
}

QStringList AboutPanel::bannerLines()
{
    return {QStringLiteral("Korrelin Version 2.2"),
            QString(),
            QStringLiteral("Programming:"),
            QStringLiteral("The Korrelin developers"),
            QString(),
            QStringLiteral("Idea:"),
            QStringLiteral("Windows 95 tweakers"),
            QStringLiteral("everywhere"),
            QString(),
            QStringLiteral("Thanks to the Wine project")};
}

void AboutPanel::loadPicture(const QString& fileName)
{
    const QString path = DataFiles::find(fileName);
    QPixmap picture;
    if (path.isEmpty() || !picture.load(path))
        throw std::runtime_error("Cannot open file " + fileName.toStdString());
    Image1->setPixmap(picture);
    Image1->resize(picture.size());
    // The banner scrolls over the picture's lower part; keep it in front.
    Banner1->raise();
}
