// "Recycle Bin's icon ": the icons of the full and the empty Recycle Bin, files the user
// names (verbatim) or the three defaults. Nothing is read on open: the edits and
// "Reset to default" show what was left in them.
#pragma once

#include "Edit.h"
#include "ListView.h"
#include "TweakPanel.h"

#include <QCheckBox>
#include <QLabel>

class RecycleBinIconPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit RecycleBinIconPanel(TForm1& form);

    ListView* ListView8;
    QLabel* Label35;
    QLabel* Label36;
    Edit* Edit11;
    OfficeButton* OfficeButton27;
    QLabel* Label37;
    Edit* Edit12;
    OfficeButton* OfficeButton28;
    QCheckBox* CheckBox19;
    OfficeButton* OfficeButton25;
    OfficeButton* OfficeButton26;

private:
    void ListView8Click();
    void ListView8DblClick();
    void OfficeButton27Click();
    void OfficeButton28Click();
    void CheckBox19Click();
    void Edit11Click();
    void Edit12Click();
    void OfficeButton25Click();
    // The icon dialog; a confirmed file goes into edit, a cancelled one changes nothing.
    void browseInto(Edit* edit);
};
