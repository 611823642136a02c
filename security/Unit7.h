// TForm7, "Password": asks for the password before the policy tweaks and before a change
// of the security type. Created once at start after the main window and shown modally
// when needed. A right answer sets the main window's PolicyAccessGranted to "Ja"; the
// caller that asked clears it again.
#pragma once

#include "ModalDialog.h"

class Edit;
class OfficeButton;
class QFrame;
class QLabel;

class TForm7 : public ModalDialog {
    Q_OBJECT
public:
    static TForm7* Form7;

    explicit TForm7(QWidget* parent = nullptr);
    ~TForm7() override;

    // Designer-named controls.
    QLabel* Label1;
    Edit* Edit1;
    QFrame* Bevel1;
    OfficeButton* OfficeButton1; // "O&K"
    OfficeButton* OfficeButton2; // "C&ancel"

protected:
    void cancel() override { OfficeButton2Click(); }

private:
    void OfficeButton1Click();
    void OfficeButton2Click();
};
