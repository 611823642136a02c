// "Adding Submenu item to nonassociated files": an entry of its own in the context menu of
// files of unknown type ("Unknown\shell\<text>\command"), or its removal. The entry's text
// is the key's name, which is also the caption the shell shows. The registry is never read
// into this panel: it shows what was left in it.
#pragma once

#include "ComboBox.h"
#include "Edit.h"
#include "TweakPanel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

class SubmenuItemsPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit SubmenuItemsPanel(TForm1& form);

    QLabel* Label43;
    QLabel* Label44;
    QGroupBox* GroupBox23;
    ComboBox* ComboBox6;
    QLabel* Label45;
    // The entry's text. The Animation tweak reads it too when opened from its list.
    Edit* Edit15;
    QLabel* Label46;
    Edit* Edit16;
    OfficeButton* OfficeButton38;
    QCheckBox* CheckBox21;
    OfficeButton* OfficeButton36;
    OfficeButton* OfficeButton37;

private:
    void ComboBox6Change();
    void Edit16Click();
    void OfficeButton38Click();
    void CheckBox21Click();
    void OfficeButton36Click();
};
