// "Popup menu speed": the delay in milliseconds before a menu pops up ("MenuShowDelay"),
// set with a track bar from 1 to 1000. Opening stores the default "400" when the value
// is missing; "Reset to default" only moves the thumb back to 400.
#pragma once

#include "TrackBar.h"
#include "TweakPanel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

class PopupMenuSpeedPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit PopupMenuSpeedPanel(TForm1& form);

    void open() override;

    QLabel* Label19;
    QLabel* Label20;
    TrackBar* TrackBar1;
    QLabel* Label22;
    QLabel* Label21;
    QGroupBox* GroupBox11;
    QCheckBox* CheckBox5;
    OfficeButton* OfficeButton18;
    OfficeButton* OfficeButton17;

    // The stored delay as the platform converts a text to an integer: blanks before an
    // optional sign, decimal digits or "$"/"0x" hexadecimal, within 32 bits. Anything else
    // throws "'%s' is not a valid integer value".
    static int toInteger(const QString& text);

private:
    void OfficeButton18Click();
    void TrackBar1Change();
    void CheckBox5Click();
};
