#include "NetworkPoliciesPanel.h"

NetworkPoliciesPanel::NetworkPoliciesPanel(TForm1& form)
    : PolicyPanel(form, QStringLiteral("GroupBox35"), QStringLiteral("Network and MS-DOS Policies"),
                  "NetworkPoliciesLabel",
                  QStringLiteral("Here you can set the restriction for the Network settings. Just "
                                 "check/uncheck the thing you want to enable and/or disable and "
                                 "click the OK button."))
{
    POLICY_BOX(CheckBox47, QStringLiteral("Disable the Setup Security Page"));
    POLICY_BOX(CheckBox48, QStringLiteral("Disable the Network Control Panel"));
    POLICY_BOX(CheckBox49, QStringLiteral("Hide Identification Page"));
    POLICY_BOX(CheckBox50, QStringLiteral("Hide Access Control Page"));
    POLICY_BOX(CheckBox51, QStringLiteral("Disable File Sharing Controls"));
    POLICY_BOX(CheckBox52, QStringLiteral("Disable Print Sharing Controls"));
    POLICY_BOX(CheckBox53, QStringLiteral("Disable MS-DOS Prompt"));
    POLICY_BOX(CheckBox54, QStringLiteral("Disables Single-Mode MS-DOS"));
    POLICY_BOX(CheckBox55, QStringLiteral("Removes Recent Document from Start Menu"));
    RequiresIE4Label = addNote("RequiresIE4Label", QStringLiteral("(Requires IE4)"));
    POLICY_BOX(CheckBox56, QStringLiteral("Clears the Recent Documents when you Exit"));
    POLICY_BOX(CheckBox57, QStringLiteral("Removes the Internet Icon from the Desktop"));
    PLACE_OK_CANCEL(OfficeButton61, OfficeButton62);
    connectHandler(OfficeButton61, &OfficeButton::clicked, this,
                   &NetworkPoliciesPanel::OfficeButton61Click);
    connectHandler(CheckBox47, &QCheckBox::toggled, this, &NetworkPoliciesPanel::CheckBox47Click);
    connectHandler(CheckBox50, &QCheckBox::toggled, this, &NetworkPoliciesPanel::CheckBox50Click);

    // Three accessors, one per key.
    bind({
        Access{Key{"Network",
          {{CheckBox47, "NoNetSetupSecurityPage"},
           {CheckBox48, "NoNetSetup"},
           {CheckBox49, "NoNetSetupIDPage"},
           {CheckBox50, "NoNetSetupSecurityPage"},
           {CheckBox51, "NoFileSharingControl"},
           {CheckBox52, "NoPrintSharing"}}}},
        Access{Key{"WinOldApp", {{CheckBox53, "Disabled"}, {CheckBox54, "NoRealMode"}}}},
        Access{Key{"Explorer",
          {{CheckBox55, "NoRecentDocsHistory"},
           {CheckBox56, "ClearRecentDocsOnExit"},
           {CheckBox57, "NoInternetIcon"}}}},
    });
}
