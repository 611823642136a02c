// Every message box of the program goes through here, so that the scenario player can
// record it and close it at once instead of waiting for a user.
#pragma once

#include <QString>

#include <functional>

class QWidget;

class Messages {
public:
    enum class Icon { Information, Error };

    // A beep, then a modal box centred on the screen: caption "Information", information
    // icon, one OK button.
    static void information(const QString& text);
    // The same with caption "Error" and the error icon.
    static void error(const QString& text);
    // A plain system box without a beep (the home-page failure, the default exception
    // handler).
    static void systemBox(const QString& caption, const QString& text, Icon icon);

    // Installed by the scenario player: called instead of showing the box.
    using Hook = std::function<void(const QString& caption, const QString& text, Icon icon)>;
    static void setHook(Hook hook);
};
