// TForm6, "Password": asks for the password at start-up. Created once at start after the
// main window and shown modally when needed. Its controls come with the work that gives
// it a function; until then it is an empty dialog.
#pragma once

#include <QDialog>

class TForm6 : public QDialog {
    Q_OBJECT
public:
    static TForm6* Form6;

    explicit TForm6(QWidget* parent = nullptr);
    ~TForm6() override;
};
