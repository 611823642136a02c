// "Explore From Here": a context-menu entry on folders that opens Explorer rooted there
// (the verb "rootexplore" of Folder). Open shows whether the entry exists; the caption
// edit keeps what the user left in it.
#pragma once

#include "ComboBox.h"
#include "Edit.h"
#include "TweakPanel.h"

#include <QLabel>

class ExploreFromHerePanel : public TweakPanel {
    Q_OBJECT
public:
    explicit ExploreFromHerePanel(TForm1& form);

    void open() override;

    QLabel* Label71;
    ComboBox* ComboBox10;
    QLabel* Label72;
    Edit* Edit33;
    OfficeButton* OfficeButton55;
    OfficeButton* OfficeButton56;

private:
    void OfficeButton55Click();
};
