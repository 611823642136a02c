// TForm8, "Security": chooses the security type of the password that is set. Created
// once at start after the main window; shown modally by "&Change Security" after the
// password was given. Its radio buttons are set from "Type" each time it is shown.
#pragma once

#include "ModalDialog.h"

class OfficeButton;
class QGroupBox;
class QRadioButton;

class TForm8 : public ModalDialog {
    Q_OBJECT
public:
    static TForm8* Form8;

    explicit TForm8(QWidget* parent = nullptr);
    ~TForm8() override;

    // Designer-named controls.
    QGroupBox* GroupBox1; // "Type:"
    QRadioButton* RadioButton1; // "Complete Password" = "Normal"
    QRadioButton* RadioButton2; // "Only for Policies functions" = "Only"
    QRadioButton* RadioButton3; // "Don't use Password" = "Not"
    OfficeButton* OfficeButton1; // "O&K"
    OfficeButton* OfficeButton2; // "C&ancel"

    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;
    void cancel() override { OfficeButton2Click(); }

private:
    void OfficeButton1Click();
    void OfficeButton2Click();
};
