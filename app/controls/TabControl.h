// Tab row standing in for the designer's tab control; the pages' contents are separate
// widgets that the owner shows and hides on currentChanged.
#pragma once

#include <QStringList>
#include <QTabBar>

class TabControl : public QTabBar {
    Q_OBJECT
public:
    explicit TabControl(const QStringList& tabs = {}, QWidget* parent = nullptr);
};
