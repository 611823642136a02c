// Opens the home page and starts an e-mail through the desktop, reporting whether that
// worked.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class GoToWeb : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool openUrl(const QString& url);
    bool sendMail(const QString& address);

    // Installed by the scenario player: the answer for the next attempt ("web" or "mail").
    using Hook = std::function<bool(const QString& kind, const QString& target)>;
    static void setHook(Hook hook);
};
