#include "PopupMenuSpeedPanel.h"

#include "TRegistry.h"

#include <QSignalBlocker>
#include <QVBoxLayout>

#include <limits>
#include <stdexcept>

namespace {

const std::string DesktopKey = "Control Panel\\desktop";
constexpr int DefaultDelay = 400;

} // namespace

int PopupMenuSpeedPanel::toInteger(const QString& text)
{
    const auto invalid = [&text] {
        return std::runtime_error("'" + text.toStdString() + "' is not a valid integer value");
    };
    qsizetype at = 0;
    while (at < text.size() && text[at] == u' ')
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        negative = text[at++] == u'-';
    int base = 10;
    if (at < text.size() && text[at] == u'$') {
        base = 16;
        ++at;
    } else if (at + 1 < text.size() && text[at] == u'0'
               && (text[at + 1] == u'x' || text[at + 1] == u'X')) {
        base = 16;
        at += 2;
    }
    if (at == text.size())
        throw invalid();
    // Accumulated as a magnitude so that -2147483648 converts and 2147483648 does not.
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                     : std::numeric_limits<int>::max();
    long long magnitude = 0;
    for (; at < text.size(); ++at) {
        const char16_t unit = text[at].unicode();
        int digit = -1;
        if (unit >= u'0' && unit <= u'9')
            digit = unit - u'0';
        else if (base == 16 && unit >= u'a' && unit <= u'f')
            digit = unit - u'a' + 10;
        else if (base == 16 && unit >= u'A' && unit <= u'F')
            digit = unit - u'A' + 10;
        if (digit < 0)
            throw invalid();
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            throw invalid();
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

PopupMenuSpeedPanel::PopupMenuSpeedPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox10"), QStringLiteral("Popup menu speed"))
{
    // One text in two labels, read as one.
    PLACE(Label19, QStringLiteral(
        "When you right click and click on the Start button, Normally the computer pauses four "
        "tenths of a second and then the menu pops up. Here you can change that, just drag the "
        "task bar to how many thousands of a second you"));
    PLACE(Label20, QStringLiteral("want the computer to pause, before displaying the menu."));
    PLACE(TrackBar1, 1, 1000);
    TrackBar1->setTickPosition(QSlider::NoTicks);
    TrackBar1->setSingleStep(1);
    TrackBar1->setPosition(DefaultDelay);
    CREATE(Label22);
    CREATE(Label21, QStringLiteral("thousands of a second"));
    Label22->setMinimumWidth(Label22->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    placeRow({Label22, Label21});
    Label21->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    PLACE(GroupBox11, QStringLiteral("Reset:"));
    CREATE(CheckBox5, QStringLiteral("Reset to default"));
    auto* resetLayout = new QVBoxLayout(GroupBox11);
    resetLayout->setContentsMargins(6, 2, 6, 4);
    resetLayout->addWidget(CheckBox5);

    PLACE_OK_CANCEL(OfficeButton18, OfficeButton17);
    connectHandler(OfficeButton18, &OfficeButton::clicked, this,
                   &PopupMenuSpeedPanel::OfficeButton18Click);
    connectHandler(TrackBar1, &TrackBar::Change, this, &PopupMenuSpeedPanel::TrackBar1Change);
    connectHandler(CheckBox5, &QCheckBox::toggled, this, &PopupMenuSpeedPanel::CheckBox5Click);
}

void PopupMenuSpeedPanel::open()
{
    TRegistry registry;
    registry.RootKey = HKEY_CURRENT_USER;
    registry.LazyWrite = false;
    registry.OpenKey(DesktopKey, true);
    if (!registry.ValueExists("MenuShowDelay"))
        registry.WriteString("MenuShowDelay", std::to_string(DefaultDelay));
    // A text that is no integer throws here: the thumb, the label and the shown panel stay.
    const int stored = toInteger(QString::fromStdString(registry.ReadString("MenuShowDelay")));
    TrackBar1->setPosition(stored);
    Label22->setNum(TrackBar1->value());
    registry.CloseKey();
    // "Reset to default" is left as it is: setPosition raises no change.
    ShowPanel();
}

void PopupMenuSpeedPanel::TrackBar1Change()
{
    Label22->setNum(TrackBar1->value());
    // Clearing the box here must not send the thumb back to 400.
    const QSignalBlocker quiet(CheckBox5);
    CheckBox5->setChecked(false);
}

void PopupMenuSpeedPanel::CheckBox5Click()
{
    // Checking and clearing alike; nothing is written before OK.
    TrackBar1->setPosition(DefaultDelay);
    Label22->setNum(TrackBar1->value());
}

void PopupMenuSpeedPanel::OfficeButton18Click()
{
    TRegistry registry;
    registry.RootKey = HKEY_CURRENT_USER;
    registry.LazyWrite = false;
    registry.OpenKey(DesktopKey, true);
    registry.WriteString("MenuShowDelay", std::to_string(TrackBar1->value()));
    registry.CloseKey();
    information(QStringLiteral("You have to restart your computer to make the changes take effect"));
}
