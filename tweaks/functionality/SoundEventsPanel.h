// "Add sound events": a program's own set of sound events under
// "AppEvents\Schemes\Apps\<program>", which the Control Panel's Sounds applet lists so that
// sounds can be given to them there; or the removal of the whole set. Only empty keys are
// created: no sound is assigned here. The registry is never read into this panel.
#pragma once

#include "Edit.h"
#include "TweakPanel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

#include <array>
#include <utility>

class SoundEventsPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit SoundEventsPanel(TForm1& form);

    QLabel* Label30;
    QLabel* Label32;
    QLabel* Label33;
    QLabel* Label34;
    Edit* Edit10;
    QGroupBox* GroupBox15;
    QCheckBox* CheckBox7;
    QCheckBox* CheckBox9;
    QCheckBox* CheckBox11;
    QCheckBox* CheckBox8;
    QCheckBox* CheckBox10;
    QCheckBox* CheckBox12;
    QCheckBox* CheckBox13;
    QCheckBox* CheckBox16;
    QCheckBox* CheckBox14;
    QCheckBox* CheckBox17;
    QCheckBox* CheckBox15;
    QCheckBox* CheckBox18;
    OfficeButton* OfficeButton23;
    OfficeButton* OfficeButton24;

private:
    // The event boxes with their event keys, in the order apply creates the keys.
    std::array<std::pair<QCheckBox*, const char*>, 11> events() const;

    // CheckBox7Click to CheckBox17Click: every event box reacts alike.
    void EventBoxClick();
    void CheckBox18Click();
    void OfficeButton23Click();

    // Set while one of the two rules unchecks boxes: that unchecking is no click of its
    // own, so it must not set off the other rule in turn.
    bool m_excluding = false;
};
