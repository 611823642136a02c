#include "Unit5.h"

TForm5* TForm5::Form5 = nullptr;

TForm5::TForm5(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Set/Change Password"));
    Form5 = this;
}

TForm5::~TForm5()
{
    if (Form5 == this)
        Form5 = nullptr;
}
