// The password and its scope as the main window keeps them, and the steps of the main
// window that depend on them: the start-up check, the policies gate and the two Password
// menu entries.
//
// NOT BUILT YET: the password work fills these in. Until then no password is ever read,
// written or asked for: the start-up check never prompts, the policies gate lets the
// user through, and the two menu entries do nothing.
#pragma once

#include <QString>

class TRegistry;

class PasswordState {
public:
    // "Show" as last read.
    QString StoredPassword;
    // "Type" as last read; "" until read.
    QString SecurityType;
    // "Ja" after a right answer in the policies prompt, else "".
    QString PolicyAccessGranted;

    // Show step, inside its accessor on the settings key: read or create "Show" and
    // "Type". Not built yet: reads and writes nothing.
    void readAtShow(TRegistry& settings);
    // Show step, after the key is closed: whether the start-up prompt is due, and
    // running it. Not built yet: never due.
    bool startupPromptDue() const;
    void runStartupPrompt();
    // The gate before the "Policies" list. Not built yet: always lets the user through.
    bool policiesGate();
    // "&Set/Change Password" and "&Change Security". Not built yet: do nothing.
    void setChangePassword();
    void changeSecurity();
    // Reads "Show" and "Type" again. Not built yet: reads nothing.
    void reload();
};
