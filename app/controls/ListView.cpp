#include "ListView.h"

#include "ImageList.h"

#include <QMouseEvent>

ListView::ListView(ImageList* images, QWidget* parent) : QListWidget(parent), m_images(images)
{
    setViewMode(QListView::IconMode);
    setIconSize(ImageList::size());
    setMovement(QListView::Static);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Fixed);
    setGridSize({80, 62});
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    // The selection stays visible when the list loses the focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);
}

QListWidgetItem* ListView::addEntry(const QString& caption, int imageIndex)
{
    auto* item = new QListWidgetItem(m_images ? m_images->icon(imageIndex) : QIcon(), caption,
                                     this);
    item->setData(Qt::UserRole, imageIndex);
    if (m_editableLabels)
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

QListWidgetItem* ListView::selected() const
{
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

int ListView::selectedPosition() const
{
    QListWidgetItem* item = selected();
    return item ? row(item) : -1;
}

void ListView::setEditableLabels(bool editable)
{
    m_editableLabels = editable;
    for (int i = 0; i < count(); ++i) {
        QListWidgetItem* entry = item(i);
        entry->setFlags(editable ? entry->flags() | Qt::ItemIsEditable
                                 : entry->flags() & ~Qt::ItemIsEditable);
    }
    setEditTriggers(editable ? QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked
                             : QAbstractItemView::NoEditTriggers);
}

void ListView::setAutoArrange(bool on)
{
    setResizeMode(on ? QListView::Adjust : QListView::Fixed);
}

bool ListView::autoArrange() const
{
    return resizeMode() == QListView::Adjust;
}

void ListView::setWrapText(bool on)
{
    setWordWrap(on);
    setTextElideMode(on ? Qt::ElideNone : Qt::ElideRight);
}

bool ListView::wrapText() const
{
    return wordWrap();
}

void ListView::arrange()
{
    doItemsLayout();
}

void ListView::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    // A press on the empty area drops the selection, as the designer's list does.
    if (event->button() == Qt::LeftButton && !itemAt(event->position().toPoint()))
        clearSelection();
}

void ListView::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit Click();
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit DblClick();
}
