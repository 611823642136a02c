// TForm7, "Password": asks for the password before the policy tweaks and before a change
// of the security type. Created once at start after the main window and shown modally
// when needed. Its controls come with the work that gives it a function; until then it
// is an empty dialog.
#pragma once

#include <QDialog>

class TForm7 : public QDialog {
    Q_OBJECT
public:
    static TForm7* Form7;

    explicit TForm7(QWidget* parent = nullptr);
    ~TForm7() override;
};
