// "Command Promt Here": a context-menu entry on folders and drives that opens an MS-DOS
// prompt there (the verb "DosHere" of Directory and Drive). Open shows whether the folder
// entry exists; the caption edit keeps what the user left in it.
#pragma once

#include "ComboBox.h"
#include "Edit.h"
#include "TweakPanel.h"

#include <QLabel>

class CommandPromptHerePanel : public TweakPanel {
    Q_OBJECT
public:
    explicit CommandPromptHerePanel(TForm1& form);

    void open() override;

    QLabel* Label69;
    ComboBox* ComboBox9;
    QLabel* Label70;
    Edit* Edit31;
    Edit* Edit32; // never shown: the command with its quotes, taken from here on apply
    OfficeButton* OfficeButton53;
    OfficeButton* OfficeButton54;

private:
    void OfficeButton53Click();
};
