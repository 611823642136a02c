#include "Unit9.h"

#include "HandlerConnection.h"
#include "OfficeButton.h"
#include "Preferences.h"
#include "TRegistry.h"
#include "TabControl.h"
#include "Unit1.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QRadioButton>

TForm9* TForm9::Form9 = nullptr;

namespace {

enum Tab { SavingPosition, Position, ToolbarButtons, Icons, WrapText };

// Places inside a group: the two rows of radio buttons (the position check boxes share
// them) and the picture at the right.
constexpr int RowTop[] = {20, 44};
constexpr int ControlLeft = 8;
constexpr int ControlWidth = 200;
constexpr int ControlHeight = 19;

} // namespace

TForm9::TForm9(QWidget* parent) : ModalDialog(QStringLiteral("Options"), 0, parent)
{
    setObjectName(QStringLiteral("Form9"));
    setFixedSize(273, 170);

    TabControl1 = new TabControl({QStringLiteral("Saving Position"), QStringLiteral("Position"),
                                  QStringLiteral("Toolbar Buttons"), QStringLiteral("Icons"),
                                  QStringLiteral("Wrap Text")},
                                 this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setUsesScrollButtons(false);
    // Five tabs in 273 pixels: with the fonts Qt finds in place of the designed one they
    // fit only in a point smaller and with narrow tabs.
    QFont tabFont = font();
    tabFont.setPointSize(7);
    TabControl1->setFont(tabFont);
    TabControl1->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 2px 2px; border: 1px solid palette(mid); border-bottom: none;"
        " margin-right: -1px; background: palette(button); }"
        " QTabBar::tab:selected { background: palette(window); margin-bottom: -1px; }"));
    TabControl1->setDrawBase(false);
    const int tabHeight = TabControl1->sizeHint().height();
    TabControl1->setGeometry(0, 0, 273, tabHeight);
    // The tab control's page: the frame the groups sit in, down to 121 pixels.
    m_page = new QFrame(this);
    m_page->setFrameShape(QFrame::StyledPanel);
    m_page->setFrameShadow(QFrame::Raised);
    m_page->setGeometry(0, tabHeight - 1, 273, 121 - tabHeight + 1);
    m_page->lower();

    GroupBox2 = makeGroup("GroupBox2", QStringLiteral(":/icons/03-my-computer.png"), Image2);
    RadioButton1 = makeRadio(GroupBox2, "RadioButton1", QStringLiteral("Save Position"), 0);
    RadioButton2 = makeRadio(GroupBox2, "RadioButton2", QStringLiteral("Don't save Position"), 1);
    CheckBox1 = new QCheckBox(QStringLiteral("Reset Position"), GroupBox2);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(ControlLeft, RowTop[0], ControlWidth, ControlHeight);
    CheckBox2 = new QCheckBox(QStringLiteral("Center Position"), GroupBox2);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(ControlLeft, RowTop[1], ControlWidth, ControlHeight);

    GroupBox1 = makeGroup("GroupBox1", QStringLiteral(":/icons/05-functionality.png"), Image1);
    RadioButton3 = makeRadio(GroupBox1, "RadioButton3", QStringLiteral("Normal buttons"), 0);
    RadioButton4 = makeRadio(GroupBox1, "RadioButton4", QStringLiteral("Flat toolbar buttons"), 1);

    GroupBox3 = makeGroup("GroupBox3", QStringLiteral(":/icons/04-look.png"), Image3);
    RadioButton5 = makeRadio(GroupBox3, "RadioButton5", QStringLiteral("Auto Arange icons"), 0);
    RadioButton6 = makeRadio(GroupBox3, "RadioButton6", QStringLiteral("Default arangement"), 1);

    GroupBox4 = makeGroup("GroupBox4", QStringLiteral(":/icons/06-information.png"), Image4);
    RadioButton7 = makeRadio(GroupBox4, "RadioButton7", QStringLiteral("Wrap icon text"), 0);
    RadioButton8 = makeRadio(GroupBox4, "RadioButton8", QStringLiteral("Do not wrap text"), 1);

    OfficeButton1 = new OfficeButton(QStringLiteral("O&K"), this);
    OfficeButton1->setObjectName(QStringLiteral("OfficeButton1"));
    OfficeButton1->setGeometry(8, 133, 75, 25);
    OfficeButton2 = new OfficeButton(QStringLiteral("C&ancel"), this);
    OfficeButton2->setObjectName(QStringLiteral("OfficeButton2"));
    OfficeButton2->setGeometry(190, 133, 75, 25);

    // Design state.
    RadioButton1->setChecked(true);
    RadioButton6->setChecked(true);
    TabControl1Change();

    connectHandler(TabControl1, &TabControl::currentChanged, this, &TForm9::TabControl1Change);
    connectHandler(CheckBox1, &QCheckBox::toggled, this, &TForm9::CheckBox1Click);
    connectHandler(CheckBox2, &QCheckBox::toggled, this, &TForm9::CheckBox2Click);
    connectHandler(OfficeButton1, &OfficeButton::clicked, this, &TForm9::OfficeButton1Click);
    connectHandler(OfficeButton2, &OfficeButton::clicked, this, &TForm9::OfficeButton2Click);
    Form9 = this;
}

TForm9::~TForm9()
{
    if (Form9 == this)
        Form9 = nullptr;
}

QGroupBox* TForm9::makeGroup(const char* name, const QString& picture, QLabel*& image)
{
    auto* group = new QGroupBox(QStringLiteral("Options:"), this);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(8, 24, 257, 89);
    image = new QLabel(group);
    image->setObjectName(QStringLiteral("Image%1").arg(QString::fromLatin1(name).back()));
    image->setPixmap(QIcon(picture).pixmap(32, 32));
    image->setGeometry(257 - 32 - 10, 24, 32, 32);
    return group;
}

QRadioButton* TForm9::makeRadio(QGroupBox* group, const char* name, const QString& caption,
                                int row)
{
    // Radio buttons of one group box form their own choice.
    auto* button = new QRadioButton(caption, group);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(ControlLeft, RowTop[row], ControlWidth, ControlHeight);
    return button;
}

void TForm9::TabControl1Change()
{
    const int tab = TabControl1->currentIndex();
    GroupBox2->setVisible(tab == SavingPosition || tab == Position);
    RadioButton1->setVisible(tab == SavingPosition);
    RadioButton2->setVisible(tab == SavingPosition);
    CheckBox1->setVisible(tab == Position);
    CheckBox2->setVisible(tab == Position);
    GroupBox1->setVisible(tab == ToolbarButtons);
    GroupBox3->setVisible(tab == Icons);
    GroupBox4->setVisible(tab == WrapText);
}

void TForm9::CheckBox1Click()
{
    // Only checking clears the other box; clearing it sets off nothing further, so the
    // box the user clicked keeps its new state.
    if (CheckBox1->isChecked())
        CheckBox2->setChecked(false);
}

void TForm9::CheckBox2Click()
{
    if (CheckBox2->isChecked())
        CheckBox1->setChecked(false);
}

void TForm9::OfficeButton1Click()
{
    TForm1& form = *TForm1::Form1;
    TRegistry settings;
    settings.RootKey = HKEY_LOCAL_MACHINE;
    settings.LazyWrite = false;
    settings.OpenKey(Preferences::SettingsKey, true);
    auto yesNo = [](const QRadioButton* yes) { return yes->isChecked() ? "Yes" : "No"; };
    settings.WriteString("Wrap", yesNo(RadioButton7));
    settings.WriteString("Nice", yesNo(RadioButton4));
    settings.WriteString("Save", yesNo(RadioButton1));
    settings.WriteString("Auto", yesNo(RadioButton5));
    if (CheckBox1->isChecked()) {
        settings.WriteInteger("Left", Preferences::DesignedLeft);
        settings.WriteInteger("Top", Preferences::DesignedTop);
        form.move(Preferences::DesignedLeft, Preferences::DesignedTop);
    } else if (CheckBox2->isChecked()) {
        Preferences::centreOnScreen(form);
        form.RelayoutTweakLists();
    }
    settings.CloseKey();
    resetForNextOpen();
}

void TForm9::OfficeButton2Click()
{
    resetForNextOpen();
}

void TForm9::resetForNextOpen()
{
    CheckBox1->setChecked(false);
    CheckBox2->setChecked(false);
    closeDialog();
    TabControl1->setCurrentIndex(SavingPosition);
    TabControl1Change();
}
