// "View icons as bitmaps.": whether the shell draws each bitmap file's own picture as its
// icon ("%1" as the default icon of Paint pictures) or Paint's ordinary icon. Both ways in
// read the current setting into the combo box.
#pragma once

#include "ComboBox.h"
#include "ListView.h"
#include "TweakPanel.h"

#include <QLabel>

class BitmapIconsPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit BitmapIconsPanel(TForm1& form);

    void open() override;

    // Previews of the two styles; the view preferences reach it by its name.
    ListView* ListView2;
    ComboBox* ComboBox1;
    QLabel* Label2;
    OfficeButton* OfficeButton1;
    OfficeButton* OfficeButton2;

private:
    void ListView2Click();
    void ListView2DblClick();
    void OfficeButton1Click();
};
