#include "PasswordState.h"

// Placeholders that keep the program usable without a password until the password work
// lands; each says what it does not do yet.

void PasswordState::readAtShow(TRegistry&)
{
    // Not built yet: "Show" and "Type" are neither read nor created.
}

bool PasswordState::startupPromptDue() const
{
    return false; // not built yet: no password is known, so none is asked
}

void PasswordState::runStartupPrompt()
{
    // Not built yet: there is no start-up prompt.
}

bool PasswordState::policiesGate()
{
    return true; // not built yet: the policy tweaks are not guarded
}

void PasswordState::setChangePassword()
{
    // Not built yet: the Set/Change Password dialog has no function.
}

void PasswordState::changeSecurity()
{
    // Not built yet: the Security dialog has no function.
}

void PasswordState::reload()
{
    // Not built yet: nothing is read.
}
