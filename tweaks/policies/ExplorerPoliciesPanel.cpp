#include "ExplorerPoliciesPanel.h"

ExplorerPoliciesPanel::ExplorerPoliciesPanel(TForm1& form)
    : PolicyPanel(form, QStringLiteral("GroupBox33"), QStringLiteral("Explorer Policies"),
                  "ExplorerPoliciesLabel",
                  QStringLiteral("Here you can set the restriction for Explorer. Just check/uncheck "
                                 "the thing you want to enable and/or disable and click the OK "
                                 "button."))
{
    POLICY_BOX(CheckBox23, QStringLiteral("Disable deletion of Printers"));
    POLICY_BOX(CheckBox24, QStringLiteral("Diasble Additions of Printers"));
    POLICY_BOX(CheckBox25, QStringLiteral("Disable the Run Command"));
    POLICY_BOX(CheckBox26, QStringLiteral("Remove Folders from Settings on Start Menu "));
    POLICY_BOX(CheckBox27, QStringLiteral("Remove Taskbar from Settings on Start Menu "));
    POLICY_BOX(CheckBox28, QStringLiteral("Remove the Find Command "));
    POLICY_BOX(CheckBox29, QStringLiteral("Hide the Drives in My Computer"));
    POLICY_BOX(CheckBox30, QStringLiteral("Hide the Network Neighborhood"));
    POLICY_BOX(CheckBox31, QStringLiteral("Hide all items on the Desktop"));
    POLICY_BOX(CheckBox32, QStringLiteral("Disable Shutdown"));
    POLICY_BOX(CheckBox34, QStringLiteral("Disable Registry Editing Tools"));
    PLACE_OK_CANCEL(OfficeButton57, OfficeButton58);
    connectHandler(OfficeButton57, &OfficeButton::clicked, this,
                   &ExplorerPoliciesPanel::OfficeButton57Click);

    // One accessor for both keys.
    bind({Access{
        Key{"Explorer",
         {{CheckBox23, "NoDeletePrinter"},
          {CheckBox24, "NoAddPrinter"},
          {CheckBox25, "NoRun"},
          {CheckBox26, "NoSetFolders"},
          {CheckBox27, "NoSetTaskbar"},
          {CheckBox28, "NoFind"},
          // One bit per drive letter A to Z.
          {CheckBox29, "NoDrives", 0x03FFFFFF},
          {CheckBox30, "NoNetHood"},
          {CheckBox31, "NoDesktop"},
          {CheckBox32, "NoClose"}}},
        Key{"System", {{CheckBox34, "DisableRegistryTools"}}},
    }});
}
