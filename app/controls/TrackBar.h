// Horizontal slider standing in for the designer's track bar.
#pragma once

#include <QSlider>

class TrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TrackBar(int minimum = 0, int maximum = 10, QWidget* parent = nullptr);
};
