#include "Unit7.h"

#include "Edit.h"
#include "HandlerConnection.h"
#include "Messages.h"
#include "OfficeButton.h"
#include "PasswordDialogs.h"
#include "Unit1.h"

TForm7* TForm7::Form7 = nullptr;

TForm7::TForm7(QWidget* parent) : ModalDialog(QStringLiteral("Password"), 0, parent)
{
    setObjectName(QStringLiteral("Form7"));
    PasswordDialogs::buildPrompt(this, Label1, Edit1, Bevel1, OfficeButton1, OfficeButton2);
    connectHandler(OfficeButton1, &OfficeButton::clicked, this, &TForm7::OfficeButton1Click);
    connectHandler(OfficeButton2, &OfficeButton::clicked, this, &TForm7::OfficeButton2Click);
    Form7 = this;
}

TForm7::~TForm7()
{
    if (Form7 == this)
        Form7 = nullptr;
}

void TForm7::OfficeButton1Click()
{
    PasswordState& state = TForm1::Form1->passwordState;
    if (Edit1->text() == state.StoredPassword)
        state.PolicyAccessGranted = PasswordState::granted();
    else
        Messages::error(QStringLiteral("Wrong Password!"));
    Edit1->clear();
    closeDialog();
}

void TForm7::OfficeButton2Click()
{
    Edit1->clear();
    closeDialog();
}
