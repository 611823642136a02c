// "Adding Submenu Items to all files": a context-menu entry for every file ("*\shell\open")
// that opens the file with a chosen program, or its removal. Removal takes away only this
// entry: other programs' entries for all files under "*\shell" are left alone.
#pragma once

#include "Edit.h"
#include "TweakPanel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

class AllFilesSubmenuPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit AllFilesSubmenuPanel(TForm1& form);

    QLabel* Label64;
    QLabel* Label65;
    QLabel* Label79;
    QGroupBox* GroupBox29;
    QLabel* Label66;
    Edit* Edit28;
    QLabel* Label67;
    Edit* Edit29;
    OfficeButton* OfficeButton50;
    QCheckBox* CheckBox22;
    OfficeButton* OfficeButton48;
    OfficeButton* OfficeButton49;

private:
    void CheckBox22Click();
    void Edit28Click();
    void Edit29Click();
    void OfficeButton50Click();
    void OfficeButton48Click();
};
