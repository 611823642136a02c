// The About panel GroupBox1: a black area with the picture Image1 (from "Korrelin.bmp")
// at its top left and the scrolling credits Banner1.
#pragma once

#include <QGroupBox>

class Banner;
class QLabel;

class AboutPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit AboutPanel(QWidget* parent = nullptr);

    static QStringList bannerLines();

    // Loads the picture; throws std::runtime_error "Cannot open file <name>" when the
    // file is missing or is not a picture.
    void loadPicture(const QString& fileName);

    QLabel* Image1;
    Banner* Banner1;
};
