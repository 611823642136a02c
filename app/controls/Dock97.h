// A one-row dock across the top of the window that holds toolbars at a horizontal
// position each; the rest of the row is covered by a filler panel.
#pragma once

#include <QFrame>

class Dock97 : public QFrame {
    Q_OBJECT
public:
    static constexpr int RowHeight = 26;

    explicit Dock97(QWidget* parent = nullptr);
};
