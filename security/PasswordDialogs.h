// Pieces the password dialogs share: the settings-key accessor, password boxes, the
// "Type:" group with its three radio buttons and the mapping between those buttons and
// the stored type texts, and the O&K / C&ancel row.
#pragma once

#include <QString>

class Edit;
class OfficeButton;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QFrame;
class QRadioButton;
class QWidget;
class TRegistry;

class PasswordDialogs {
public:
    // Opens HKEY_LOCAL_MACHINE\SOFTWARE\Korrelin (created if missing), writes at once.
    static void openSettings(TRegistry& registry);

    static QLabel* label(QWidget* parent, const char* name, const QString& caption);
    // An edit box that shows "*" for each character typed.
    static Edit* passwordBox(QWidget* parent, const char* name);
    // GroupBox1 "Type:" with "Complete Password", "Only for Policies functions" and
    // "Don't use Password" (RadioButton1 to RadioButton3), none checked.
    static QGroupBox* typeGroup(QWidget* parent, QRadioButton*& complete, QRadioButton*& only,
                                QRadioButton*& none);
    // Checks the button of "Normal", "Only" or "Not"; any other text changes nothing.
    static void checkType(const QString& type, QRadioButton* complete, QRadioButton* only,
                          QRadioButton* none);
    // The type of the checked button, "" when none is checked.
    static QString checkedType(const QRadioButton* complete, const QRadioButton* only,
                               const QRadioButton* none);
    // OfficeButton1 "O&K" on the left, OfficeButton2 "C&ancel" on the right.
    static QHBoxLayout* okCancelRow(QWidget* parent, OfficeButton*& ok, OfficeButton*& cancel);
    // The layout of the two password prompts: "Password:" (Label1) over Edit1, a line
    // (Bevel1), then the O&K / C&ancel row; fixes the dialog's size.
    static void buildPrompt(QWidget* dialog, QLabel*& label, Edit*& box, QFrame*& line,
                            OfficeButton*& ok, OfficeButton*& cancel);
};
