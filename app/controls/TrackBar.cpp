#include "TrackBar.h"

TrackBar::TrackBar(int minimum, int maximum, QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setRange(minimum, maximum);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setPageStep(1);
    connect(this, &QSlider::valueChanged, this, [this] {
        if (!m_settingFromCode)
            emit Change();
    });
}

void TrackBar::setPosition(int position)
{
    const bool wasSetting = m_settingFromCode;
    m_settingFromCode = true;
    setValue(position); // QAbstractSlider clamps into [minimum, maximum]
    m_settingFromCode = wasSetting;
}
