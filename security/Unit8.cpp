#include "Unit8.h"

#include "HandlerConnection.h"
#include "OfficeButton.h"
#include "PasswordDialogs.h"
#include "TRegistry.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

TForm8* TForm8::Form8 = nullptr;

TForm8::TForm8(QWidget* parent) : ModalDialog(QStringLiteral("Security"), 5, parent)
{
    setObjectName(QStringLiteral("Form8"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(8);
    GroupBox1 = PasswordDialogs::typeGroup(this, RadioButton1, RadioButton2, RadioButton3);
    column->addWidget(GroupBox1);
    column->addLayout(PasswordDialogs::okCancelRow(this, OfficeButton1, OfficeButton2));
    setFixedSize(209, sizeHint().height());

    connectHandler(OfficeButton1, &OfficeButton::clicked, this, &TForm8::OfficeButton1Click);
    connectHandler(OfficeButton2, &OfficeButton::clicked, this, &TForm8::OfficeButton2Click);
    Form8 = this;
}

TForm8::~TForm8()
{
    if (Form8 == this)
        Form8 = nullptr;
}

void TForm8::showEvent(QShowEvent* event)
{
    ModalDialog::showEvent(event);
    try {
        FormActivate();
    } catch (const std::exception& error) {
        Application::showException(error);
    }
}

void TForm8::FormActivate()
{
    TRegistry registry;
    PasswordDialogs::openSettings(registry);
    if (registry.ValueExists("Type"))
        PasswordDialogs::checkType(QString::fromStdString(registry.ReadString("Type")), RadioButton1,
                                   RadioButton2, RadioButton3);
    registry.CloseKey();
}

void TForm8::OfficeButton1Click()
{
    TRegistry registry;
    PasswordDialogs::openSettings(registry);
    const QString type = PasswordDialogs::checkedType(RadioButton1, RadioButton2, RadioButton3);
    if (!type.isEmpty())
        registry.WriteString("Type", type.toStdString());
    registry.CloseKey();
    closeDialog();
}

void TForm8::OfficeButton2Click()
{
    closeDialog();
}
