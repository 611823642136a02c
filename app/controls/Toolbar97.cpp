#include "Toolbar97.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QToolButton>

#include <algorithm>

Toolbar97::Toolbar97(const QString& caption, QWidget* parent)
    : QFrame(parent), m_caption(caption), m_layout(new QHBoxLayout(this))
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    m_layout->setContentsMargins(GripWidth + 2, 1, 2, 1);
    m_layout->setSpacing(0);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Toolbar97::addButton(QToolButton* button)
{
    button->setFocusPolicy(Qt::NoFocus);
    m_layout->addWidget(button);
}

void Toolbar97::addSeparator()
{
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedWidth(6);
    m_layout->addWidget(line);
}

void Toolbar97::dockAt(int row, int position)
{
    // The docks hold one row only, so every row number means the same row.
    (void)row;
    const int room = parentWidget() ? parentWidget()->width() - width() : position;
    move(std::clamp(position, 0, std::max(0, room)), y());
}

void Toolbar97::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->position().x() < GripWidth + 2) {
        m_dragging = true;
        m_grabX = static_cast<int>(event->position().x());
    }
    QFrame::mousePressEvent(event);
}

void Toolbar97::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging)
        dockAt(0, x() + static_cast<int>(event->position().x()) - m_grabX);
    QFrame::mouseMoveEvent(event);
}

void Toolbar97::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    QFrame::mouseReleaseEvent(event);
}

void Toolbar97::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    // The grip: two raised ridges the user can take hold of.
    QPainter painter(this);
    const QPalette& colours = palette();
    for (const int left : {3, 6}) {
        painter.setPen(colours.color(QPalette::Light));
        painter.drawLine(left, 3, left, height() - 4);
        painter.setPen(colours.color(QPalette::Dark));
        painter.drawLine(left + 1, 3, left + 1, height() - 4);
    }
}
