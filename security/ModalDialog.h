// What the program's dialogs (TForm5 to TForm9) share: a fixed client size, a title bar
// without buttons, the designed font, centred on the screen each time it is shown, run
// modally over the main window, and F1 opening the dialog's help context.
//
// Only the dialog's own buttons end it. Escape does nothing, as no button of these
// dialogs answers it. A close that does not come from a button (the window manager's
// close, Alt+F4) runs the dialog's Cancel: otherwise closing the start-up password
// prompt would let the user in without the password.
#pragma once

#include <QDialog>

class ModalDialog : public QDialog {
    Q_OBJECT
public:
    // helpContext 0: F1 falls back to the main window's help.
    ModalDialog(const QString& caption, int helpContext, QWidget* parent);

    // Shows the dialog modally and returns when one of its buttons closed it.
    void ShowModal();

protected:
    // What the dialog's Cancel button does; also run for a close from outside.
    virtual void cancel() = 0;
    // Hides the dialog and ends ShowModal (the buttons' way out).
    void closeDialog();

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    int m_helpContext;
    bool m_closingByButton = false;
};
