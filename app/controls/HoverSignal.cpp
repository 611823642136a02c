#include "HoverSignal.h"

#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

HoverSignal::HoverSignal(QWidget* widget, std::function<void()> handler, bool onlyBareSurface)
    : QObject(widget), m_widget(widget), m_handler(std::move(handler)),
      m_onlyBareSurface(onlyBareSurface)
{
}

HoverSignal* HoverSignal::install(QWidget* widget, std::function<void()> handler,
                                  bool onlyBareSurface)
{
    auto* filter = new HoverSignal(widget, std::move(handler), onlyBareSurface);
    widget->setMouseTracking(true);
    widget->installEventFilter(filter);
    return filter;
}

bool HoverSignal::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_widget)
        return false;
    QPointF position;
    if (event->type() == QEvent::Enter)
        position = static_cast<QEnterEvent*>(event)->position();
    else if (event->type() == QEvent::MouseMove)
        position = static_cast<QMouseEvent*>(event)->position();
    else
        return false;
    // Qt sends Enter to every ancestor of the widget the mouse lands on, and passes on
    // moves a child ignored: both can come from a covered spot.
    if (m_onlyBareSurface && m_widget->childAt(position.toPoint()) != nullptr)
        return false;
    m_handler();
    return false;
}
