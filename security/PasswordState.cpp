#include "PasswordState.h"

#include "Messages.h"
#include "PasswordDialogs.h"
#include "TRegistry.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"

namespace {

QString readText(TRegistry& registry, const char* name)
{
    return QString::fromStdString(registry.ReadString(name));
}

} // namespace

void PasswordState::readAtShow(TRegistry& settings)
{
    if (settings.ValueExists("Show"))
        StoredPassword = readText(settings, "Show");
    else
        settings.WriteString("Show", noPassword().toStdString());
    // Read again so that a value just written is copied too.
    StoredPassword = readText(settings, "Show");
    if (settings.ValueExists("Type"))
        SecurityType = readText(settings, "Type");
    else
        settings.WriteString("Type", "Normal");
}

bool PasswordState::startupPromptDue() const
{
    if (StoredPassword == noPassword())
        return false;
    // "Normal", and also a missing or unknown type, ask at start-up.
    return SecurityType != QLatin1String("Not") && SecurityType != QLatin1String("Only");
}

void PasswordState::runStartupPrompt()
{
    TForm6::Form6->ShowModal();
}

bool PasswordState::policiesGate()
{
    TRegistry registry;
    PasswordDialogs::openSettings(registry);
    bool through = true;
    if (readText(registry, "Show") == noPassword()) {
        through = true;
    } else if (readText(registry, "Type") == QLatin1String("Only")) {
        TForm7::Form7->ShowModal();
        through = PolicyAccessGranted == granted();
        if (through)
            PolicyAccessGranted.clear();
    }
    registry.CloseKey();
    return through;
}

void PasswordState::setChangePassword()
{
    TForm5::Form5->ShowModal();
}

void PasswordState::changeSecurity()
{
    {
        TRegistry registry;
        PasswordDialogs::openSettings(registry);
        if (readText(registry, "Show") == noPassword()) {
            Messages::information(
                QStringLiteral("You have to specify a password before you can change the Security Type"));
        } else {
            // Asked whatever the type: "Not" keeps the password for exactly this.
            TForm7::Form7->ShowModal();
            if (PolicyAccessGranted == granted())
                TForm8::Form8->ShowModal();
            PolicyAccessGranted.clear();
        }
        registry.CloseKey();
    }
    reload();
}

void PasswordState::reload()
{
    TRegistry registry;
    PasswordDialogs::openSettings(registry);
    StoredPassword = readText(registry, "Show");
    SecurityType = readText(registry, "Type");
    registry.CloseKey();
}
