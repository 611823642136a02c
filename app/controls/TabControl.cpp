#include "TabControl.h"

TabControl::TabControl(const QStringList& tabs, QWidget* parent) : QTabBar(parent)
{
    for (const QString& tab : tabs)
        addTab(tab);
    setExpanding(false);
}
