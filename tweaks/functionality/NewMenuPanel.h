// "Add to New menu": a file type in the shell's New submenu, named by its extension.
// Adding writes ".<ext>\Shellnew" "filename" = "<ext>.<ext>" and creates that empty
// template file in the user's templates folder; removing deletes the "Shellnew" key and
// leaves the template file on disk.
#pragma once

#include "Edit.h"
#include "TweakPanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>

class NewMenuPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit NewMenuPanel(TForm1& form);
    // Reads the templates folder into Edit40.
    void open() override;

    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    Edit* Edit5;
    QCheckBox* CheckBox2;
    OfficeButton* OfficeButton13;
    OfficeButton* OfficeButton14;
    // Hidden: the template's content (one empty line) and the templates folder.
    QPlainTextEdit* Memo1;
    Edit* Edit40;

private:
    void OfficeButton13Click();
    // Memo1's lines, each ended by CR LF as a Windows text file.
    QByteArray templateContent() const;
};
