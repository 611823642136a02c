// "Network and MS-DOS Policies": the Network control panel, the MS-DOS prompt, and three
// Start-menu and desktop restrictions whose values live in the Explorer key.
//
// "Disable the Setup Security Page" and "Hide Access Control Page" switch the same value,
// NoNetSetupSecurityPage. Left independent, the second box alone would decide what is
// stored, and checking only the first would store nothing after telling the user to
// restart; so the two boxes mirror each other and the panel shows what is stored.
#pragma once

#include "PolicyPanel.h"

class NetworkPoliciesPanel : public PolicyPanel {
    Q_OBJECT
public:
    explicit NetworkPoliciesPanel(TForm1& form);

    QCheckBox* CheckBox47;
    QCheckBox* CheckBox48;
    QCheckBox* CheckBox49;
    QCheckBox* CheckBox50;
    QCheckBox* CheckBox51;
    QCheckBox* CheckBox52;
    QCheckBox* CheckBox53;
    QCheckBox* CheckBox54;
    QCheckBox* CheckBox55;
    QLabel* RequiresIE4Label;
    QCheckBox* CheckBox56;
    QCheckBox* CheckBox57;
    OfficeButton* OfficeButton61;
    OfficeButton* OfficeButton62;

private:
    void OfficeButton61Click() { apply(); }
    // The mirrored pair; each runs on every change of its box's state, from the user or
    // from code, and stops once both agree.
    void CheckBox47Click() { CheckBox50->setChecked(CheckBox47->isChecked()); }
    void CheckBox50Click() { CheckBox47->setChecked(CheckBox50->isChecked()); }
};
