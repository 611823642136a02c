// The panels of user policies: check boxes, each bound to one REG_DWORD value in one of
// the current user's policy keys. A present value that is not 0 means the restriction is
// on; switching it off deletes the value, so the program never writes 0.
//
// A panel states its bindings once, as a table of accessors, each reading and writing
// one or more policy keys with their rows in the panel's order; open and apply walk that
// same table, so the order of reads and writes is the order of the boxes.
#pragma once

#include "TweakPanel.h"

#include <QCheckBox>

#include <cstdint>
#include <vector>

class QVBoxLayout;

class PolicyPanel : public TweakPanel {
    Q_OBJECT
public:
    // Reads every bound value into its box, then shows the panel. A value of another
    // type than REG_DWORD raises the accessor's read error: the boxes read before it keep
    // their new state and the panel is not shown.
    void open() override;

    static QString restartMessage()
    {
        return QStringLiteral("You have to restart your computer to make the changes take effect");
    }

protected:
    // One policy value: written as `checkedValue` when the box is checked, deleted when
    // it is cleared.
    struct Row {
        QCheckBox* box;
        const char* valueName;
        int32_t checkedValue = 1;
    };
    // The rows of one policy key; `name` is the last part of the key
    // ("Explorer", "System", "Network", "WinOldApp").
    struct Key {
        const char* name;
        std::vector<Row> rows;
    };
    // The keys handled by one registry accessor, in order.
    using Access = std::vector<Key>;

    PolicyPanel(TForm1& form, const QString& groupBoxName, const QString& caption,
                const char* labelName, const QString& explanation);

    // A check box in the panel's column of boxes, unchecked.
    QCheckBox* addBox(const char* name, const QString& caption);
    // A label in the column of boxes, under the box placed last (a note on that box).
    QLabel* addNote(const char* name, const QString& text);
    void bind(std::vector<Access> accesses) { m_accesses = std::move(accesses); }

    // OK: writes or deletes every bound value, then the restart message. A write the
    // store refuses stops here with the accessor's write error and no message.
    void apply();

private:
    QVBoxLayout* m_boxes;
    std::vector<Access> m_accesses;
};

#define POLICY_BOX(member, caption) member = addBox(#member, caption)
