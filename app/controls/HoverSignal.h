// Reports the mouse entering or moving over any widget, for designer OnMouseMove handlers
// on widgets that have no signal of their own (toolbar buttons, filler panels, the window
// surface). The filter lives as long as the widget.
#pragma once

#include <QObject>

#include <functional>

class QWidget;
class QMouseEvent;

class HoverSignal : public QObject {
    Q_OBJECT
public:
    // Calls handler on QEvent::Enter and QEvent::MouseMove of widget. With onlyBareSurface,
    // mouse moves that arrive from a child (propagated because the child ignored them)
    // are not reported: only the widget's own uncovered surface counts.
    static HoverSignal* install(QWidget* widget, std::function<void()> handler,
                                bool onlyBareSurface = false);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HoverSignal(QWidget* widget, std::function<void()> handler, bool onlyBareSurface);

    QWidget* m_widget;
    std::function<void()> m_handler;
    bool m_onlyBareSurface;
};
