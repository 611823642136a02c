// "Remove the Recycle Bin": takes the Recycle Bin off the desktop (its desktop key is
// deleted) or puts it back under its current display name. Nothing is read on open: the
// combo box keeps its choice.
#pragma once

#include "ComboBox.h"
#include "TweakPanel.h"

#include <QLabel>

class RemoveRecycleBinPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit RemoveRecycleBinPanel(TForm1& form);

    ComboBox* ComboBox4;
    QLabel* Label40;
    OfficeButton* OfficeButton31;
    OfficeButton* OfficeButton32;

private:
    void OfficeButton31Click();
};
