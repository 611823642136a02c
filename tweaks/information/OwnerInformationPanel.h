// "Change the owner information": the registered owner and organisation of the Windows
// installation. The tweak list reads both values into the edits; the Actions menu only
// shows the panel with whatever the edits hold.
#pragma once

#include "Edit.h"
#include "TweakPanel.h"

#include <QFrame>
#include <QLabel>

class OwnerInformationPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit OwnerInformationPanel(TForm1& form);

    void openFromList() override;

    QFrame* Bevel1;
    QLabel* Image2;
    QLabel* Label9;
    QLabel* Label10;
    Edit* Edit3;
    QLabel* Label11;
    Edit* Edit4;
    OfficeButton* OfficeButton11;
    OfficeButton* OfficeButton12;

private:
    void OfficeButton11Click();
};
