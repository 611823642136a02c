// "Change the location of the default folders": the nine shell folders of the current
// user ("Shell Folders"), read on every open and all written back on OK.
#pragma once

#include "Edit.h"
#include "TweakPanel.h"

#include <QLabel>

#include <array>

class DefaultFoldersPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit DefaultFoldersPanel(TForm1& form);

    void open() override;

    QLabel* Label47;
    QLabel* Label48;
    Edit* Edit17;
    QLabel* Label49;
    Edit* Edit18;
    QLabel* Label50;
    Edit* Edit19;
    QLabel* Label51;
    Edit* Edit20;
    QLabel* Label52;
    Edit* Edit21;
    QLabel* Label53;
    Edit* Edit22;
    QLabel* Label54;
    Edit* Edit23;
    QLabel* Label55;
    Edit* Edit24;
    QLabel* Label56;
    Edit* Edit25;
    OfficeButton* OfficeButton39;
    OfficeButton* OfficeButton40;

private:
    // Each edit with the value it shows, in the order they are read and written.
    std::array<std::pair<Edit*, const char*>, 9> fields() const;
    void OfficeButton39Click();
};
