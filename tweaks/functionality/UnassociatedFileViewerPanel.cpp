#include "UnassociatedFileViewerPanel.h"

#include "BrowseDialog.h"
#include "ImageList.h"
#include "TRegistry.h"
#include "Unit1.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

const std::string OpenAsCommandKey = "Unknown\\shell\\openas\\command";
// The shell's own "Open With" dialog, as Windows installs it.
const std::string DefaultOpenAs = "C:\\WINDOWS\\rundll32.exe shell32.dll,OpenAs_RunDLL %1";
// The viewer picture is the tweak list's own icon for the viewers.
constexpr int ViewerIcon = 16;

} // namespace

UnassociatedFileViewerPanel::UnassociatedFileViewerPanel(TForm1& form)
    : TweakPanel(form, QStringLiteral("GroupBox19"), QStringLiteral("Unassociated file viewer"))
{
    CREATE(Bevel3);
    Bevel3->setFrameShape(QFrame::Panel);
    Bevel3->setFrameShadow(QFrame::Sunken);
    CREATE(Image4);
    Image4->setPixmap(form.ImageList1->icon(ViewerIcon).pixmap(ImageList::size()));
    auto* bevel = new QVBoxLayout(Bevel3);
    bevel->setContentsMargins(3, 3, 3, 3);
    bevel->addWidget(Image4);
    CREATE(Label41, QStringLiteral(
        "Here you can make if you click on an unassociated file a speciel program will open "
        "that file. Just write the directory and file name of the file or click the Browse "
        "button and select which program to open these files. Then click the OK button."));
    Label41->setWordWrap(true);
    placeRow({Bevel3, Label41});
    Bevel3->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    PLACE(GroupBox21, QStringLiteral("Programs:"));
    CREATE(ComboBox5, QStringLiteral("Programs"), QStringList{"Notepad", "Packager"});
    auto* programs = new QVBoxLayout(GroupBox21);
    programs->setContentsMargins(6, 2, 6, 4);
    programs->addWidget(ComboBox5);

    PLACE(Label42, QStringLiteral("Program:"));
    CREATE(Edit14);
    CREATE(OfficeButton35, QStringLiteral("&Browse"));
    placeRow({Edit14, OfficeButton35});
    setHint(OfficeButton35, QStringLiteral("Select witch program to use"));

    PLACE(GroupBox20, QStringLiteral("Reset to default"));
    CREATE(CheckBox20, QStringLiteral("Reset to default"));
    auto* reset = new QVBoxLayout(GroupBox20);
    reset->setContentsMargins(6, 2, 6, 4);
    reset->addWidget(CheckBox20);

    PLACE_OK_CANCEL(OfficeButton33, OfficeButton34);
    connectHandler(OfficeButton33, &OfficeButton::clicked, this,
                   &UnassociatedFileViewerPanel::OfficeButton33Click);
    connectHandler(OfficeButton35, &OfficeButton::clicked, this,
                   &UnassociatedFileViewerPanel::OfficeButton35Click);
    // The box takes no typed text, so choosing an item is its only change.
    connectHandler(ComboBox5, &ComboBox::activated, this,
                   &UnassociatedFileViewerPanel::ComboBox5Click);
    connectHandler(Edit14, &Edit::clicked, this, &UnassociatedFileViewerPanel::Edit14Click);
    connectHandler(CheckBox20, &QCheckBox::toggled, this,
                   &UnassociatedFileViewerPanel::CheckBox20Click);
}

void UnassociatedFileViewerPanel::CheckBox20Click()
{
    // Checking or unchecking alike empties the program.
    Edit14->clear();
}

void UnassociatedFileViewerPanel::Edit14Click()
{
    CheckBox20->setChecked(false);
}

void UnassociatedFileViewerPanel::ComboBox5Click()
{
    // Unchecked first: when it was checked that empties the edit, which is then filled.
    CheckBox20->setChecked(false);
    switch (ComboBox5->currentIndex()) {
    case 0:
        Edit14->setText(QStringLiteral("Notepad.exe"));
        break;
    case 1:
        Edit14->setText(QStringLiteral("Packager.exe"));
        break;
    default:
        break;
    }
}

void UnassociatedFileViewerPanel::OfficeButton35Click()
{
    if (!form().OpenDialog1->Execute())
        return;
    CheckBox20->setChecked(false);
    Edit14->setText(form().OpenDialog1->FileName());
}

void UnassociatedFileViewerPanel::OfficeButton33Click()
{
    if (CheckBox20->isChecked()) {
        // The edit plays no part, even when text was typed into it by keyboard.
        TRegistry registry;
        registry.RootKey = HKEY_CLASSES_ROOT;
        registry.LazyWrite = false;
        registry.OpenKey(OpenAsCommandKey, true);
        registry.WriteString("", DefaultOpenAs);
        registry.CloseKey();
        information(QStringLiteral("The settings is now restored"));
        return;
    }
    if (Edit14->text().isEmpty())
        return;
    TRegistry registry;
    registry.RootKey = HKEY_CLASSES_ROOT;
    registry.LazyWrite = false;
    registry.OpenKey(OpenAsCommandKey, true);
    // The shell puts the file's path in place of %1; the program path is not quoted.
    registry.WriteString("", (Edit14->text() + QStringLiteral(" %1")).toStdString());
    registry.CloseKey();
    information(QStringLiteral("The viewer for nonassociated files is now ") + Edit14->text());
}
