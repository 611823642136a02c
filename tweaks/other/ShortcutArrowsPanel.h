// "Remove shortcut arrows": hides or brings back the arrow the shell draws on shortcut
// icons, by renaming "IsShortCut" to "IsNotShortCut" (and back) in "lnkfile", then in
// "piffile". Only the tweak list reads the current state.
#pragma once

#include "ComboBox.h"
#include "TweakPanel.h"

#include <QLabel>

class ShortcutArrowsPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit ShortcutArrowsPanel(TForm1& form);

    void openFromList() override;

    QLabel* Image6; // a folder
    QLabel* Image7; // the shortcut arrow alone, over the folder
    QLabel* Label63;
    ComboBox* ComboBox7;
    OfficeButton* OfficeButton46;
    OfficeButton* OfficeButton47;

private:
    void ComboBox7Change();
    void OfficeButton46Click();
};
