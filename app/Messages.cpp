#include "Messages.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace {

Messages::Hook& hook()
{
    static Messages::Hook installed;
    return installed;
}

void showBox(const QString& caption, const QString& text, Messages::Icon icon)
{
    if (hook()) {
        hook()(caption, text, icon);
        return;
    }
    QMessageBox box(icon == Messages::Icon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    caption, text, QMessageBox::NoButton);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.setWindowModality(Qt::ApplicationModal);
    // Centred on the screen, not on whichever window happens to be active.
    box.adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        box.move(screen->availableGeometry().center() - box.rect().center());
    box.exec();
}

} // namespace

void Messages::information(const QString& text)
{
    QApplication::beep();
    showBox(QStringLiteral("Information"), text, Icon::Information);
}

void Messages::error(const QString& text)
{
    QApplication::beep();
    showBox(QStringLiteral("Error"), text, Icon::Error);
}

void Messages::systemBox(const QString& caption, const QString& text, Icon icon)
{
    showBox(caption, text, icon);
}

void Messages::setHook(Hook newHook)
{
    hook() = std::move(newHook);
}
