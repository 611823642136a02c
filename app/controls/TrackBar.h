// Horizontal slider standing in for the designer's track bar.
#pragma once

#include <QSlider>

class TrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TrackBar(int minimum = 0, int maximum = 10, QWidget* parent = nullptr);

    // Moves the thumb from code: clamped into the range, and without Change(), as the
    // designer's track bar does when its Position is assigned.
    void setPosition(int position);

signals:
    // The position changed by the user (mouse or keyboard), never by setPosition().
    void Change();

private:
    bool m_settingFromCode = false;
};
