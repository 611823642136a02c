#include "PasswordDialogs.h"

#include "Edit.h"
#include "OfficeButton.h"
#include "TRegistry.h"
#include "preferences/Preferences.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

void PasswordDialogs::openSettings(TRegistry& registry)
{
    registry.RootKey = HKEY_LOCAL_MACHINE;
    registry.LazyWrite = false;
    registry.OpenKey(Preferences::SettingsKey, true);
}

QLabel* PasswordDialogs::label(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

Edit* PasswordDialogs::passwordBox(QWidget* parent, const char* name)
{
    auto* box = new Edit(QString(), parent);
    box->setObjectName(QString::fromLatin1(name));
    // Password mode also keeps the text out of the clipboard and input methods.
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    return box;
}

QGroupBox* PasswordDialogs::typeGroup(QWidget* parent, QRadioButton*& complete,
                                      QRadioButton*& only, QRadioButton*& none)
{
    auto* group = new QGroupBox(QStringLiteral("Type:"), parent);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(8, 4, 8, 6);
    column->setSpacing(2);
    auto make = [group, column](const char* name, const QString& caption) {
        auto* button = new QRadioButton(caption, group);
        button->setObjectName(QString::fromLatin1(name));
        column->addWidget(button);
        return button;
    };
    complete = make("RadioButton1", QStringLiteral("Complete Password"));
    only = make("RadioButton2", QStringLiteral("Only for Policies functions"));
    none = make("RadioButton3", QStringLiteral("Don't use Password"));
    return group;
}

void PasswordDialogs::checkType(const QString& type, QRadioButton* complete, QRadioButton* only,
                                QRadioButton* none)
{
    if (type == QLatin1String("Normal"))
        complete->setChecked(true);
    else if (type == QLatin1String("Only"))
        only->setChecked(true);
    else if (type == QLatin1String("Not"))
        none->setChecked(true);
}

QString PasswordDialogs::checkedType(const QRadioButton* complete, const QRadioButton* only,
                                     const QRadioButton* none)
{
    if (complete->isChecked())
        return QStringLiteral("Normal");
    if (only->isChecked())
        return QStringLiteral("Only");
    if (none->isChecked())
        return QStringLiteral("Not");
    return QString();
}

QHBoxLayout* PasswordDialogs::okCancelRow(QWidget* parent, OfficeButton*& ok, OfficeButton*& cancel)
{
    ok = new OfficeButton(QStringLiteral("O&K"), parent);
    ok->setObjectName(QStringLiteral("OfficeButton1"));
    cancel = new OfficeButton(QStringLiteral("C&ancel"), parent);
    cancel->setObjectName(QStringLiteral("OfficeButton2"));
    auto* row = new QHBoxLayout;
    row->addWidget(ok);
    row->addStretch(1);
    row->addWidget(cancel);
    return row;
}

void PasswordDialogs::buildPrompt(QWidget* dialog, QLabel*& label, Edit*& box, QFrame*& line,
                                  OfficeButton*& ok, OfficeButton*& cancel)
{
    auto* column = new QVBoxLayout(dialog);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(4);
    label = PasswordDialogs::label(dialog, "Label1", QStringLiteral("Password:"));
    box = passwordBox(dialog, "Edit1");
    line = new QFrame(dialog);
    line->setObjectName(QStringLiteral("Bevel1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    column->addWidget(label);
    column->addWidget(box);
    column->addSpacing(4);
    column->addWidget(line);
    column->addSpacing(4);
    column->addLayout(okCancelRow(dialog, ok, cancel));
    dialog->setFixedSize(209, dialog->sizeHint().height());
}
