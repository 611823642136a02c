#include "Application.h"

#include "Messages.h"

#include <QCoreApplication>

namespace {
bool terminateAsked = false;
}

void Application::requestTerminate()
{
    terminateAsked = true;
    // exit() ends every event loop that is running, the nested loops of open modal
    // dialogs included, so that a Cancel inside a dialog ends the program as well. A
    // request made before the main loop runs is kept in terminateAsked for main().
    if (QCoreApplication::instance())
        QCoreApplication::exit(0);
}

bool Application::terminateRequested()
{
    return terminateAsked;
}

void Application::resetTermination()
{
    terminateAsked = false;
}

void Application::showException(const std::exception& error)
{
    Messages::systemBox(title(), QString::fromUtf8(error.what()) + u'.', Messages::Icon::Error);
}
