#include "Edit.h"

#include <QMouseEvent>

Edit::Edit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

void Edit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}
