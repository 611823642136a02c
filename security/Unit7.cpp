#include "Unit7.h"

TForm7* TForm7::Form7 = nullptr;

TForm7::TForm7(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Password"));
    Form7 = this;
}

TForm7::~TForm7()
{
    if (Form7 == this)
        Form7 = nullptr;
}
