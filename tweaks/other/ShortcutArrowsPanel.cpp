#include "ShortcutArrowsPanel.h"

#include "ImageList.h"
#include "TRegistry.h"

#include <QIcon>

namespace {

const std::string ArrowClasses[] = {"lnkfile", "piffile"};

} // namespace

ShortcutArrowsPanel::ShortcutArrowsPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox27"), QStringLiteral("Remove shortcut arrows"))
{
    auto* corner = new QWidget;
    corner->setFixedHeight(ImageList::size().height());
    CREATE(Image6);
    Image6->setParent(corner);
    Image6->setPixmap(QIcon(QStringLiteral(":/pictures/folder.png")).pixmap(ImageList::size()));
    Image6->setGeometry(QRect(QPoint(0, 0), ImageList::size()));
    CREATE(Image7);
    Image7->setParent(corner);
    // The arrow alone, in the corner where the shell draws it over an icon.
    Image7->setPixmap(
        QIcon(QStringLiteral(":/pictures/shortcut-arrow.png")).pixmap(ImageList::size()));
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
