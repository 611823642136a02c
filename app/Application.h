// The application object: its title, termination, and the default exception handler
// that shows an exception escaping a handler and lets the program go on.
#pragma once

#include <QString>

#include <exception>

class Application {
public:
    static QString title() { return QStringLiteral("Korrelin"); }

    // Asks the program to end: the running event loops return, and a request made before
    // the main loop starts (the start-up password prompt) keeps it from running.
    static void requestTerminate();
    static bool terminateRequested();
    // Forgets a request, for tests that run the program's loop more than once in one
    // process.
    static void resetTermination();

    // The exception's text and a full stop, caption "Korrelin", error icon, one OK
    // button, through Messages (so the scenario player sees it).
    static void showException(const std::exception& error);
};
