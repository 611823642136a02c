// TForm5, "Set/Change Password": sets or changes the password and its scope. Created
// once at start after the main window and shown modally from the "Password" menu.
//
// With no password set only the two new-password boxes take input; with one set only
// "Current:" does, until a key is pressed in it. The settings key is read again each
// time the dialog becomes active: when it is shown, and when a message box over it
// closes.
#pragma once

#include "ModalDialog.h"

class Edit;
class OfficeButton;
class QGroupBox;
class QLabel;
class QRadioButton;
class TRegistry;

class TForm5 : public ModalDialog {
    Q_OBJECT
public:
    static TForm5* Form5;

    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;

    // Designer-named controls.
    QLabel* Label1;
    Edit* Edit1; // "Current:"
    QLabel* Label2;
    Edit* Edit2; // "Write your new password"
    QLabel* Label3;
    Edit* Edit3; // "Rewrite your password"
    QGroupBox* GroupBox1; // "Type:"
    QRadioButton* RadioButton1; // "Complete Password" = "Normal"
    QRadioButton* RadioButton2; // "Only for Policies functions" = "Only"
    QRadioButton* RadioButton3; // "Don't use Password" = "Not"
    OfficeButton* OfficeButton1; // "O&K"
    OfficeButton* OfficeButton2; // "C&ancel"

    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void cancel() override { OfficeButton2Click(); }

private:
    void Edit1KeyPress();
    void OfficeButton1Click();
    void OfficeButton2Click();
    void clearBoxes();
};
