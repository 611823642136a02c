// Single-line edit box that reports a mouse press as clicked(), for the designer's
// "click into an edit" handlers (keyboard focus alone does not count).
#pragma once

#include <QLineEdit>

class Edit : public QLineEdit {
    Q_OBJECT
public:
    explicit Edit(const QString& text = QString(), QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
