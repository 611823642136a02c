// The view preferences under the settings key HKEY_LOCAL_MACHINE\SOFTWARE\Korrelin as the
// main window's create, show and destroy steps and the Options dialog use them:
//   "Nice"  string  "Yes": flat toolbar buttons (Exit, Help, "W", "A"; "E" is always
//                   flat). The create step makes them normal only for "No",
//                   ApplyViewOptions makes them flat only for "Yes".
//   "Save"  string  "Yes": the window position is restored at start and saved at exit.
//   "Left", "Top"   32-bit integers: the main window's outer top-left corner.
//   "Auto"  string  "Yes": automatic icon arrangement for ListView1 to ListView8,
//                   ListView10 and ListView11 (never ListView9).
//   "Wrap"  string  "No": icon labels of all eleven lists are not wrapped.
// Texts are compared exactly and case-sensitively. "Nice" and "Save" are created as
// "Yes" at the first start; the others are written only by the Options dialog and the
// position save.
#pragma once

#include <QList>

class ListView;
class QToolButton;
class QWidget;
class TForm1;
class TRegistry;

class Preferences {
public:
    static constexpr const char* SettingsKey = "SOFTWARE\\Korrelin";
    // The main window's designed place, where "Reset Position" puts it.
    static constexpr int DesignedLeft = 69;
    static constexpr int DesignedTop = 6;

    // Create step: "Nice", "Save" (and "Left", "Top"), "Auto" in one accessor.
    static void readAtCreate(TForm1& form);
    // Show step, inside its accessor: "Wrap" first, "Auto" after the password values.
    static void applyWrapAtShow(TForm1& form, TRegistry& settings);
    static void applyAutoAtShow(TForm1& form, TRegistry& settings);
    // Destroy step: the window position when "Save" is "Yes"; any other "Save" text is
    // rewritten as "No".
    static void savePosition(TForm1& form);
    // ApplyViewOptions: "Auto", "Nice" and "Wrap" at once (after the Options dialog).
    static void applyViewOptions(TForm1& form);
    // The File menu's "&Options": the Options dialog flow.
    static void runOptionsDialog(TForm1& form);

    // Moves the main window to the centre of its screen ("Center Position").
    static void centreOnScreen(TForm1& form);
    // A tweak panel built after the window (on first use): its lists take the state the
    // preferences have given the window's lists so far, as if it had been built with them.
    static void adoptView(TForm1& form, QWidget& panel);

private:
    static void openSettings(TRegistry& registry);
    // The lists a preference acts on, those that exist: "Auto" leaves out ListView9.
    static QList<ListView*> lists(TForm1& form, bool withListView9);
    static QList<QToolButton*> niceButtons(TForm1& form);
    static void setAutoArrange(TForm1& form);
    static void setFlat(TForm1& form, bool flat);
    static void setWrap(TForm1& form, bool wrap);
};
