#include "StatusBar.h"

#include <QLabel>

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent), m_label(new QLabel(this))
{
    setSizeGripEnabled(false);
    m_label->setTextFormat(Qt::PlainText);
    // Ignored width: a long hint must not widen the window.
    m_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(m_label, 1);
    setFixedHeight(19);
}

QString StatusBar::text() const
{
    return m_label->text();
}

void StatusBar::setText(const QString& text)
{
    m_label->setText(text);
}
