// TForm5, "Set/Change Password": sets or changes the password and its scope. Created
// once at start after the main window and shown modally when needed. Its controls come
// with the work that gives it a function; until then it is an empty dialog.
#pragma once

#include <QDialog>

class TForm5 : public QDialog {
    Q_OBJECT
public:
    static TForm5* Form5;

    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;
};
