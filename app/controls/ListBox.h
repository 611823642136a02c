// Sorted single-column list of texts.
#pragma once

#include <QListWidget>

class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
};
