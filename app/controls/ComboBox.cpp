#include "ComboBox.h"

ComboBox::ComboBox(const QString& prompt, const QStringList& items, QWidget* parent)
    : QComboBox(parent)
{
    setEditable(false);
    setPlaceholderText(prompt);
    setItems(items);
}

void ComboBox::setItems(const QStringList& items)
{
    const int chosen = currentIndex();
    clear();
    addItems(items);
    setCurrentIndex(chosen < count() ? chosen : -1);
}
