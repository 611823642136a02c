#include "KeyNameCheck.h"

#include "TweakPanel.h"

bool KeyNameCheck::accept(const QString& name)
{
    if (!name.contains(QLatin1Char('\\')))
        return true;
    TweakPanel::information(backslashMessage());
    return false;
}
