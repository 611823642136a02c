#include "Unit5.h"

#include "Edit.h"
#include "HandlerConnection.h"
#include "Messages.h"
#include "OfficeButton.h"
#include "PasswordDialogs.h"
#include "TRegistry.h"
#include "Unit1.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

TForm5* TForm5::Form5 = nullptr;

TForm5::TForm5(QWidget* parent) : ModalDialog(QStringLiteral("Set/Change Password"), 7, parent)
{
    setObjectName(QStringLiteral("Form5"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(4);

    Label1 = PasswordDialogs::label(this, "Label1", QStringLiteral("Current:"));
    Edit1 = PasswordDialogs::passwordBox(this, "Edit1");
    Label2 = PasswordDialogs::label(this, "Label2", QStringLiteral("Write your new password"));
    Edit2 = PasswordDialogs::passwordBox(this, "Edit2");
    Label3 = PasswordDialogs::label(this, "Label3", QStringLiteral("Rewrite your password"));
    Edit3 = PasswordDialogs::passwordBox(this, "Edit3");
    for (QWidget* control : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Edit1),
                             static_cast<QWidget*>(Label2), static_cast<QWidget*>(Edit2),
                             static_cast<QWidget*>(Label3), static_cast<QWidget*>(Edit3)})
        column->addWidget(control);

    GroupBox1 = PasswordDialogs::typeGroup(this, RadioButton1, RadioButton2, RadioButton3);
    RadioButton1->setChecked(true);
    column->addSpacing(4);
    column->addWidget(GroupBox1);
    column->addSpacing(4);
    column->addLayout(PasswordDialogs::okCancelRow(this, OfficeButton1, OfficeButton2));

    setFixedSize(233, sizeHint().height());

    Edit1->installEventFilter(this);
    connectHandler(OfficeButton1, &OfficeButton::clicked, this, &TForm5::OfficeButton1Click);
    connectHandler(OfficeButton2, &OfficeButton::clicked, this, &TForm5::OfficeButton2Click);
    Form5 = this;
}

TForm5::~TForm5()
{
    if (Form5 == this)
        Form5 = nullptr;
}

void TForm5::showEvent(QShowEvent* event)
{
    ModalDialog::showEvent(event);
    try {
        FormActivate();
    } catch (const std::exception& error) {
        Application::showException(error);
    }
}

bool TForm5::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        try {
            Edit1KeyPress();
        } catch (const std::exception& error) {
            Application::showException(error);
        }
    }
    return ModalDialog::eventFilter(watched, event);
}

void TForm5::FormActivate()
{
    TRegistry registry;
    PasswordDialogs::openSettings(registry);
    const bool noPassword = TForm1::Form1->passwordState.StoredPassword == PasswordState::noPassword();
    Edit1->setEnabled(!noPassword);
    Edit2->setEnabled(noPassword);
    Edit3->setEnabled(noPassword);
    if (registry.ValueExists("Type"))
        PasswordDialogs::checkType(QString::fromStdString(registry.ReadString("Type")), RadioButton1,
                                   RadioButton2, RadioButton3);
    registry.CloseKey();
}

void TForm5::Edit1KeyPress()
{
    Edit2->setEnabled(true);
    Edit3->setEnabled(true);
}

void TForm5::OfficeButton1Click()
{
    TRegistry registry;
    PasswordDialogs::openSettings(registry);
    const QString stored = QString::fromStdString(registry.ReadString("Show"));
    if (stored != PasswordState::noPassword() && Edit1->text() != stored) {
        Messages::error(QStringLiteral("Wrong Password!"));
        closeDialog();
    } else if (Edit3->text() != Edit2->text()) {
        Messages::error(QStringLiteral("The passwords isn't the same"));
        // The dialog stays open and becomes active again once the box is gone.
        FormActivate();
    } else {
        const QString type =
            PasswordDialogs::checkedType(RadioButton1, RadioButton2, RadioButton3);
        if (!type.isEmpty())
            registry.WriteString("Type", type.toStdString());
        registry.WriteString("Show", Edit3->text().toStdString());
        Messages::information(QStringLiteral("The password is now set"));
        closeDialog();
    }
    registry.CloseKey();
    clearBoxes();
}

void TForm5::OfficeButton2Click()
{
    clearBoxes();
    closeDialog();
}

void TForm5::clearBoxes()
{
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
}
