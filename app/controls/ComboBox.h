// Drop-down list that shows a prompt while no item is chosen (currentIndex -1). It is not
// editable: apply acts on the chosen position only, never on typed text.
#pragma once

#include <QComboBox>
#include <QStringList>

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(const QString& prompt = QString(), const QStringList& items = {},
                      QWidget* parent = nullptr);

    // Adds items and keeps "no item chosen" if nothing was chosen before (QComboBox
    // would otherwise choose the first item added to an empty list).
    void setItems(const QStringList& items);
};
