#include "ListBox.h"

ListBox::ListBox(QWidget* parent) : QListWidget(parent)
{
    setSortingEnabled(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
}
