#include "LazyPanel.h"

#include "TweakPanel.h"
#include "preferences/Preferences.h"

TweakPanel* PanelSlot::panel()
{
    if (!m_panel) {
        m_panel = m_build(m_form);
        Preferences::adoptView(m_form, *m_panel);
    }
    return m_panel;
}
