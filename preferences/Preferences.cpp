#include "Preferences.h"

#include "ListView.h"
#include "TRegistry.h"
#include "Unit1.h"
#include "Unit9.h"

#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>

namespace {

QString readText(TRegistry& registry, const char* name)
{
    return QString::fromStdString(registry.ReadString(name));
}

bool isYes(TRegistry& registry, const char* name)
{
    return readText(registry, name) == QLatin1String("Yes");
}

} // namespace

void Preferences::openSettings(TRegistry& registry)
{
    registry.RootKey = HKEY_LOCAL_MACHINE;
    registry.LazyWrite = false;
    registry.OpenKey(SettingsKey, true);
}

QList<ListView*> Preferences::lists(TForm1& form, bool withListView9)
{
    QList<ListView*> found;
    for (int number = 1; number <= 11; ++number) {
        if (number == 9 && !withListView9)
            continue;
        // The small lists live in tweak panels; a panel not built yet has none (it
        // adopts the view when it is built).
        if (auto* list = form.findChild<ListView*>(QStringLiteral("ListView%1").arg(number)))
            found << list;
    }
    return found;
}

QList<QToolButton*> Preferences::niceButtons(TForm1& form)
{
    // Exit, Help, "W" and "A"; the "E" button (ToolbarButton974) stays flat always.
    return {form.ToolbarButton978, form.ToolbarButton979, form.ToolbarButton9710,
            form.ToolbarButton9711};
}

void Preferences::setAutoArrange(TForm1& form)
{
    for (ListView* list : lists(form, false))
        list->setAutoArrange(true);
}

void Preferences::setFlat(TForm1& form, bool flat)
{
    for (QToolButton* button : niceButtons(form))
        button->setAutoRaise(flat);
}

void Preferences::setWrap(TForm1& form, bool wrap)
{
    for (ListView* list : lists(form, true))
        list->setWrapText(wrap);
}

void Preferences::adoptView(TForm1& form, QWidget& panel)
{
    // Every change reaches ListView1, and arrangement is only ever switched on.
    const ListView& model = *form.ListView1;
    for (ListView* list : panel.findChildren<ListView*>()) {
        if (model.autoArrange() && list->objectName() != QLatin1String("ListView9"))
            list->setAutoArrange(true);
        list->setWrapText(model.wrapText());
    }
}

void Preferences::readAtCreate(TForm1& form)
{
    TRegistry settings;
    openSettings(settings);
    if (settings.ValueExists("Nice")) {
        if (readText(settings, "Nice") == QLatin1String("No"))
            setFlat(form, false);
    } else {
        settings.WriteString("Nice", "Yes");
    }
    if (settings.ValueExists("Save")) {
        if (isYes(settings, "Save")) {
            // A "Left" or "Top" that is not a 32-bit integer raises here and the rest of
            // the create step is skipped.
            if (settings.ValueExists("Left"))
                form.move(settings.ReadInteger("Left"), form.y());
            if (settings.ValueExists("Top"))
                form.move(form.x(), settings.ReadInteger("Top"));
        }
    } else {
        // Restored from the next start on.
        settings.WriteString("Save", "Yes");
    }
    if (isYes(settings, "Auto"))
        setAutoArrange(form);
    settings.CloseKey();
}

void Preferences::applyWrapAtShow(TForm1& form, TRegistry& settings)
{
    if (readText(settings, "Wrap") == QLatin1String("No")) {
        setWrap(form, false);
        form.RelayoutTweakLists();
    }
}

void Preferences::applyAutoAtShow(TForm1& form, TRegistry& settings)
{
    if (isYes(settings, "Auto"))
        form.RelayoutTweakLists();
}

void Preferences::savePosition(TForm1& form)
{
    TRegistry settings;
    openSettings(settings);
    if (settings.ValueExists("Save")) {
        if (isYes(settings, "Save")) {
            settings.WriteInteger("Left", form.x());
            settings.WriteInteger("Top", form.y());
        } else {
            settings.WriteString("Save", "No");
        }
    }
    settings.CloseKey();
}

void Preferences::applyViewOptions(TForm1& form)
{
    {
        TRegistry settings;
        openSettings(settings);
        // "No" leaves arrangement as it is: switched on earlier in this run it stays on
        // until the next start.
        if (isYes(settings, "Auto"))
            setAutoArrange(form);
        setFlat(form, isYes(settings, "Nice"));
        if (readText(settings, "Wrap") == QLatin1String("No")) {
            setWrap(form, false);
            form.RelayoutTweakLists();
        } else {
            setWrap(form, true);
        }
        settings.CloseKey();
    }
    form.RelayoutTweakLists();
}

void Preferences::runOptionsDialog(TForm1& form)
{
    TForm9& options = *TForm9::Form9;
    {
        TRegistry settings;
        openSettings(settings);
        (isYes(settings, "Auto") ? options.RadioButton5 : options.RadioButton6)->setChecked(true);
        (isYes(settings, "Save") ? options.RadioButton1 : options.RadioButton2)->setChecked(true);
        (readText(settings, "Wrap") == QLatin1String("No") ? options.RadioButton8
                                                           : options.RadioButton7)
            ->setChecked(true);
        (isYes(settings, "Nice") ? options.RadioButton4 : options.RadioButton3)->setChecked(true);
        settings.CloseKey();
    }
    options.ShowModal();
    form.ApplyViewOptions();
    form.RelayoutTweakLists();
}

void Preferences::centreOnScreen(TForm1& form)
{
    QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = form.frameGeometry();
    frame.moveCenter(screen->geometry().center());
    form.move(frame.topLeft());
}
