// The program's push button: flat, a caption with an '&' accelerator, an optional glyph,
// and a mouseMove() signal that the owner uses to put the button's hint on the status line.
#pragma once

#include <QToolButton>

class OfficeButton : public QToolButton {
    Q_OBJECT
public:
    explicit OfficeButton(const QString& caption = QString(), QWidget* parent = nullptr);

signals:
    // The mouse entered or moved over the button (the designer's OnMouseMove).
    void mouseMove();

protected:
    bool event(QEvent* event) override;
};
