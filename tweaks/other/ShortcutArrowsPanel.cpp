#include "ShortcutArrowsPanel.h"

#include "ImageList.h"
#include "TRegistry.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

const char FolderPicture[] =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">)"
    R"(<path d="M2.5 8.5 h9 l3 -3 h15 v22 h-27 z" fill="#f2c744" stroke="#1b1b1b"/>)"
    R"(<path d="M2.5 12.5 h27 v15 h-27 z" fill="#f8d96a" stroke="#1b1b1b"/></svg>)";

// The arrow alone on a transparent ground, in the bottom left corner where the shell
// draws it over an icon.
const char ArrowPicture[] =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">)"
    R"(<rect x="1.5" y="19.5" width="11" height="11" fill="#ffffff" stroke="#1b1b1b"/>)"
    R"(<path d="M4 28 q0 -5 4.5 -5 v-2.2 l3.3 3.3 l-3.3 3.3 v-2.2 q-2.8 0 -4.5 2.8 z")"
    R"( fill="#1b1b1b"/></svg>)";

QPixmap pictureOf(const char* svg)
{
    QSvgRenderer renderer(QByteArray::fromRawData(svg, static_cast<int>(qstrlen(svg))));
    QPixmap pixmap(ImageList::size());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

const std::string ArrowClasses[] = {"lnkfile", "piffile"};

} // namespace

ShortcutArrowsPanel::ShortcutArrowsPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox27"), QStringLiteral("Remove shortcut arrows"))
{
    auto* corner = new QWidget;
    corner->setFixedHeight(ImageList::size().height());
    CREATE(Image6);
    Image6->setParent(corner);
    Image6->setPixmap(pictureOf(FolderPicture));
    Image6->setGeometry(QRect(QPoint(0, 0), ImageList::size()));
    CREATE(Image7);
    Image7->setParent(corner);
    Image7->setPixmap(pictureOf(ArrowPicture));
    Image7->setGeometry(QRect(QPoint(0, 0), ImageList::size()));
    Image7->raise();
    placeRow({corner});
    PLACE(Label63, QStringLiteral(
        "Are you tired of that ugly little arrow? Now you can remove it completely. Just chose "
        "to not have the arrow and then click the OK button."));
    PLACE(ComboBox7, QStringLiteral("Shortcut arrows"),
          QStringList{QStringLiteral("Have the arrow"), QStringLiteral("Don't have the arrow")});

    PLACE_OK_CANCEL(OfficeButton46, OfficeButton47);
    connectHandler(OfficeButton46, &OfficeButton::clicked, this,
                   &ShortcutArrowsPanel::OfficeButton46Click);
    connectHandler(ComboBox7, &ComboBox::currentIndexChanged, this,
                   &ShortcutArrowsPanel::ComboBox7Change);
}

void ShortcutArrowsPanel::openFromList()
{
    // Only "lnkfile" tells; "piffile" is not consulted.
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.OpenKey("lnkfile", true);
    const bool arrow = registry.ValueExists("IsShortCut");
    Image7->setVisible(arrow);
    ComboBox7->setCurrentIndex(arrow ? 0 : 1);
    registry.CloseKey();
    ShowPanel();
}

void ShortcutArrowsPanel::ComboBox7Change()
{
    const int chosen = ComboBox7->currentIndex();
    if (chosen == 0 || chosen == 1)
        Image7->setVisible(chosen == 0);
}

void ShortcutArrowsPanel::OfficeButton46Click()
{
    const int chosen = ComboBox7->currentIndex();
    if (chosen != 0 && chosen != 1)
        return;
    const bool removeArrow = chosen == 1;
    const std::string from = removeArrow ? "IsShortCut" : "IsNotShortCut";
    const std::string to = removeArrow ? "IsNotShortCut" : "IsShortCut";
    // Each class on its own accessor; a class that holds both names, or neither, or the
    // old one without data, is left alone.
    for (const std::string& fileClass : ArrowClasses) {
        TRegistry registry;
        registry.RootKey = HKEY_CLASSES_ROOT;
        registry.LazyWrite = false;
        registry.OpenKey(fileClass, true);
        registry.RenameValue(from, to);
        registry.CloseKey();
    }
    information(QStringLiteral("You have to restart your computer to make the changes take effet"));
}
