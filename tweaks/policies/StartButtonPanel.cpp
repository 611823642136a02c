#include "StartButtonPanel.h"

#include "Edit.h"
#include "TRegistry.h"

#include <QVBoxLayout>

#include <string>
#include <utility>
#include <vector>

namespace {

struct VerbKey {
    std::string path; // from HKEY_CLASSES_ROOT
    std::vector<std::pair<std::string, std::string>> values; // name ("" = default), data
};

// Writes a verb back key by key, top to bottom, one accessor per key; values of the same
// names are overwritten, anything else under the verb stays.
void restoreVerb(const std::vector<VerbKey>& keys)
{
    for (const VerbKey& key : keys) {
        TRegistry registry;
        registry.RootKey = HKEY_CLASSES_ROOT;
        registry.LazyWrite = false;
        registry.OpenKey(key.path, true);
        for (const auto& [name, data] : key.values)
            registry.WriteString(name, data);
        registry.CloseKey();
    }
}

// Deletes `verb` under `parent` with everything below it; a missing verb is no error.
void removeVerb(const std::string& parent, const std::string& verb)
{
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.OpenKey(parent, true);
    registry.DeleteKey(verb);
    registry.CloseKey();
}

} // namespace

StartButtonPanel::StartButtonPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox36"),
                 QStringLiteral("Disable right click on Start button"))
{
    // The two labels read as one text: they stand in a column of their own without a gap.
    auto* text = new QWidget;
    auto* lines = new QVBoxLayout(text);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(0);
    CREATE(StartButtonLabel1,
           QStringLiteral("Here you can enable and/or disable the right click on the Start "
                          "button. Just select witch items you want to remove and then click the "
                          "OK button. To disable all, click the select all button and then click "
                          "the OK button. Note: this"));
    CREATE(StartButtonLabel2,
           QStringLiteral("will also disable the Windows-E combination and Windows-R combination "
                          "on the Windows 95 keyboard."));
    for (QLabel* line : {StartButtonLabel1, StartButtonLabel2}) {
        line->setWordWrap(true);
        lines->addWidget(line);
    }
    placeRow({text});
    PLACE(CheckBox58, QStringLiteral("Find"));
    PLACE(CheckBox59, QStringLiteral("Explore"));
    PLACE(CheckBox60, QStringLiteral("Open"));
    PLACE(OfficeButton64, QStringLiteral("Select All"));
    PLACE_OK_CANCEL(OfficeButton65, OfficeButton66);
    // This panel's buttons put no hint on the status line.
    disconnect(OfficeButton65, &OfficeButton::mouseMove, this, nullptr);
    disconnect(OfficeButton66, &OfficeButton::mouseMove, this, nullptr);

    CREATE(Edit37, QStringLiteral("[FindFolder(\"%l\", %I)]"));
    CREATE(Edit38, QStringLiteral("[ViewFolder(\"%l\", %I, %S)]"));
    CREATE(Edit39, QStringLiteral("[ExploreFolder(\"%l\", %I, %S)]"));
    for (Edit* hidden : {Edit37, Edit38, Edit39})
        hidden->hide();

    connectHandler(OfficeButton64, &OfficeButton::clicked, this,
                   &StartButtonPanel::OfficeButton64Click);
    connectHandler(OfficeButton65, &OfficeButton::clicked, this,
                   &StartButtonPanel::OfficeButton65Click);
}

void StartButtonPanel::open()
{
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.OpenKey("Directory\\shell", true);
    CheckBox58->setChecked(!registry.KeyExists("find"));
    registry.CloseKey();
    registry.OpenKey("Folder\\shell", true);
    CheckBox59->setChecked(!registry.KeyExists("explore"));
    registry.CloseKey();
    registry.OpenKey("Folder\\shell", true);
    CheckBox60->setChecked(!registry.KeyExists("Open"));
    registry.CloseKey();
    ShowPanel();
}

void StartButtonPanel::OfficeButton64Click()
{
    CheckBox58->setChecked(true);
    CheckBox59->setChecked(true);
    CheckBox60->setChecked(true);
}

void StartButtonPanel::OfficeButton65Click()
{
    const std::string findDde = Edit37->text().toStdString();
    const std::string exploreDde = Edit39->text().toStdString();
    const std::string openDde = Edit38->text().toStdString();

    if (CheckBox58->isChecked()) {
        // Key names compare without regard to case: this removes "find".
        removeVerb("Directory\\shell", "Find");
    } else {
        restoreVerb({
            {"Directory\\shell\\find", {{"", ""}}},
            {"Directory\\shell\\find\\command", {{"", "Explorer.exe"}}},
            {"Directory\\shell\\find\\ddeexec", {{"", findDde}, {"NoActivateHandler", ""}}},
            {"Directory\\shell\\find\\ddeexec\\application", {{"", "Folders"}}},
            {"Directory\\shell\\find\\ddeexec\\topic", {{"", "AppProperties"}}},
        });
    }

    if (CheckBox59->isChecked()) {
        removeVerb("Folder\\shell", "explore");
    } else {
        restoreVerb({
            {"Folder\\shell\\explore", {{"", ""}}},
            {"Folder\\shell\\explore\\command", {{"", "Explorer.exe /e,/idlist,%I,%L"}}},
            {"Folder\\shell\\explore\\ddeexec", {{"", exploreDde}, {"NoActivateHandler", ""}}},
            {"Folder\\shell\\explore\\ddeexec\\application", {{"", "Folders"}}},
            {"Folder\\shell\\explore\\ddeexec\\ifexec", {{"", "[]"}}},
            {"Folder\\shell\\explore\\ddeexec\\topic", {{"", "AppProperties"}}},
        });
    }

    if (CheckBox60->isChecked()) {
        // From the root, with no key open.
        TRegistry registry;
        registry.RootKey = HKEY_CLASSES_ROOT;
        registry.LazyWrite = false;
        registry.DeleteKey("Folder\\shell\\Open");
    } else {
        restoreVerb({
            {"Folder\\shell\\Open", {{"", ""}}},
            {"Folder\\shell\\Open\\command", {{"", "Explorer.exe /idlist,%I,%L"}}},
            {"Folder\\shell\\Open\\ddeexec", {{"", openDde}, {"NoActivateHandler", ""}}},
            {"Folder\\shell\\Open\\ddeexec\\application", {{"", "Folders"}}},
            {"Folder\\shell\\Open\\ddeexec\\ifexec", {{"", "[]"}}},
            {"Folder\\shell\\Open\\ddeexec\\topic", {{"", "AppProperties"}}},
        });
    }

    information(QStringLiteral("The settings are now saved"));
}
