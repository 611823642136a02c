// TForm8, "Security": chooses the security type. Created once at start after the main
// window and shown modally when needed. Its controls come with the work that gives it a
// function; until then it is an empty dialog.
#pragma once

#include <QDialog>

class TForm8 : public QDialog {
    Q_OBJECT
public:
    static TForm8* Form8;

    explicit TForm8(QWidget* parent = nullptr);
    ~TForm8() override;
};
