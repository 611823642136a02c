#include "GoToWeb.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

GoToWeb::Hook& hook()
{
    static GoToWeb::Hook installed;
    return installed;
}

} // namespace

bool GoToWeb::openUrl(const QString& url)
{
    if (hook())
        return hook()(QStringLiteral("web"), url);
    // The desktop's browser decides the window size; Qt offers no "maximised" request.
    return QDesktopServices::openUrl(QUrl(url));
}

bool GoToWeb::sendMail(const QString& address)
{
    if (hook())
        return hook()(QStringLiteral("mail"), address);
    QUrl mail;
    mail.setScheme(QStringLiteral("mailto"));
    mail.setPath(address);
    return QDesktopServices::openUrl(mail);
}

void GoToWeb::setHook(Hook newHook)
{
    hook() = std::move(newHook);
}
