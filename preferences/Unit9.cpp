#include "Unit9.h"

TForm9* TForm9::Form9 = nullptr;

TForm9::TForm9(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Options"));
    Form9 = this;
}

TForm9::~TForm9()
{
    if (Form9 == this)
        Form9 = nullptr;
}
