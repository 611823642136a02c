#include "Dock97.h"

Dock97::Dock97(QWidget* parent) : QFrame(parent)
{
    setFixedHeight(RowHeight);
    setFrameShape(QFrame::NoFrame);
}
