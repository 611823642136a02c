#include "TrackBar.h"

TrackBar::TrackBar(int minimum, int maximum, QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setRange(minimum, maximum);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setPageStep(1);
}
