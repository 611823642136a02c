// "Show HI color icons without the Plus Pack!": the colour depth of the shell's icons
// ("Shell Icon BPP": "4" for 16 colours, "16" for high colour). The tweak list selects
// the stored depth in the combo box; the Actions menu sets only the two sample icons.
#pragma once

#include "ComboBox.h"
#include "Edit.h"
#include "TweakPanel.h"

#include <QLabel>

class HiColorIconsPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit HiColorIconsPanel(TForm1& form);

    void openFromList() override;
    void openFromMenu() override;

    QLabel* Image8; // 16 colours
    QLabel* Image9; // high colour, at the same place
    QLabel* Label68;
    ComboBox* ComboBox8;
    Edit* Edit30; // never shown: receives the text read at open
    OfficeButton* OfficeButton51;
    OfficeButton* OfficeButton52;

private:
    // Reads the stored depth and shows the panel; true when it is high colour.
    bool readAndShow();
    void showHighColour(bool highColour);
    void ComboBox8Change();
    void OfficeButton51Click();
};
