#include "SystemPoliciesPanel.h"

SystemPoliciesPanel::SystemPoliciesPanel(TForm1& form)
    : PolicyPanel(form, QStringLiteral("GroupBox34"), QStringLiteral("System Policies"),
                  "SystemPoliciesLabel",
                  QStringLiteral("Here you can set the restriction for System settings. Just "
                                 "check/uncheck the thing you want to enable and/or disable and "
                                 "click the OK button."))
{
    POLICY_BOX(CheckBox33, QStringLiteral("Disable Display Control Panel "));
    POLICY_BOX(CheckBox35, QStringLiteral("Hide Background Page"));
    POLICY_BOX(CheckBox36, QStringLiteral("Hide Screen Saver Page"));
    POLICY_BOX(CheckBox37, QStringLiteral("Hide Appearance Page"));
    POLICY_BOX(CheckBox38, QStringLiteral("Hide Settings Page"));
    POLICY_BOX(CheckBox39, QStringLiteral("Disable Password Control Panel"));
    POLICY_BOX(CheckBox40, QStringLiteral("Hide Password Change Page"));
    POLICY_BOX(CheckBox41, QStringLiteral("Hide Remote Administration Page"));
    POLICY_BOX(CheckBox42, QStringLiteral("Hide User Profiles Page"));
    POLICY_BOX(CheckBox43, QStringLiteral("Hide Device Manager Page"));
    POLICY_BOX(CheckBox44, QStringLiteral("Hide Hardware Profiles Page"));
    POLICY_BOX(CheckBox45, QStringLiteral("Hide File System Button"));
    POLICY_BOX(CheckBox46, QStringLiteral("Hide Virtual Memory Button"));
    PLACE_OK_CANCEL(OfficeButton59, OfficeButton60);
    connectHandler(OfficeButton59, &OfficeButton::clicked, this,
                   &SystemPoliciesPanel::OfficeButton59Click);

    bind({Access{
        Key{"System",
         {{CheckBox33, "NoDispCPL"},
          {CheckBox35, "NoDispBackgroundPage"},
          {CheckBox36, "NoDispScrSavPage"},
          {CheckBox37, "NoDispAppearancePage"},
          {CheckBox38, "NoDispSettingsPage"},
          {CheckBox39, "NoSecCPL"},
          {CheckBox40, "NoPwdPage"},
          {CheckBox41, "NoAdminPage"},
          {CheckBox42, "NoProfilePage"},
          {CheckBox43, "NoDevMgrPage"},
          {CheckBox44, "NoConfigPage"},
          {CheckBox45, "NoFileSysPage"},
          {CheckBox46, "NoVirtMemPage"}}},
    }});
}
