// "System Policies": the pages and buttons of the Display, Passwords and System control
// panels.
#pragma once

#include "PolicyPanel.h"

class SystemPoliciesPanel : public PolicyPanel {
    Q_OBJECT
public:
    explicit SystemPoliciesPanel(TForm1& form);

    QCheckBox* CheckBox33;
    QCheckBox* CheckBox35;
    QCheckBox* CheckBox36;
    QCheckBox* CheckBox37;
    QCheckBox* CheckBox38;
    QCheckBox* CheckBox39;
    QCheckBox* CheckBox40;
    QCheckBox* CheckBox41;
    QCheckBox* CheckBox42;
    QCheckBox* CheckBox43;
    QCheckBox* CheckBox44;
    QCheckBox* CheckBox45;
    QCheckBox* CheckBox46;
    OfficeButton* OfficeButton59;
    OfficeButton* OfficeButton60;

private:
    void OfficeButton59Click() { apply(); }
};
