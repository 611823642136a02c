// "Disable right click on Start button": removes or restores the shell verbs "Find"
// (Directory\shell\find), "Explore" and "Open" (Folder\shell) that the Start button's
// context menu offers. A checked box means the verb is to be removed, or has been.
// Removing deletes the verb key with everything below it; restoring writes the verb's
// keys and values back as a fresh installation has them, leaving any other values under
// the verb in place.
#pragma once

#include "TweakPanel.h"

#include <QCheckBox>

class Edit;

class StartButtonPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit StartButtonPanel(TForm1& form);

    // Only tests whether the verb keys exist; creates Directory\shell and Folder\shell
    // when they are missing.
    void open() override;

    QLabel* StartButtonLabel1;
    QLabel* StartButtonLabel2;
    QCheckBox* CheckBox58;
    QCheckBox* CheckBox59;
    QCheckBox* CheckBox60;
    OfficeButton* OfficeButton64;
    OfficeButton* OfficeButton65;
    OfficeButton* OfficeButton66;
    // The DDE command texts written on restore, kept here (never shown, never changed)
    // for the verbs find, Open and explore.
    Edit* Edit37;
    Edit* Edit38;
    Edit* Edit39;

private:
    void OfficeButton64Click();
    void OfficeButton65Click();
};
