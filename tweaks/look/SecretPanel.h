// The hidden panel "You found a secret": a picture, a question and two answers. It writes
// nothing and has no OK or Cancel; it is left by opening another panel. Only the
// "Animation" entry of the "Look" list opens it, under the condition AnimationPanel
// checks.
#pragma once

#include "TweakPanel.h"

#include <QFrame>
#include <QLabel>

class SecretPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit SecretPanel(TForm1& form);

    QFrame* SecretFrame;
    QLabel* SecretPicture;
    QLabel* SecretQuestion;
    OfficeButton* OfficeButton43;
    OfficeButton* OfficeButton44;

private:
    void OfficeButton43Click();
    void OfficeButton44Click();
};
