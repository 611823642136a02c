#include "Unit6.h"

TForm6* TForm6::Form6 = nullptr;

TForm6::TForm6(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Password"));
    Form6 = this;
}

TForm6::~TForm6()
{
    if (Form6 == this)
        Form6 = nullptr;
}
