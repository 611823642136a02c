#include "ImageList.h"

ImageList::ImageList(const QStringList& files, QObject* parent) : QObject(parent)
{
    m_icons.reserve(files.size());
    for (const QString& file : files)
        m_icons.push_back(QIcon(file));
}

QIcon ImageList::icon(int index) const
{
    return index >= 0 && index < count() ? m_icons[index] : QIcon();
}
