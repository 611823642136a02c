// Text lines scrolling upwards through a fixed area: one pixel per step of the timer.
// When the last line has left the top, the text starts again from below the bottom.
#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

class Banner : public QWidget {
    Q_OBJECT
public:
    explicit Banner(const QStringList& lines = {}, QWidget* parent = nullptr);

    void setLines(const QStringList& lines);
    QStringList lines() const { return m_lines; }
    // Milliseconds per pixel step.
    void setInterval(int milliseconds);
    int interval() const { return m_timer.interval(); }
    // Where the first line's top is, in pixels from the widget's top.
    int offset() const { return m_offset; }

    // One step up (what the timer does); public so that tests need no waiting.
    void scrollStep();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int textHeight() const;

    QStringList m_lines;
    QTimer m_timer;
    int m_offset = 0;
};
