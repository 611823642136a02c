// "Unassociated file viewer": the program the shell opens a file of unknown type with
// ("Unknown\shell\openas\command"), or the shell's own "Open With" dialog back. The
// registry is never read into this panel: it shows what was left in it.
#pragma once

#include "ComboBox.h"
#include "Edit.h"
#include "TweakPanel.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

class UnassociatedFileViewerPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit UnassociatedFileViewerPanel(TForm1& form);

    QFrame* Bevel3;
    QLabel* Image4;
    QLabel* Label41;
    QGroupBox* GroupBox21;
    ComboBox* ComboBox5;
    QLabel* Label42;
    Edit* Edit14;
    OfficeButton* OfficeButton35;
    QGroupBox* GroupBox20;
    QCheckBox* CheckBox20;
    OfficeButton* OfficeButton33;
    OfficeButton* OfficeButton34;

private:
    void ComboBox5Click();
    void Edit14Click();
    void OfficeButton35Click();
    void CheckBox20Click();
    void OfficeButton33Click();
};
