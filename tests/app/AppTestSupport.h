// Helpers for the GUI tests: real mouse input on list entries and widgets, and a
// recorder for message boxes.
#pragma once

#include "ListView.h"
#include "Messages.h"

#include <gtest/gtest.h>

#include <QTest>

#include <vector>

struct RecordedBox {
    QString caption;
    QString text;
    Messages::Icon icon;
};

// Records every message box instead of showing it, for the lifetime of the object.
class BoxRecorder {
public:
    BoxRecorder()
    {
        Messages::setHook([this](const QString& caption, const QString& text, Messages::Icon icon) {
            boxes.push_back({caption, text, icon});
        });
    }
    ~BoxRecorder() { Messages::setHook(nullptr); }

    std::vector<RecordedBox> boxes;
};

inline QPoint entryCentre(ListView* list, const QString& caption)
{
    const QList<QListWidgetItem*> found = list->findItems(caption, Qt::MatchExactly);
    EXPECT_EQ(found.size(), 1) << "entry " << caption.toStdString();
    if (found.isEmpty())
        return {};
    list->scrollToItem(found.first());
    return list->visualItemRect(found.first()).center();
}

inline void clickEntry(ListView* list, const QString& caption)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entryCentre(list, caption));
}

// A double click as the user makes it: the first click selects, the second opens.
inline void doubleClickEntry(ListView* list, const QString& caption)
{
    const QPoint centre = entryCentre(list, caption);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

// A spot of the list that holds no entry.
inline QPoint emptySpot(ListView* list)
{
    const QPoint corner(list->viewport()->width() - 3, list->viewport()->height() - 3);
    EXPECT_EQ(list->itemAt(corner), nullptr);
    return corner;
}
