// "Rename the Recycle Bin": the Recycle Bin's display name. Both ways in read the current
// name; the preview item's caption follows the edit as the user types.
#pragma once

#include "Edit.h"
#include "ListView.h"
#include "TweakPanel.h"

#include <QLabel>

class RenameRecycleBinPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit RenameRecycleBinPanel(TForm1& form);

    void open() override;

    ListView* ListView9;
    QLabel* Label38;
    QLabel* Label39;
    Edit* Edit13;
    OfficeButton* OfficeButton29;
    OfficeButton* OfficeButton30;

private:
    void Edit13Change();
    void OfficeButton29Click();
};
