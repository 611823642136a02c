// A tweak panel of the main window that is built the first time it is used. Start-up
// then builds only what the window shows: a session opens a few of the 28 panels, and
// building them all took a good part of the start-up time.
#pragma once

class TForm1;
class TweakPanel;

// The side that does not know the panel's class, for lists of panels of several
// classes (a tweak list's entries, all panels).
class PanelSlot {
public:
    PanelSlot(const PanelSlot&) = delete;
    PanelSlot& operator=(const PanelSlot&) = delete;

    // The panel, built now if it was not yet.
    TweakPanel* panel();
    // The panel if it was built, without building it.
    TweakPanel* ifBuilt() const { return m_panel; }

protected:
    using Builder = TweakPanel* (*)(TForm1&);
    PanelSlot(TForm1& form, Builder build) : m_form(form), m_build(build) {}
    ~PanelSlot() = default;

private:
    TForm1& m_form;
    Builder m_build;
    // Owned by the main window's panel area, which deletes it with the window.
    TweakPanel* m_panel = nullptr;
};

// Constructed where Panel is a complete class: the constructor makes its builder.
template <class Panel>
class LazyPanel final : public PanelSlot {
public:
    explicit LazyPanel(TForm1& form)
        : PanelSlot(form, [](TForm1& owner) -> TweakPanel* { return new Panel(owner); })
    {
    }

    Panel* get() { return static_cast<Panel*>(panel()); }
    Panel* operator->() { return get(); }
    Panel& operator*() { return *get(); }
    Panel* ifBuilt() const { return static_cast<Panel*>(PanelSlot::ifBuilt()); }
};
