// The password and its scope as the main window keeps them, and the steps of the main
// window that depend on them: the start-up check, the policies gate and the two Password
// menu entries.
//
// Both live under the settings key HKEY_LOCAL_MACHINE\SOFTWARE\Korrelin as strings:
// "Show" is the password exactly as typed, with the text "7153KoRu" standing for "no
// password set"; "Type" is its scope, "Normal" (asked at start-up), "Only" (asked before
// the policy tweaks) or "Not" (never asked). Settings stored by earlier versions use the
// same texts and keep working. The password is compared as an exact, case-sensitive
// text and is never written anywhere but "Show".
#pragma once

#include <QString>

class TRegistry;

class PasswordState {
public:
    static QString noPassword() { return QStringLiteral("7153KoRu"); }
    static QString granted() { return QStringLiteral("Ja"); }

    // "Show" as last read.
    QString StoredPassword;
    // "Type" as last read; "" until read.
    QString SecurityType;
    // "Ja" after a right answer in the policies prompt, else "".
    QString PolicyAccessGranted;

    // Show step, inside its accessor on the settings key: copies "Show" and "Type",
    // writing "7153KoRu" and "Normal" where they are missing. A "Type" written here is
    // not copied, so SecurityType stays "" for this run.
    void readAtShow(TRegistry& settings);
    // Show step, after the key is closed: whether the start-up prompt is due (a
    // password is set and its type is neither "Not" nor "Only"), and running it. A wrong
    // answer or Cancel there asks the program to end.
    bool startupPromptDue() const;
    void runStartupPrompt();
    // The gate before the "Policies" list: true lets the user through. Reads "Show" and
    // "Type" from the registry itself, not from the copies.
    bool policiesGate();
    // "&Set/Change Password": the dialog, modally (the caller reloads afterwards).
    void setChangePassword();
    // "&Change Security": the password prompt, then the Security dialog; reloads after.
    void changeSecurity();
    // ReloadPasswordState: reads "Show" and "Type" again.
    void reload();
};
