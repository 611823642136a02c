#include "Unit6.h"

#include "Application.h"
#include "Edit.h"
#include "HandlerConnection.h"
#include "Messages.h"
#include "OfficeButton.h"
#include "PasswordDialogs.h"
#include "Unit1.h"

TForm6* TForm6::Form6 = nullptr;

TForm6::TForm6(QWidget* parent) : ModalDialog(QStringLiteral("Password"), 0, parent)
{
    setObjectName(QStringLiteral("Form6"));
    PasswordDialogs::buildPrompt(this, Label1, Edit1, Bevel1, OfficeButton1, OfficeButton2);
    connectHandler(OfficeButton1, &OfficeButton::clicked, this, &TForm6::OfficeButton1Click);
    connectHandler(OfficeButton2, &OfficeButton::clicked, this, &TForm6::OfficeButton2Click);
    Form6 = this;
}

TForm6::~TForm6()
{
    if (Form6 == this)
        Form6 = nullptr;
}

void TForm6::OfficeButton1Click()
{
    const bool right = Edit1->text() == TForm1::Form1->passwordState.StoredPassword;
    // The prompt is shown once per run; the answer need not stay in the box.
    Edit1->clear();
    if (!right) {
        Messages::error(QStringLiteral("Wrong Password!"));
        Application::requestTerminate();
    }
    closeDialog();
}

void TForm6::OfficeButton2Click()
{
    Edit1->clear();
    Application::requestTerminate();
    closeDialog();
}
