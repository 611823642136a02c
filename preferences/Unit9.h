// TForm9, "Options": the view and window-position options. Created once at start after
// the main window; the File menu's "&Options" sets its radio buttons from the settings
// key and shows it modally. A tab control chooses which of four "Options:" groups is
// shown; the groups lie on top of each other. OK writes the four preferences (and the
// position for "Reset Position"); Cancel writes nothing. Either way the dialog is back on
// "Saving Position" with both position check boxes cleared the next time it opens.
//
// GroupBox1 to GroupBox4 here are the dialog's own; they have nothing to do with the
// main window's panels of the same names.
#pragma once

#include "security/ModalDialog.h"

class OfficeButton;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;
class TabControl;

class TForm9 : public ModalDialog {
    Q_OBJECT
public:
    static TForm9* Form9;

    explicit TForm9(QWidget* parent = nullptr);
    ~TForm9() override;

    // Designer-named controls.
    TabControl* TabControl1;
    QGroupBox* GroupBox2; // position
    QRadioButton* RadioButton1; // "Save Position"
    QRadioButton* RadioButton2; // "Don't save Position"
    QCheckBox* CheckBox1; // "Reset Position"
    QCheckBox* CheckBox2; // "Center Position"
    QLabel* Image2;
    QGroupBox* GroupBox1; // toolbar buttons
    QRadioButton* RadioButton3; // "Normal buttons"
    QRadioButton* RadioButton4; // "Flat toolbar buttons"
    QLabel* Image1;
    QGroupBox* GroupBox3; // icon arrangement
    QRadioButton* RadioButton5; // "Auto Arange icons"
    QRadioButton* RadioButton6; // "Default arangement"
    QLabel* Image3;
    QGroupBox* GroupBox4; // label wrapping
    QRadioButton* RadioButton7; // "Wrap icon text"
    QRadioButton* RadioButton8; // "Do not wrap text"
    QLabel* Image4;
    OfficeButton* OfficeButton1; // "O&K"
    OfficeButton* OfficeButton2; // "C&ancel"

protected:
    void cancel() override { OfficeButton2Click(); }

private:
    QGroupBox* makeGroup(const char* name, const QString& picture, QLabel*& image);
    QRadioButton* makeRadio(QGroupBox* group, const char* name, const QString& caption, int row);
    // Back to "Saving Position" with both check boxes cleared (after OK and Cancel).
    void resetForNextOpen();

    void TabControl1Change();
    void CheckBox1Click();
    void CheckBox2Click();
    void OfficeButton1Click();
    void OfficeButton2Click();

    QFrame* m_page;
};
