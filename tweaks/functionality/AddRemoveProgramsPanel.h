// "Add/Remove Programs": the entries of the uninstall list (the sub-keys of
// "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall"), of which the user deletes the
// ones left behind by programs removed by hand. Names are shown as the keys are named; no
// value of an entry is read, and no uninstaller is run.
#pragma once

#include "ListBox.h"
#include "TweakPanel.h"

#include <QLabel>

class TRegistry;

class AddRemoveProgramsPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit AddRemoveProgramsPanel(TForm1& form);
    void open() override;

    QLabel* Label23;
    ListBox* ListBox1;
    OfficeButton* OfficeButton20;
    OfficeButton* OfficeButton21;

private:
    // Replaces the list by the sub-keys of the accessor's open key (none when no key is
    // open). No entry is selected afterwards.
    void fillList(TRegistry& registry);
    // D&elete takes input only while an entry is selected.
    void ListBox1SelectionChange();
    void OfficeButton20Click();
};
