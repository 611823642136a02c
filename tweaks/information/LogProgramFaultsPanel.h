// "Log program faults": sets the file Windows logs program faults to (the directory the
// user types, followed by "\Log.txt"), or removes the log setting. Nothing is read: the
// panel shows what the user last left in it.
#pragma once

#include "Edit.h"
#include "TweakPanel.h"

#include <QCheckBox>
#include <QLabel>

class LogProgramFaultsPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit LogProgramFaultsPanel(TForm1& form);

    QLabel* Label24;
    QLabel* Label25;
    QLabel* Label26;
    QLabel* Label27;
    QLabel* Label28;
    QLabel* Label29;
    Edit* Edit9;
    QCheckBox* CheckBox6;
    OfficeButton* OfficeButton19;
    OfficeButton* OfficeButton22;

private:
    void OfficeButton19Click();
    void CheckBox6Click();
    void Edit9Click();
};
