// The base of every tweak panel: a captioned group box in the main window's panel area,
// hidden until opened, whose controls are laid out top to bottom in the order they are
// placed, with the O&K / C&ancel pair at the bottom.
//
// How a panel is written (the class owns its designer-named controls and handlers):
//
//     class AnimationPanel : public TweakPanel {
//         Q_OBJECT
//     public:
//         explicit AnimationPanel(TForm1& form);
//         void open() override;              // both ways in: list and Actions menu
//
//         ComboBox* ComboBox2;
//         QLabel* Label3;
//         OfficeButton* OfficeButton5;
//         OfficeButton* OfficeButton6;
//
//     private:
//         void OfficeButton5Click();         // apply
//     };
//
//     AnimationPanel::AnimationPanel(TForm1& form)
//         : TweakPanel(form, "GroupBox5", "Remove Shrink and Grow animation")
//     {
//         PLACE(ComboBox2, "Select Animation style", QStringList{"No Animation", "Animate"});
//         PLACE(Label3, "When you activate this option ...");
//         PLACE_OK_CANCEL(OfficeButton5, OfficeButton6);
//         connectHandler(OfficeButton5, &OfficeButton::clicked, this,
//                        &AnimationPanel::OfficeButton5Click);
//     }
//
//     void AnimationPanel::open()
//     {
//         TRegistry registry;                // reads first: an error leaves the old panel
//         ...
//         ShowPanel();
//     }
//
// and in TForm1 (Unit1.h / Unit1.cpp): the member `LazyPanel<AnimationPanel> GroupBox5`,
// which builds the panel when it is first used, named in buildAllPanels(), in the list
// dispatch and in the Actions-menu handler.
//
// PLACE(member, args...) creates the control with `new Type(args...)`, names it after the
// member (so the objectName is always the designer name), and appends it to the layout.
// Labels wrap. PLACE_ROW places several controls side by side (an edit and its Browse
// button). Other hint-bearing buttons use setHint().
#pragma once

#include "HandlerConnection.h"
#include "OfficeButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QString>

#include <initializer_list>
#include <type_traits>

class QBoxLayout;
class QHBoxLayout;
class QVBoxLayout;
class TForm1;

class TweakPanel : public QGroupBox {
    Q_OBJECT
public:
    // The panel area of the main window; "top 52 or 53, 257 x 342 or 341" in the design,
    // one place for all here.
    static QRect designedPlace() { return {264, 52, 257, 342}; }

    static QString okHint() { return QStringLiteral("Save the settings to the registry"); }
    static QString cancelHint()
    {
        return QStringLiteral("Exit Korrelin without saving. The options you already have "
                              "saved will remain saved.");
    }

    TweakPanel(TForm1& form, const QString& groupBoxName, const QString& caption);

    // The two ways in. Both run open() unless the panel's tweak reads differently on one
    // of them. A registry error thrown before ShowPanel() leaves the shown panel as it was.
    virtual void openFromList() { open(); }
    virtual void openFromMenu() { open(); }
    // Default: no reads, just show the panel.
    virtual void open() { ShowPanel(); }

    // HideAllPanels, then this one.
    void ShowPanel();

    TForm1& form() const { return m_form; }

    // Beep and the modal "Information" box.
    static void information(const QString& text);

protected:
    // Creates a control, names it, and appends it to the panel's column.
    template <typename Control, typename... Args>
    Control* place(const char* name, Args&&... args)
    {
        auto* control = new Control(std::forward<Args>(args)...);
        control->setObjectName(QString::fromLatin1(name));
        if constexpr (std::is_base_of_v<QLabel, Control>)
            control->setWordWrap(true);
        appendToColumn(control);
        return control;
    }

    // Controls side by side in one line of the column (created before with create()).
    void placeRow(std::initializer_list<QWidget*> controls);

    // Creates a control and names it without placing it (for placeRow, or for a control
    // the panel positions itself).
    template <typename Control, typename... Args>
    Control* create(const char* name, Args&&... args)
    {
        auto* control = new Control(std::forward<Args>(args)...);
        control->setObjectName(QString::fromLatin1(name));
        control->setParent(this);
        return control;
    }

    // The bottom pair: okButton on the left ("O&K" unless another caption is given),
    // cancelButton ("C&ancel") on the right. Both get the common hints; Cancel ends the
    // program. The panel connects OK to its apply.
    void placeOkCancel(OfficeButton*& okButton, const char* okName, OfficeButton*& cancelButton,
                       const char* cancelName, const QString& okCaption = QStringLiteral("O&K"));

    // The status-line hint of a button while the mouse moves over it.
    void setHint(OfficeButton* button, const QString& hint);

    // Room that stretches, so that the controls above it keep their natural heights and
    // the buttons stay at the bottom.
    void addStretch();

private:
    // Every Cancel of a tweak panel: the program ends, nothing of the panel is written.
    void CancelClick();
    void appendToColumn(QWidget* control);
    int insertionPoint() const;

    TForm1& m_form;
    QVBoxLayout* m_column;
    QHBoxLayout* m_buttons = nullptr;
};

#define PLACE(member, ...) \
    member = place<std::remove_pointer_t<decltype(member)>>(#member __VA_OPT__(, ) __VA_ARGS__)
#define CREATE(member, ...) \
    member = create<std::remove_pointer_t<decltype(member)>>(#member __VA_OPT__(, ) __VA_ARGS__)
#define PLACE_OK_CANCEL(ok, cancel, ...) \
    placeOkCancel(ok, #ok, cancel, #cancel __VA_OPT__(, ) __VA_ARGS__)
