// "Change icon for My computer": the default icon of My Computer's class, a file the user
// names (verbatim) or the default "explorer.exe,0". Nothing is read on open: the edit and
// "Reset to default" show what was left in them.
#pragma once

#include "Edit.h"
#include "ListView.h"
#include "TweakPanel.h"

#include <QCheckBox>
#include <QLabel>

class MyComputerIconPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit MyComputerIconPanel(TForm1& form);

    ListView* ListView4;
    QCheckBox* CheckBox1;
    QLabel* Label8;
    Edit* Edit2;
    OfficeButton* OfficeButton8;
    OfficeButton* OfficeButton9;
    OfficeButton* OfficeButton10;

private:
    void ListView4Click();
    void ListView4DblClick();
    void CheckBox1Click();
    void Edit2Click();
    void OfficeButton8Click();
    void OfficeButton9Click();
};
