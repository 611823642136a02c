#include "SoundEventsPanel.h"

#include "KeyNameCheck.h"
#include "TRegistry.h"

#include <QGridLayout>
#include <QScopedValueRollback>

namespace {

const std::string AppsKey = "AppEvents\\Schemes\\Apps\\";

} // namespace

SoundEventsPanel::SoundEventsPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox14"), QStringLiteral("Add sound events"))
{
    PLACE(Label30, QStringLiteral(
        "Here you can add sound events to a speciel program. Just write the program name in "
        "the edit box like this: winword"));
    PLACE(Label32, QStringLiteral(
        "Note that you just have to type the name of the program and not the extension. You "
        "don't have to type winword.exe. When you done that just check the events you want "
        "to add and click the OK button. Then you can go in to the Control panel and select "
        "Sounds"));
    PLACE(Label33, QStringLiteral("and chose what sounds you want to have."));
    CREATE(Label34, QStringLiteral("Program:"));
    CREATE(Edit10);
    placeRow({Label34, Edit10});

    PLACE(GroupBox15, QStringLiteral("Events:"));
    CREATE(CheckBox7, QStringLiteral("Close"));
    CREATE(CheckBox9, QStringLiteral("Maximize"));
    CREATE(CheckBox11, QStringLiteral("Restore Down"));
    CREATE(CheckBox8, QStringLiteral("Open"));
    CREATE(CheckBox10, QStringLiteral("Restore up"));
    CREATE(CheckBox12, QStringLiteral("MenuCommand"));
    CREATE(CheckBox13, QStringLiteral("System Asterisk"));
    CREATE(CheckBox16, QStringLiteral("Exclamination"));
    CREATE(CheckBox14, QStringLiteral("Menu Popup"));
    CREATE(CheckBox17, QStringLiteral("System Question"));
    CREATE(CheckBox15, QStringLiteral("Minimize"));
    auto* grid = new QGridLayout(GroupBox15);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);
    grid->addWidget(CheckBox7, 0, 0);
    grid->addWidget(CheckBox9, 0, 1);
    grid->addWidget(CheckBox11, 0, 2);
    grid->addWidget(CheckBox8, 1, 0);
    grid->addWidget(CheckBox10, 1, 1);
    grid->addWidget(CheckBox12, 1, 2);
    grid->addWidget(CheckBox13, 2, 0, 1, 2);
    grid->addWidget(CheckBox16, 2, 2);
    grid->addWidget(CheckBox14, 3, 0, 1, 2);
    grid->addWidget(CheckBox17, 3, 2);
    grid->addWidget(CheckBox15, 4, 0);

    PLACE(CheckBox18, QStringLiteral("Delete Program"));

    // The texts, a row for the name and eleven boxes in three columns are more than the
    // panel holds at the usual size: the long labels and the event boxes use a smaller
    // font, so that nothing is cut off or shortened.
    const auto scaled = [this](double factor) {
        QFont smaller = font();
        if (smaller.pointSizeF() > 0)
            smaller.setPointSizeF(smaller.pointSizeF() * factor);
        else
            smaller.setPixelSize(static_cast<int>(smaller.pixelSize() * factor));
        return smaller;
    };
    for (QWidget* text : {Label30, Label32, Label33})
        text->setFont(scaled(0.75));
    // "Restore Down", "MenuCommand" and "System Question" share the third column.
    for (const auto& [box, eventKey] : events())
        box->setFont(scaled(0.72));
    layout()->setSpacing(4);

    PLACE_OK_CANCEL(OfficeButton23, OfficeButton24);
    connectHandler(OfficeButton23, &OfficeButton::clicked, this,
                   &SoundEventsPanel::OfficeButton23Click);
    for (const auto& [box, eventKey] : events())
        connectHandler(box, &QCheckBox::toggled, this, &SoundEventsPanel::EventBoxClick);
    connectHandler(CheckBox18, &QCheckBox::toggled, this, &SoundEventsPanel::CheckBox18Click);
}

std::array<std::pair<QCheckBox*, const char*>, 11> SoundEventsPanel::events() const
{
    return {{{CheckBox7, "Close"},
             {CheckBox9, "Maximize"},
             {CheckBox11, "RestoreDown"},
             {CheckBox8, "Open"},
             {CheckBox10, "RestoreUp"},
             {CheckBox12, "MenuCommand"},
             {CheckBox13, "SystemAsterisk"},
             {CheckBox16, "SystemExclamation"},
             {CheckBox14, "MenuPopup"},
             {CheckBox17, "SystemQuestion"},
             {CheckBox15, "Minimize"}}};
}

void SoundEventsPanel::EventBoxClick()
{
    if (m_excluding)
        return;
    // The clicked box keeps the state the click gave it, checked or not.
    QScopedValueRollback<bool> excluding(m_excluding, true);
    CheckBox18->setChecked(false);
}

void SoundEventsPanel::CheckBox18Click()
{
    if (m_excluding)
        return;
    QScopedValueRollback<bool> excluding(m_excluding, true);
    for (const auto& [box, eventKey] : events())
        box->setChecked(false);
}

void SoundEventsPanel::OfficeButton23Click()
{
    const QString program = Edit10->text();
    if (!KeyNameCheck::accept(program))
        return;
    if (CheckBox18->isChecked() && !program.isEmpty()) {
        TRegistry registry;
        registry.RootKey = HKEY_CURRENT_USER;
        registry.LazyWrite = false;
        registry.DeleteKey(AppsKey + program.toStdString());
        registry.CloseKey();
        information(program + QStringLiteral(" is now removed"));
        return;
    }
    // An empty name would name "AppEvents\Schemes\Apps" itself.
    if (program.isEmpty())
        return;
    // One accessor per event, in the table's order. A key the store refuses to create (a
    // name too long for a key, a store held by Wine) is reported rather than passed over:
    // "saved" must not follow when nothing was saved.
    for (const auto& [box, eventKey] : events()) {
        if (!box->isChecked())
            continue;
        const std::string key = AppsKey + program.toStdString() + "\\" + eventKey;
        TRegistry registry;
        registry.RootKey = HKEY_CURRENT_USER;
        registry.LazyWrite = false;
        if (!registry.OpenKey(key, true))
            throw RegistryError("Failed to create key " + key);
        registry.CloseKey();
    }
    information(QStringLiteral("The settings is now saved"));
}
