#include "ImageList.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

// Rendered once at the list's size: an SVG icon rendered per paint would be redrawn
// for every item of every list on each repaint.
QIcon loadPicture(const QString& file)
{
    if (!file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return QIcon(file);
    QSvgRenderer renderer(file);
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(ImageList::size() * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

ImageList::ImageList(const QStringList& files, QObject* parent) : QObject(parent)
{
    m_icons.reserve(files.size());
    for (const QString& file : files)
        m_icons.push_back(loadPicture(file));
}

QIcon ImageList::icon(int index) const
{
    return index >= 0 && index < count() ? m_icons[index] : QIcon();
}
