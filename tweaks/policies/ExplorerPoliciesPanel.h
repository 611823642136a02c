// "Explorer Policies": restrictions of the shell, and the registry editing tools (whose
// value lives in the System key but is offered here, not on the System panel).
#pragma once

#include "PolicyPanel.h"

class ExplorerPoliciesPanel : public PolicyPanel {
    Q_OBJECT
public:
    explicit ExplorerPoliciesPanel(TForm1& form);

    QCheckBox* CheckBox23;
    QCheckBox* CheckBox24;
    QCheckBox* CheckBox25;
    QCheckBox* CheckBox26;
    QCheckBox* CheckBox27;
    QCheckBox* CheckBox28;
    QCheckBox* CheckBox29;
    QCheckBox* CheckBox30;
    QCheckBox* CheckBox31;
    QCheckBox* CheckBox32;
    QCheckBox* CheckBox34;
    OfficeButton* OfficeButton57;
    OfficeButton* OfficeButton58;

private:
    void OfficeButton57Click() { apply(); }
};
