// "Remove Shrink and Grow animation": whether windows animate when minimised and
// maximised ("Minanimate" = "0" switches it off). Both ways in read the setting; the
// tweak list's way first looks for a secret text in the "Adding submenu items" panel and
// then shows the hidden panel instead.
#pragma once

#include "ComboBox.h"
#include "TweakPanel.h"

#include <QLabel>

class AnimationPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit AnimationPanel(TForm1& form);

    void openFromList() override;
    void open() override;

    ComboBox* ComboBox2;
    QLabel* Label3;
    QLabel* Label4;
    OfficeButton* OfficeButton5;
    OfficeButton* OfficeButton6;

private:
    void OfficeButton5Click();
};
