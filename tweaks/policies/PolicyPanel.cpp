#include "PolicyPanel.h"

#include "TRegistry.h"

#include <QVBoxLayout>

#include <string>

namespace {

const std::string PoliciesKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\";

} // namespace

PolicyPanel::PolicyPanel(TForm1& form, const QString& groupBoxName, const QString& caption,
                         const char* labelName, const QString& explanation)
    : TweakPanel(form, groupBoxName, caption)
{
    place<QLabel>(labelName, explanation);
    // The boxes stand close together, as a list: the longest panel holds thirteen of them
    // under a three-line label in the fixed panel height.
    auto* boxes = new QWidget;
    m_boxes = new QVBoxLayout(boxes);
    m_boxes->setContentsMargins(0, 0, 0, 0);
    m_boxes->setSpacing(0);
    placeRow({boxes});
}

QCheckBox* PolicyPanel::addBox(const char* name, const QString& caption)
{
    auto* box = create<QCheckBox>(name, caption);
    // A check box's caption does not wrap: one wider than the panel's column gets a
    // smaller font, so that the whole caption shows.
    const int room = designedPlace().width() - 20;
    QFont font = box->font();
    while (box->sizeHint().width() > room && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        box->setFont(font);
    }
    m_boxes->addWidget(box);
    return box;
}

QLabel* PolicyPanel::addNote(const char* name, const QString& text)
{
    auto* note = create<QLabel>(name, text);
    // Indented a little, so that it reads as belonging to the box above.
    note->setIndent(22);
    m_boxes->addWidget(note);
    return note;
}

void PolicyPanel::open()
{
    for (const Access& access : m_accesses) {
        TRegistry registry;
        registry.RootKey = HKEY_CURRENT_USER;
        registry.LazyWrite = false;
        for (const Key& key : access) {
            // Creation allowed: opening the panel leaves the policy key in place, empty.
            registry.OpenKey(PoliciesKey + key.name, true);
            for (const Row& row : key.rows)
                row.box->setChecked(registry.ValueExists(row.valueName)
                                    && registry.ReadInteger(row.valueName) != 0);
            registry.CloseKey();
        }
    }
    ShowPanel();
}

void PolicyPanel::apply()
{
    for (const Access& access : m_accesses) {
        TRegistry registry;
        registry.RootKey = HKEY_CURRENT_USER;
        registry.LazyWrite = false;
        for (const Key& key : access) {
            registry.OpenKey(PoliciesKey + key.name, true);
            for (const Row& row : key.rows) {
                if (row.box->isChecked())
                    registry.WriteInteger(row.valueName, row.checkedValue);
                else if (registry.ValueExists(row.valueName))
                    registry.DeleteValue(row.valueName);
            }
            registry.CloseKey();
        }
    }
    information(restartMessage());
}
