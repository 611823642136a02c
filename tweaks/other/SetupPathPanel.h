// "Setup Path": the folder Windows takes its installation files from ("SourcePath").
// The panel is shown first and then filled, so a read error leaves it shown with the
// edit's earlier text.
#pragma once

#include "Edit.h"
#include "TweakPanel.h"

#include <QLabel>

class SetupPathPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit SetupPathPanel(TForm1& form);

    void open() override;

    QLabel* Label57;
    QLabel* Label60;
    QLabel* Label61;
    QLabel* Label59;
    Edit* Edit26;
    OfficeButton* OfficeButton41;
    OfficeButton* OfficeButton42;

private:
    void OfficeButton41Click();
};
