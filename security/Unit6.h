// TForm6, "Password": asks for the password at start-up when it guards the whole
// program. Created once at start after the main window; shown modally by the main
// window's show step. There is no second try: a wrong answer or Cancel ends the program.
#pragma once

#include "ModalDialog.h"

class Edit;
class OfficeButton;
class QFrame;
class QLabel;

class TForm6 : public ModalDialog {
    Q_OBJECT
public:
    static TForm6* Form6;

    explicit TForm6(QWidget* parent = nullptr);
    ~TForm6() override;

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
