// "Select My computer viewer": the command the shell runs when My Computer is opened,
// or, with "Normal", the shell's own behaviour back by removing the verb. The registry
// is never read into this panel: it shows what was left in it.
#pragma once

#include "ComboBox.h"
#include "Edit.h"
#include "TweakPanel.h"

#include <QLabel>

class MyComputerViewerPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit MyComputerViewerPanel(TForm1& form);

    ComboBox* ComboBox3;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    Edit* Edit1;
    OfficeButton* OfficeButton7;
    OfficeButton* OfficeButton4;
    OfficeButton* OfficeButton3;

private:
    void ComboBox3Click();
    void OfficeButton7Click();
    void OfficeButton4Click();
    void writeCommand(const QString& command);
};
