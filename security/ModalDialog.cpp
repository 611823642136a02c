#include "ModalDialog.h"

#include "HandlerConnection.h"
#include "HelpViewer.h"
#include "Unit1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>

ModalDialog::ModalDialog(const QString& caption, int helpContext, QWidget* parent)
    : QDialog(parent), m_helpContext(helpContext)
{
    setWindowTitle(caption);
    // A title bar with no buttons: no close, minimise, maximise or context help.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    QFont designed(QStringLiteral("MS Sans Serif"));
    designed.setPointSize(8);
    designed.setStyleHint(QFont::SansSerif);
    setFont(designed);
    if (helpContext != 0)
        setProperty("HelpContext", helpContext);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connectHandler(help, &QShortcut::activated, this, [this] {
        if (TForm1::Form1)
            TForm1::Form1->helpViewer()->showContext(m_helpContext != 0 ? m_helpContext : 1);
    });
}

void ModalDialog::ShowModal()
{
    exec();
}

void ModalDialog::closeDialog()
{
    m_closingByButton = true;
    done(QDialog::Rejected);
}

void ModalDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_closingByButton = false;
    // Centred on the whole screen, not on the main window.
    QScreen* screen = TForm1::Form1 ? TForm1::Form1->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

void ModalDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ModalDialog::closeEvent(QCloseEvent* event)
{
    // A close from outside runs the dialog's Cancel first. The close itself then goes
    // through: a done() inside a close only ends the modal loop, the hiding is the
    // close's.
    if (!m_closingByButton && isVisible())
        reject();
    event->accept();
}

void ModalDialog::reject()
{
    if (m_closingByButton || !isVisible())
        return;
    try {
        cancel();
    } catch (const std::exception& error) {
        Application::showException(error);
    }
    // Whatever Cancel did, the dialog does not stay open after a close from outside.
    if (!m_closingByButton)
        closeDialog();
}
