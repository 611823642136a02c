// A numbered list of 32 x 32 pictures shared by the icon lists; entries are referred to
// by index.
#pragma once

#include <QIcon>
#include <QObject>
#include <QSize>
#include <QStringList>
#include <QVector>

class ImageList : public QObject {
    Q_OBJECT
public:
    // files: one picture file (usually a Qt resource path) per index.
    explicit ImageList(const QStringList& files, QObject* parent = nullptr);

    static QSize size() { return {32, 32}; }
    int count() const { return static_cast<int>(m_icons.size()); }
    // An empty icon for an index out of range, so that a bad index shows nothing rather
    // than failing.
    QIcon icon(int index) const;

private:
    QVector<QIcon> m_icons;
};
