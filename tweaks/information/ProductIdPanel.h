// "Product ID": the product IDs of Windows and of the Plus! pack. Both ways in read the
// two values; OK writes each one whose "Save" box is checked.
#pragma once

#include "Edit.h"
#include "TweakPanel.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

class ProductIdPanel : public TweakPanel {
    Q_OBJECT
public:
    explicit ProductIdPanel(TForm1& form);

    void open() override;

    QFrame* Bevel2;
    QLabel* Image3;
    QLabel* Label15;
    QLabel* Label16;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QGroupBox* GroupBox9;
    QLabel* Label17;
    Edit* Edit7;
    QLabel* Label18;
    Edit* Edit6;
    OfficeButton* OfficeButton15;
    OfficeButton* OfficeButton16;

private:
    void OfficeButton15Click();
};
