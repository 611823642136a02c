#include "Banner.h"

#include <QFontMetrics>
#include <QPainter>

Banner::Banner(const QStringList& lines, QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    connect(&m_timer, &QTimer::timeout, this, &Banner::scrollStep);
    m_timer.setInterval(100);
    m_timer.start();
    setLines(lines);
}

void Banner::setLines(const QStringList& lines)
{
    m_lines = lines;
    m_offset = height();
    update();
}

void Banner::setInterval(int milliseconds)
{
    m_timer.setInterval(milliseconds);
}

int Banner::textHeight() const
{
    return static_cast<int>(m_lines.size()) * fontMetrics().lineSpacing();
}

void Banner::scrollStep()
{
    --m_offset;
    if (m_offset + textHeight() <= 0)
        m_offset = height();
    update();
}

void Banner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int lineHeight = fontMetrics().lineSpacing();
    int top = m_offset;
    for (const QString& line : m_lines) {
        if (top + lineHeight > 0 && top < height())
            painter.drawText(QRect(0, top, width(), lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                             line);
        top += lineHeight;
    }
}
