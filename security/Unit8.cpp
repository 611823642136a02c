#include "Unit8.h"

TForm8* TForm8::Form8 = nullptr;

TForm8::TForm8(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Security"));
    Form8 = this;
}

TForm8::~TForm8()
{
    if (Form8 == this)
        Form8 = nullptr;
}
