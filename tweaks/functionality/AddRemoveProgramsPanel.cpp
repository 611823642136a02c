#include "AddRemoveProgramsPanel.h"

#include "TRegistry.h"

#include <QListWidgetItem>

#include <string>
#include <vector>

namespace {

const std::string UninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// An entry ordered as a Windows list box orders it: alphabetically without regard to case
// (QListWidget's own order puts every capital before every small letter).
class UninstallEntry : public QListWidgetItem {
public:
    explicit UninstallEntry(const QString& name) : QListWidgetItem(name) {}

    bool operator<(const QListWidgetItem& other) const override
    {
        const int order = text().compare(other.text(), Qt::CaseInsensitive);
        return order != 0 ? order < 0 : text() < other.text();
    }
};

} // namespace

AddRemoveProgramsPanel::AddRemoveProgramsPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox12"), QStringLiteral("Add/Remove Programs"))
{
    PLACE(Label23, QStringLiteral(
        "When you delete a program and then you realize that you coud uninstall it from the "
        "Add/Remove Programs in the Control panel. Then you can't get it from the list, but "
        "now you can, just select witch item you want to remove and click the delete "
        "button."));
    PLACE(ListBox1);

    PLACE_OK_CANCEL(OfficeButton20, OfficeButton21, QStringLiteral("D&elete"));
    // The common OK hint does not fit a button that deletes: it gives way to its own.
    QObject::disconnect(OfficeButton20, &OfficeButton::mouseMove, this, nullptr);
    setHint(OfficeButton20, QStringLiteral("Delete the selected item"));
    OfficeButton20->setEnabled(false);
    connectHandler(OfficeButton20, &OfficeButton::clicked, this,
                   &AddRemoveProgramsPanel::OfficeButton20Click);
    connectHandler(ListBox1, &ListBox::itemSelectionChanged, this,
                   &AddRemoveProgramsPanel::ListBox1SelectionChange);
}

void AddRemoveProgramsPanel::fillList(TRegistry& registry)
{
    std::vector<std::string> names;
    registry.GetKeyNames(names);
    ListBox1->clear();
    for (const std::string& name : names)
        ListBox1->addItem(new UninstallEntry(QString::fromStdString(name)));
    ListBox1SelectionChange();
}

void AddRemoveProgramsPanel::open()
{
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    registry.LazyWrite = false;
    // Opening only looks: a system without the list keeps having none.
    registry.OpenKey(UninstallKey, false);
    fillList(registry);
    registry.CloseKey();
    ShowPanel();
}

void AddRemoveProgramsPanel::ListBox1SelectionChange()
{
    OfficeButton20->setEnabled(!ListBox1->selectedItems().isEmpty());
}

void AddRemoveProgramsPanel::OfficeButton20Click()
{
    // With no entry selected the button is disabled; nothing to delete either way.
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    const QString name = selected.first()->text();
    {
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        registry.LazyWrite = false;
        registry.OpenKey(UninstallKey, true);
        // Relative to the open key, with everything below the entry.
        registry.DeleteKey(name.toStdString());
        registry.CloseKey();
    }
    information(QStringLiteral("You have now removed ") + name);

    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    registry.LazyWrite = false;
    registry.OpenKey(UninstallKey, true);
    fillList(registry);
    registry.CloseKey();
}
