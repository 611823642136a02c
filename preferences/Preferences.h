// The view preferences under the settings key HKEY_LOCAL_MACHINE\SOFTWARE\Korrelin
// ("Nice", "Save" with "Left" and "Top", "Auto", "Wrap") as the main window's create,
// show and destroy steps and the Options dialog use them.
//
// NOT BUILT YET: the preferences work fills these in. Until then nothing is read or
// written: the window opens at its designed place with flat toolbar buttons, no
// automatic arrangement and wrapped labels, and its position is not saved.
#pragma once

class TForm1;
class TRegistry;

class Preferences {
public:
    static constexpr const char* SettingsKey = "SOFTWARE\\Korrelin";

    // Create step: "Nice", "Save" (and "Left", "Top"), "Auto" in one accessor.
    static void readAtCreate(TForm1& form);
    // Show step, inside its accessor: "Wrap" first, "Auto" after the password values.
    static void applyWrapAtShow(TForm1& form, TRegistry& settings);
    static void applyAutoAtShow(TForm1& form, TRegistry& settings);
    // Destroy step: the window position when "Save" is "Yes".
    static void savePosition(TForm1& form);
    // "Auto", "Nice" and "Wrap" at once (after the Options dialog).
    static void applyViewOptions(TForm1& form);
    // The File menu's "&Options": the Options dialog flow.
    static void runOptionsDialog(TForm1& form);
};
