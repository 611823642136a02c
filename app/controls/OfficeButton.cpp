#include "OfficeButton.h"

#include <QEvent>

OfficeButton::OfficeButton(const QString& caption, QWidget* parent) : QToolButton(parent)
{
    setText(caption);
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(25);
    setMinimumWidth(75);
}

bool OfficeButton::event(QEvent* event)
{
    // Both: Enter covers a mouse that arrives without moving further, MouseMove one that
    // comes back over the button after another hint replaced its text.
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
        emit mouseMove();
    return QToolButton::event(event);
}
