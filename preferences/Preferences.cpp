#include "Preferences.h"

// Placeholders until the preferences work lands; each says what it does not do yet.

void Preferences::readAtCreate(TForm1&)
{
    // Not built yet: "Nice", "Save", "Left", "Top" and "Auto" are neither read nor created.
}

void Preferences::applyWrapAtShow(TForm1&, TRegistry&)
{
    // Not built yet: "Wrap" is not read; labels stay wrapped.
}

void Preferences::applyAutoAtShow(TForm1&, TRegistry&)
{
    // Not built yet: "Auto" is not read.
}

void Preferences::savePosition(TForm1&)
{
    // Not built yet: the window position is not saved.
}

void Preferences::applyViewOptions(TForm1&)
{
    // Not built yet: nothing is read; the view stays as it is.
}

void Preferences::runOptionsDialog(TForm1&)
{
    // Not built yet: the Options dialog has no function.
}
