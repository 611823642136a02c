// The status line: one text area across the whole width. text is the whole status text;
// setText replaces it, and it stays until the next setText.
#pragma once

#include <QStatusBar>

class QLabel;

class StatusBar : public QStatusBar {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    explicit StatusBar(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

private:
    QLabel* m_label;
};
