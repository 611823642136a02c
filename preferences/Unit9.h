// TForm9, "Options": the view and window-position options. Created once at start after
// the main window and shown modally when needed. Its controls come with the work that
// gives it a function; until then it is an empty dialog.
#pragma once

#include <QDialog>

class TForm9 : public QDialog {
    Q_OBJECT
public:
    static TForm9* Form9;

    explicit TForm9(QWidget* parent = nullptr);
    ~TForm9() override;
};
