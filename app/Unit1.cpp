#include "Unit1.h"

#include "AboutPanel.h"
#include "Application.h"
#include "Banner.h"
#include "BrowseDialog.h"
#include "Dock97.h"
#include "GoToWeb.h"
#include "HandlerConnection.h"
#include "HelpViewer.h"
#include "HoverSignal.h"
#include "ImageList.h"
#include "ListView.h"
#include "Messages.h"
#include "StatusBar.h"
#include "Toolbar97.h"
#include "TweakPanel.h"
#include "TRegistry.h"
#include "tweaks/information/LogProgramFaultsPanel.h"
#include "tweaks/information/OwnerInformationPanel.h"
#include "tweaks/information/ProductIdPanel.h"
#include "tweaks/functionality/AddRemoveProgramsPanel.h"
#include "tweaks/functionality/MyComputerViewerPanel.h"
#include "tweaks/functionality/NewMenuPanel.h"
#include "tweaks/functionality/SoundEventsPanel.h"
#include "tweaks/functionality/SubmenuItemsPanel.h"
#include "tweaks/functionality/UnassociatedFileViewerPanel.h"
#include "tweaks/other/AllFilesSubmenuPanel.h"
#include "tweaks/other/DefaultFoldersPanel.h"
#include "tweaks/other/SetupPathPanel.h"
#include "tweaks/other/ShortcutArrowsPanel.h"
#include "tweaks/speed/CommandPromptHerePanel.h"
#include "tweaks/speed/ExploreFromHerePanel.h"
#include "tweaks/speed/HiColorIconsPanel.h"
#include "tweaks/speed/PopupMenuSpeedPanel.h"
#include "preferences/Preferences.h"
#include "tweaks/policies/ExplorerPoliciesPanel.h"
#include "tweaks/policies/NetworkPoliciesPanel.h"
#include "tweaks/policies/StartButtonPanel.h"
#include "tweaks/policies/SystemPoliciesPanel.h"
#include "tweaks/look/AnimationPanel.h"
#include "tweaks/look/BitmapIconsPanel.h"
#include "tweaks/look/MyComputerIconPanel.h"
#include "tweaks/look/RecycleBinIconPanel.h"
#include "tweaks/look/RemoveRecycleBinPanel.h"
#include "tweaks/look/RenameRecycleBinPanel.h"
#include "tweaks/look/SecretPanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QResizeEvent>
#include <QShortcut>
#include <QToolButton>

#include <exception>

TForm1* TForm1::Form1 = nullptr;

namespace {

// The property that carries a widget's or menu entry's help context for F1.
constexpr const char* HelpContextProperty = "HelpContext";
constexpr int FormHelpContext = 1;

// Pictures of ImageList1 by index; several list entries share one.
const QStringList& imageListFiles()
{
    static const QStringList files{
        QStringLiteral(":/icons/00-paint-picture.png"),
        QStringLiteral(":/icons/01-bitmap-as-icon.png"),
        QStringLiteral(":/icons/02-animation.png"),
        QStringLiteral(":/icons/03-my-computer.png"),
        QStringLiteral(":/icons/04-look.png"),
        QStringLiteral(":/icons/05-functionality.png"),
        QStringLiteral(":/icons/06-information.png"),
        QStringLiteral(":/icons/07-new-menu.png"),
        QStringLiteral(":/icons/08-product-id.png"),
        QStringLiteral(":/icons/09-speed.png"),
        QStringLiteral(":/icons/10-menu-speed.png"),
        QStringLiteral(":/icons/11-add-remove.png"),
        QStringLiteral(":/icons/12-log-submenu.png"),
        QStringLiteral(":/icons/13-sound.png"),
        QStringLiteral(":/icons/14-recycle-empty.png"),
        QStringLiteral(":/icons/15-recycle-full.png"),
        QStringLiteral(":/icons/16-viewer.png"),
        QStringLiteral(":/icons/17-submenu.png"),
        QStringLiteral(":/icons/18-other.png"),
        QStringLiteral(":/icons/19-folders.png"),
        QStringLiteral(":/icons/20-shortcut-arrow.png"),
        QStringLiteral(":/icons/21-hi-color.png"),
        QStringLiteral(":/icons/22-command-prompt.png"),
        QStringLiteral(":/icons/23-explorer.png"),
        QStringLiteral(":/icons/24-policies.png"),
        QStringLiteral(":/icons/25-system.png"),
        QStringLiteral(":/icons/26-network-dos.png"),
        QStringLiteral(":/icons/27-start-button.png"),
    };
    return files;
}

struct Entry {
    const char* caption;
    int image;
};

// Status-line descriptions of the tweak-list entries, by position.
const QStringList ListView3Descriptions{
    QStringLiteral("Make the bitmap icons look like an image of them selfs"),
    QStringLiteral("Remove the Maximize/Minimize animation"),
    QStringLiteral("Chose icon for My computer"),
    QStringLiteral("Change the icon for the Recycle Bin"),
    QStringLiteral("Rename the Recycle Bin"),
    QStringLiteral("Remove Recycle Bin from the desktop"),
};
const QStringList ListView5Descriptions{
    QStringLiteral("Select viewer for My computer"),
    QStringLiteral("Add component to the New menu"),
    QStringLiteral("Remove items from the uninstall list"),
    QStringLiteral("Add sound events to programs"),
    QStringLiteral("Change the Unassociated file viewer"),
    QStringLiteral("Add submenu items to nonassociated files"),
};
const QStringList ListView6Descriptions{
    QStringLiteral("Change the owner information"),
    QStringLiteral("Change the Product ID Information"),
    QStringLiteral("Save Program faults to a file"),
};
const QStringList ListView7Descriptions{
    QStringLiteral("Change the menu popup speed"),
    QStringLiteral("Show Hi color icons without the Plus Pack"),
    QStringLiteral("Command Promt Here"),
    QStringLiteral("Explore From Here"),
};
const QStringList ListView10Descriptions{
    QStringLiteral("Change the default direcoty for the Fonts direcory etc"),
    QStringLiteral("Change the Windows 95 Setup Path"),
    QStringLiteral("Remove the shortcut arrows"),
    QStringLiteral("Add Sub menu Items to all files"),
};
const QStringList ListView11Descriptions{
    QStringLiteral("Change things like disabling the shutdown menu"),
    QStringLiteral("Change things like hiding the screensaver page"),
    QStringLiteral("Change things like disabling the MS-DOS Promt"),
    QStringLiteral("Here you can disable the right click on the Start button"),
};
const QStringList CategoryDescriptions{
    QStringLiteral("Change how Windows 95 looks"),
    QStringLiteral("Change events like what happens when you click on an icon"),
    QStringLiteral("Change information in Windows 95 like owner information etc"),
    QStringLiteral("Change menu speed etc"),
    QStringLiteral("Other thing like changing directories"),
    QStringLiteral("Change the Security"),
};

QToolButton* makeToolbarButton(QWidget* parent, const char* name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    return button;
}

// A button of the first toolbar: a caption that drops its menu down, without an arrow.
QToolButton* makeMenuButton(QWidget* parent, const char* name, const QString& caption,
                            QMenu* menu)
{
    QToolButton* button = makeToolbarButton(parent, name);
    button->setText(caption);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
    button->setFixedHeight(22);
    return button;
}

// A lettered button of the second toolbar ("W", "E", "A").
QToolButton* makeLetterButton(QWidget* parent, const char* name, const QString& letter,
                              const QColor& colour)
{
    QToolButton* button = makeToolbarButton(parent, name);
    button->setText(letter);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(19);
    button->setFont(font);
    QPalette colours = button->palette();
    colours.setColor(QPalette::ButtonText, colour);
    button->setPalette(colours);
    button->setFixedSize(23, 22);
    return button;
}

} // namespace

const QStringList& TForm1::panelNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const int number : {1, 2, 3, 4, 5, 6, 7, 8, 10, 12, 13, 14, 16, 17, 18, 19, 22,
                                 24, 25, 26, 27, 28, 30, 31, 32, 33, 34, 35, 36})
            list << QStringLiteral("GroupBox%1").arg(number);
        return list;
    }();
    return names;
}

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent),
      GroupBox2(*this), GroupBox3(*this), GroupBox4(*this), GroupBox5(*this), GroupBox6(*this),
      GroupBox7(*this), GroupBox8(*this), GroupBox10(*this), GroupBox12(*this),
      GroupBox13(*this), GroupBox14(*this), GroupBox16(*this), GroupBox17(*this),
      GroupBox18(*this), GroupBox19(*this), GroupBox22(*this), GroupBox24(*this),
      GroupBox25(*this), GroupBox26(*this), GroupBox27(*this), GroupBox28(*this),
      GroupBox30(*this), GroupBox31(*this), GroupBox32(*this), GroupBox33(*this),
      GroupBox34(*this), GroupBox35(*this), GroupBox36(*this),
      m_surface(new QWidget(this))
{
    Q_INIT_RESOURCE(korrelin);
    Form1 = this;

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Korrelin"));
    // Sizable, with system menu and minimise button, but no maximise button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setProperty(HelpContextProperty, FormHelpContext);
    // The designed font; where it is not installed Qt picks a sans-serif of that size.
    QFont designed(QStringLiteral("MS Sans Serif"));
    designed.setPointSize(8);
    designed.setStyleHint(QFont::SansSerif);
    setFont(designed);
    setCentralWidget(m_surface);

    ImageList1 = new ImageList(imageListFiles(), this);
    ImageList1->setObjectName(QStringLiteral("ImageList1"));
    GoToWeb1 = new GoToWeb(this);
    GoToWeb1->setObjectName(QStringLiteral("GoToWeb1"));
    OpenDialog1 = new BrowseDialog(QStringLiteral("Programs|*.exe"), QStringLiteral("*.exe"), this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog2 = new BrowseDialog(QStringLiteral("Icons|*.ico"), QString(), this);
    OpenDialog2->setObjectName(QStringLiteral("OpenDialog2"));

    StatusBar1 = new StatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    StatusBar1->setText(welcomeText());

    buildMenus();
    buildToolbars();
    buildLists();

    GroupBox1 = new AboutPanel(m_surface);
    Image1 = GroupBox1->Image1;
    Banner1 = GroupBox1->Banner1;

    wireHandlers();

    // Designed client size and place; the window is not placed by the desktop.
    resize(522, 412);
    move(69, 6);

    try {
        FormCreate();
    } catch (const std::exception& error) {
        Application::showException(error);
    }
}

TForm1::~TForm1()
{
    FormDestroy();
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::buildMenus()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    ResetPosition1 = addMenuEntry(PopupMenu1, "ResetPosition1", QStringLiteral("&Options"), 1);
    PopupMenu1->addSeparator();
    Exit1 = addMenuEntry(PopupMenu1, "Exit1", QStringLiteral("E&xit"), 1);

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    Help1 = addMenuEntry(PopupMenu2, "Help1", QStringLiteral("&Help"), 1);
    GotoKorrelinHomepage1 = addMenuEntry(PopupMenu2, "GotoKorrelinHomepage1",
                                         QStringLiteral("&Go to Korrelin Homepage!"), 4);
    PopupMenu2->addSeparator();
    About1 = addMenuEntry(PopupMenu2, "About1", QStringLiteral("&About"), 6);

    // The Actions menu: 23 entries in this order, captions as designed (several share
    // an accelerator letter).
    PopupMenu3 = new QMenu(this);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    const auto action = [this](const char* name, const char* caption) {
        return addMenuEntry(PopupMenu3, name, QString::fromLatin1(caption), 10);
    };
    AddRemovePrograms1 = action("AddRemovePrograms1", "&Add/Remove Programs");
    Addsoundevents1 = action("Addsoundevents1", "Add &sound events");
    AddSubmenuItemtoallfiles1 = action("AddSubmenuItemtoallfiles1", "&Add Sub menu Item to all files");
    AddtoNewmenu1 = action("AddtoNewmenu1", "A&dd to New menu");
    Addingsubmenuitems1 = action("Addingsubmenuitems1", "&Adding submenu items");
    Animation1 = action("Animation1", "&Animation");
    BitmapIcons1 = action("BitmapIcons1", "&Bitmap Icons");
    CommandPromtHere1 = action("CommandPromtHere1", "&Command Promt Here");
    ExploreFromHere1 = action("ExploreFromHere1", "&Explore From Here");
    LocationoftheDefaultFolder1 = action("LocationoftheDefaultFolder1", "&Location of the Default Folders");
    LogProgramFaults1 = action("LogProgramFaults1", "&Log Program Faults");
    Mycomputericon1 = action("Mycomputericon1", "&My computer icon");
    Mycomputerviewer1 = action("Mycomputerviewer1", "My &computer viewer");
    OwnerInformation1 = action("OwnerInformation1", "&Owner Information");
    PopupMenuSpeed1 = action("PopupMenuSpeed1", "&Popup Menu Speed");
    ProductID1 = action("ProductID1", "&Product ID");
    RecycleBinsIcon1 = action("RecycleBinsIcon1", "&Recycle Bin's Icon");
    RemoveRecycleBin1 = action("RemoveRecycleBin1", "&Remove Recycle Bin");
    RenameRecycleBin1 = action("RenameRecycleBin1", "R&ename Recycle Bin");
    RemovetheShortcutArrow1 = action("RemovetheShortcutArrow1", "&Remove the Shortcut Arrows");
    SetupPath1 = action("SetupPath1", "&Setup Path");
    ShowHicoloricons1 = action("ShowHicoloricons1", "&Show Hi color icons");
    Unassociatedfileviewer1 = action("Unassociatedfileviewer1", "&Unassociated file viewer");

    PopupMenu4 = new QMenu(this);
    PopupMenu4->setObjectName(QStringLiteral("PopupMenu4"));
    SetChangePassword1 = addMenuEntry(PopupMenu4, "SetChangePassword1",
                                      QStringLiteral("&Set/Change Password"), 7);
    Security1 = addMenuEntry(PopupMenu4, "Security1", QStringLiteral("&Change Security"), 5);

    // F1 in an open menu shows the help of the highlighted entry.
    for (QMenu* menu : {PopupMenu1, PopupMenu2, PopupMenu3, PopupMenu4})
        menu->installEventFilter(this);
}

QAction* TForm1::addMenuEntry(QMenu* menu, const char* name, const QString& caption,
                              int helpContext)
{
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(QString::fromLatin1(name));
    entry->setProperty(HelpContextProperty, helpContext);
    return entry;
}

void TForm1::buildToolbars()
{
    Dock972 = new Dock97(m_surface);
    Dock972->setObjectName(QStringLiteral("Dock972"));
    Panel2 = new QFrame(Dock972);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(195, 0, 327, Dock97::RowHeight);
    Toolbar972 = new Toolbar97(QStringLiteral("Menu"), Dock972);
    Toolbar972->setObjectName(QStringLiteral("Toolbar972"));
    ToolbarButton975 = makeMenuButton(Toolbar972, "ToolbarButton975", QStringLiteral("File"), PopupMenu1);
    ToolbarButton977 = makeMenuButton(Toolbar972, "ToolbarButton977", QStringLiteral("Actions"), PopupMenu3);
    ToolbarButton973 = makeMenuButton(Toolbar972, "ToolbarButton973", QStringLiteral("Password"), PopupMenu4);
    ToolbarButton976 = makeMenuButton(Toolbar972, "ToolbarButton976", QStringLiteral("Help"), PopupMenu2);
    for (QToolButton* button : {ToolbarButton975, ToolbarButton977, ToolbarButton973, ToolbarButton976})
        Toolbar972->addButton(button);
    Toolbar972->adjustSize();
    Toolbar972->move(0, 0);

    Dock973 = new Dock97(m_surface);
    Dock973->setObjectName(QStringLiteral("Dock973"));
    Dock973->move(0, Dock97::RowHeight);
    Panel4 = new QFrame(Dock973);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setGeometry(141, 0, 381, Dock97::RowHeight);
    Toolbar973 = new Toolbar97(QStringLiteral("Menu"), Dock973);
    Toolbar973->setObjectName(QStringLiteral("Toolbar973"));
    ToolbarButton978 = makeToolbarButton(Toolbar973, "ToolbarButton978");
    ToolbarButton978->setIcon(QIcon(QStringLiteral(":/pictures/exit.png")));
    ToolbarButton979 = makeToolbarButton(Toolbar973, "ToolbarButton979");
    ToolbarButton979->setIcon(QIcon(QStringLiteral(":/pictures/help.png")));
    for (QToolButton* button : {ToolbarButton978, ToolbarButton979}) {
        button->setIconSize({16, 16});
        button->setFixedSize(23, 22);
    }
    ToolbarButton9710 = makeLetterButton(Toolbar973, "ToolbarButton9710", QStringLiteral("W"), Qt::red);
    ToolbarButton974 = makeLetterButton(Toolbar973, "ToolbarButton974", QStringLiteral("E"), QColor(128, 0, 128));
    ToolbarButton9711 = makeLetterButton(Toolbar973, "ToolbarButton9711", QStringLiteral("A"), Qt::black);
    for (QToolButton* button : {ToolbarButton978, ToolbarButton979, ToolbarButton9710,
                                ToolbarButton974, ToolbarButton9711})
        Toolbar973->addButton(button);
    Toolbar973->addSeparator();
    Toolbar973->adjustSize();
    Toolbar973->move(0, 0);
}

ListView* TForm1::addTweakList(const char* name)
{
    auto* list = new ListView(ImageList1, m_surface);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(0, 288, 257, 105);
    list->hide();
    return list;
}

void TForm1::buildLists()
{
    ListView1 = new ListView(ImageList1, m_surface);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(0, 53, 257, 228);
    for (const Entry& entry : {Entry{"Look", 4}, Entry{"Functionality", 5},
                               Entry{"Information etc", 6}, Entry{"Speed and more", 9},
                               Entry{"Other", 18}, Entry{"Policies", 24}})
        ListView1->addEntry(QString::fromLatin1(entry.caption), entry.image);

    const auto fill = [](ListView* list, std::initializer_list<Entry> entries) {
        for (const Entry& entry : entries)
            list->addEntry(QString::fromLatin1(entry.caption), entry.image);
    };
    ListView3 = addTweakList("ListView3");
    fill(ListView3, {{"Bitmap Icons", 0}, {"Animation", 2}, {"My computer icon", 3},
                     {"Recycle Bin's Icon", 15}, {"Rename Recycle Bin", 14},
                     {"Remove Recycle Bin", 15}});
    ListView5 = addTweakList("ListView5");
    fill(ListView5, {{"My computer viewer", 3}, {"Add to New menu", 7},
                     {"Add/Remove Programs", 11}, {"Add sound events", 13},
                     {"Unassociated file viewer", 16}, {"Adding submenu items", 17}});
    ListView6 = addTweakList("ListView6");
    fill(ListView6, {{"Owner Information", 6}, {"Product ID", 8}, {"Log Program Faults", 12}});
    // The only list whose labels the user may rename; entries are still told apart by
    // position, so a rename changes nothing else.
    ListView6->setEditableLabels(true);
    ListView7 = addTweakList("ListView7");
    fill(ListView7, {{"Popup menu speed", 10}, {"Show icons with Hi colors", 21},
                     {"Command Promt Here", 22}, {"Explore From Here", 23}});
    ListView10 = addTweakList("ListView10");
    fill(ListView10, {{"Location of Default Folders", 19}, {"Setup Path", 6},
                      {"Remove the Shortcut Arrows", 20}, {"Submenu Item to all files", 12}});
    ListView11 = addTweakList("ListView11");
    fill(ListView11, {{"Explorer", 23}, {"System", 25}, {"Network and MS-DOS", 26},
                      {"Disable right click on Start button", 27}});
    ListView3->show();
}

void TForm1::buildAllPanels()
{
    PanelSlot* const panels[] = {
        &GroupBox2,  &GroupBox3,  &GroupBox4,  &GroupBox5,  &GroupBox6,  &GroupBox7,
        &GroupBox8,  &GroupBox10, &GroupBox12, &GroupBox13, &GroupBox14, &GroupBox16,
        &GroupBox17, &GroupBox18, &GroupBox19, &GroupBox22, &GroupBox24, &GroupBox25,
        &GroupBox26, &GroupBox27, &GroupBox28, &GroupBox30, &GroupBox31, &GroupBox32,
        &GroupBox33, &GroupBox34, &GroupBox35, &GroupBox36,
    };
    for (PanelSlot* slot : panels)
        slot->panel();
}

void TForm1::wireHandlers()
{
    connectHandler(ListView1, &ListView::Click, this, &TForm1::ListView1Click);
    connectHandler(ListView1, &ListView::DblClick, this, &TForm1::ListView1DblClick);
    connectHandler(ListView3, &ListView::Click, this, &TForm1::ListView3Click);
    connectHandler(ListView3, &ListView::DblClick, this, &TForm1::ListView3DblClick);
    connectHandler(ListView5, &ListView::Click, this, &TForm1::ListView5Click);
    connectHandler(ListView5, &ListView::DblClick, this, &TForm1::ListView5DblClick);
    connectHandler(ListView6, &ListView::Click, this, &TForm1::ListView6Click);
    connectHandler(ListView6, &ListView::DblClick, this, &TForm1::ListView6DblClick);
    connectHandler(ListView7, &ListView::Click, this, &TForm1::ListView7Click);
    connectHandler(ListView7, &ListView::DblClick, this, &TForm1::ListView7DblClick);
    connectHandler(ListView10, &ListView::Click, this, &TForm1::ListView10Click);
    connectHandler(ListView10, &ListView::DblClick, this, &TForm1::ListView10DblClick);
    connectHandler(ListView11, &ListView::Click, this, &TForm1::ListView11Click);
    connectHandler(ListView11, &ListView::DblClick, this, &TForm1::ListView11DblClick);

    connectHandler(ResetPosition1, &QAction::triggered, this, &TForm1::ResetPosition1Click);
    connectHandler(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connectHandler(Help1, &QAction::triggered, this, &TForm1::Help1Click);
    connectHandler(GotoKorrelinHomepage1, &QAction::triggered, this, &TForm1::GotoKorrelinHomepage1Click);
    connectHandler(About1, &QAction::triggered, this, &TForm1::About1Click);
    connectHandler(SetChangePassword1, &QAction::triggered, this, &TForm1::SetChangePassword1Click);
    connectHandler(Security1, &QAction::triggered, this, &TForm1::Security1Click);

    connectHandler(ToolbarButton978, &QToolButton::clicked, this, &TForm1::ToolbarButton978Click);
    connectHandler(ToolbarButton979, &QToolButton::clicked, this, &TForm1::ToolbarButton979Click);
    connectHandler(ToolbarButton9710, &QToolButton::clicked, this, &TForm1::ToolbarButton9710Click);
    connectHandler(ToolbarButton974, &QToolButton::clicked, this, &TForm1::ToolbarButton974Click);
    connectHandler(ToolbarButton9711, &QToolButton::clicked, this, &TForm1::ToolbarButton9711Click);

    const std::pair<QToolButton*, QString> hints[] = {
        {ToolbarButton978, QStringLiteral("Exit Korrelin")},
        {ToolbarButton979, QStringLiteral("Open Korrelin's Help")},
        {ToolbarButton9710, QStringLiteral("Go to Korrelin's Homepage")},
        {ToolbarButton974, QStringLiteral("Send me E-Mail")},
        {ToolbarButton9711, QStringLiteral("About Korrelin")},
    };
    for (const auto& [button, hint] : hints)
        HoverSignal::install(button, [this, hint] { setStatusText(hint); });
    HoverSignal::install(Panel2, [this] { Panel2MouseMove(); });
    HoverSignal::install(Panel4, [this] { Panel4MouseMove(); });
    // The bare window surface puts the welcome text back; lists, panels and buttons keep
    // the last hint.
    HoverSignal::install(m_surface, [this] { setStatusText(welcomeText()); }, true);

    connectHandler(AddRemovePrograms1, &QAction::triggered, this, &TForm1::AddRemovePrograms1Click);
    connectHandler(Addsoundevents1, &QAction::triggered, this, &TForm1::Addsoundevents1Click);
    connectHandler(AddSubmenuItemtoallfiles1, &QAction::triggered, this, &TForm1::AddSubmenuItemtoallfiles1Click);
    connectHandler(AddtoNewmenu1, &QAction::triggered, this, &TForm1::AddtoNewmenu1Click);
    connectHandler(Addingsubmenuitems1, &QAction::triggered, this, &TForm1::Addingsubmenuitems1Click);
    connectHandler(Animation1, &QAction::triggered, this, &TForm1::Animation1Click);
    connectHandler(BitmapIcons1, &QAction::triggered, this, &TForm1::BitmapIcons1Click);
    connectHandler(CommandPromtHere1, &QAction::triggered, this, &TForm1::CommandPromtHere1Click);
    connectHandler(ExploreFromHere1, &QAction::triggered, this, &TForm1::ExploreFromHere1Click);
    connectHandler(LocationoftheDefaultFolder1, &QAction::triggered, this, &TForm1::LocationoftheDefaultFolder1Click);
    connectHandler(LogProgramFaults1, &QAction::triggered, this, &TForm1::LogProgramFaults1Click);
    connectHandler(Mycomputericon1, &QAction::triggered, this, &TForm1::Mycomputericon1Click);
    connectHandler(Mycomputerviewer1, &QAction::triggered, this, &TForm1::Mycomputerviewer1Click);
    connectHandler(OwnerInformation1, &QAction::triggered, this, &TForm1::OwnerInformation1Click);
    connectHandler(PopupMenuSpeed1, &QAction::triggered, this, &TForm1::PopupMenuSpeed1Click);
    connectHandler(ProductID1, &QAction::triggered, this, &TForm1::ProductID1Click);
    connectHandler(RecycleBinsIcon1, &QAction::triggered, this, &TForm1::RecycleBinsIcon1Click);
    connectHandler(RemoveRecycleBin1, &QAction::triggered, this, &TForm1::RemoveRecycleBin1Click);
    connectHandler(RenameRecycleBin1, &QAction::triggered, this, &TForm1::RenameRecycleBin1Click);
    connectHandler(RemovetheShortcutArrow1, &QAction::triggered, this, &TForm1::RemovetheShortcutArrow1Click);
    connectHandler(SetupPath1, &QAction::triggered, this, &TForm1::SetupPath1Click);
    connectHandler(ShowHicoloricons1, &QAction::triggered, this, &TForm1::ShowHicoloricons1Click);
    connectHandler(Unassociatedfileviewer1, &QAction::triggered, this, &TForm1::Unassociatedfileviewer1Click);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connectHandler(help, &QShortcut::activated, this, [this] {
        // The help context of the focused control, else of the window.
        for (QWidget* widget = focusWidget(); widget; widget = widget->parentWidget()) {
            const QVariant context = widget->property(HelpContextProperty);
            if (context.isValid()) {
                showHelpContext(context.toInt());
                return;
            }
        }
        showHelpContext(FormHelpContext);
    });
}

// ---------------------------------------------------------------------------------------
// Create, show, resize and destroy steps

void TForm1::FormCreate()
{
    // Step 1 throws "Cannot open file Korrelin.bmp" when the picture is missing; the
    // preference reads after it are then skipped.
    GroupBox1->loadPicture(QStringLiteral("Korrelin.bmp"));
    Preferences::readAtCreate(*this);
}

void TForm1::FormShow()
{
    {
        TRegistry settings;
        settings.RootKey = HKEY_LOCAL_MACHINE;
        settings.LazyWrite = false;
        settings.OpenKey(Preferences::SettingsKey, true);
        Preferences::applyWrapAtShow(*this, settings);
        passwordState.readAtShow(settings);
        Preferences::applyAutoAtShow(*this, settings);
        settings.CloseKey();
    }
    if (passwordState.startupPromptDue())
        passwordState.runStartupPrompt();
}

void TForm1::FormDestroy()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    try {
        if (m_helpViewer)
            m_helpViewer->quit();
        Preferences::savePosition(*this);
    } catch (const std::exception& error) {
        Application::showException(error);
    }
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::FormResize()
{
    // The rule is stated in outer window widths (frame included).
    const int outerWidth = frameGeometry().width();
    Dock972->resize(m_surface->width(), Dock97::RowHeight);
    Dock973->resize(m_surface->width(), Dock97::RowHeight);
    Panel2->resize(outerWidth - 203, Dock97::RowHeight);
    Panel4->setGeometry(141, 0, outerWidth - 149, Dock97::RowHeight);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    Application::requestTerminate();
    event->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            QAction* entry = menu->activeAction();
            const int context = entry ? entry->property(HelpContextProperty).toInt() : FormHelpContext;
            menu->close();
            try {
                showHelpContext(context);
            } catch (const std::exception& error) {
                Application::showException(error);
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------
// Operations used by the panels and the player

void TForm1::HideAllPanels()
{
    // By name, so that panels not built yet are simply absent. Only the panel area is
    // searched: the Options dialog has group boxes of the same names.
    for (const QString& name : panelNames())
        if (auto* panel = m_surface->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly))
            panel->hide();
}

QList<ListView*> TForm1::tweakLists() const
{
    return {ListView3, ListView5, ListView6, ListView7, ListView10, ListView11};
}

void TForm1::HideAllLists()
{
    for (ListView* list : tweakLists())
        list->hide();
}

void TForm1::RelayoutTweakLists()
{
    // Showing each list lays its icons out again with the current arrangement and
    // wrapping; the order is as designed and ends with the "Look" list shown.
    for (int round = 0; round < 2; ++round) {
        HideAllLists();
        for (ListView* list : tweakLists()) {
            list->show();
            list->arrange();
        }
    }
    HideAllLists();
    ListView3->show();
}

void TForm1::setStatusText(const QString& text)
{
    StatusBar1->setText(text);
}

QString TForm1::statusText() const
{
    return StatusBar1->text();
}

void TForm1::ApplyViewOptions()
{
    Preferences::applyViewOptions(*this);
}

void TForm1::ReloadPasswordState()
{
    passwordState.reload();
}

HelpViewer* TForm1::helpViewer()
{
    if (!m_helpViewer)
        m_helpViewer = new HelpViewer(this);
    return m_helpViewer;
}

void TForm1::showHelpContext(int context)
{
    helpViewer()->showContext(context);
}

// ---------------------------------------------------------------------------------------
// Navigation

int TForm1::chosenPosition(const ListView* list)
{
    return list->selectedPosition();
}

void TForm1::openChosen(const ListView* list, std::initializer_list<PanelSlot*> panels)
{
    const int position = chosenPosition(list);
    if (position >= 0 && position < static_cast<int>(panels.size()))
        panels.begin()[position]->panel()->openFromList();
}

void TForm1::showChosenDescription(const ListView* list, const QStringList& descriptions)
{
    const int position = chosenPosition(list);
    if (position >= 0 && position < descriptions.size())
        setStatusText(descriptions[position]);
}

void TForm1::ListView1Click()
{
    showChosenDescription(ListView1, CategoryDescriptions);
}

void TForm1::ListView1DblClick()
{
    // Switching lists never touches the panel area.
    const int position = chosenPosition(ListView1);
    if (position < 0)
        return;
    if (position == 5) {
        if (!passwordState.policiesGate())
            return;
        HideAllLists();
        ListView11->show();
        return;
    }
    ListView* const lists[] = {ListView3, ListView5, ListView6, ListView7, ListView10};
    HideAllLists();
    lists[position]->show();
}

void TForm1::ListView3Click() { showChosenDescription(ListView3, ListView3Descriptions); }
void TForm1::ListView5Click() { showChosenDescription(ListView5, ListView5Descriptions); }
void TForm1::ListView6Click() { showChosenDescription(ListView6, ListView6Descriptions); }
void TForm1::ListView7Click() { showChosenDescription(ListView7, ListView7Descriptions); }
void TForm1::ListView10Click() { showChosenDescription(ListView10, ListView10Descriptions); }
void TForm1::ListView11Click() { showChosenDescription(ListView11, ListView11Descriptions); }

void TForm1::ListView3DblClick()
{
    openChosen(ListView3, {&GroupBox3, &GroupBox5, &GroupBox2,
                           &GroupBox16, &GroupBox17, &GroupBox18});
}

void TForm1::ListView5DblClick()
{
    openChosen(ListView5, {&GroupBox4, &GroupBox7, &GroupBox12,
                           &GroupBox14, &GroupBox19, &GroupBox22});
}

void TForm1::ListView6DblClick()
{
    openChosen(ListView6, {&GroupBox6, &GroupBox8, &GroupBox13});
}

void TForm1::ListView7DblClick()
{
    openChosen(ListView7, {&GroupBox10, &GroupBox30, &GroupBox31, &GroupBox32});
}

void TForm1::ListView10DblClick()
{
    openChosen(ListView10, {&GroupBox24, &GroupBox25, &GroupBox27, &GroupBox28});
}

void TForm1::ListView11DblClick()
{
    openChosen(ListView11, {&GroupBox33, &GroupBox34, &GroupBox35, &GroupBox36});
}

// The Actions menu: the panel opens on the right, the list shown stays, no password.
void TForm1::AddRemovePrograms1Click() { GroupBox12->openFromMenu(); }
void TForm1::Addsoundevents1Click() { GroupBox14->openFromMenu(); }
void TForm1::AddSubmenuItemtoallfiles1Click() { GroupBox28->openFromMenu(); }
void TForm1::AddtoNewmenu1Click() { GroupBox7->openFromMenu(); }
void TForm1::Addingsubmenuitems1Click() { GroupBox22->openFromMenu(); }
void TForm1::Animation1Click() { GroupBox5->openFromMenu(); }
void TForm1::BitmapIcons1Click() { GroupBox3->openFromMenu(); }
void TForm1::CommandPromtHere1Click() { GroupBox31->openFromMenu(); }
void TForm1::ExploreFromHere1Click() { GroupBox32->openFromMenu(); }
void TForm1::LocationoftheDefaultFolder1Click() { GroupBox24->openFromMenu(); }
void TForm1::LogProgramFaults1Click() { GroupBox13->openFromMenu(); }
void TForm1::Mycomputericon1Click() { GroupBox2->openFromMenu(); }
void TForm1::Mycomputerviewer1Click() { GroupBox4->openFromMenu(); }
void TForm1::OwnerInformation1Click() { GroupBox6->openFromMenu(); }
void TForm1::PopupMenuSpeed1Click() { GroupBox10->openFromMenu(); }
void TForm1::ProductID1Click() { GroupBox8->openFromMenu(); }
void TForm1::RecycleBinsIcon1Click() { GroupBox16->openFromMenu(); }
void TForm1::RemoveRecycleBin1Click() { GroupBox18->openFromMenu(); }
void TForm1::RenameRecycleBin1Click() { GroupBox17->openFromMenu(); }
void TForm1::RemovetheShortcutArrow1Click() { GroupBox27->openFromMenu(); }
void TForm1::SetupPath1Click() { GroupBox25->openFromMenu(); }
void TForm1::ShowHicoloricons1Click() { GroupBox30->openFromMenu(); }
void TForm1::Unassociatedfileviewer1Click() { GroupBox19->openFromMenu(); }

// ---------------------------------------------------------------------------------------
// Menus and toolbar buttons

void TForm1::Exit1Click()
{
    Application::requestTerminate();
}

void TForm1::ToolbarButton978Click()
{
    Application::requestTerminate();
}

void TForm1::ResetPosition1Click()
{
    Preferences::runOptionsDialog(*this);
}

void TForm1::Help1Click()
{
    helpViewer()->showContents();
}

void TForm1::ToolbarButton979Click()
{
    helpViewer()->showContents();
}

void TForm1::GotoKorrelinHomepage1Click()
{
    if (!GoToWeb1->openUrl(QStringLiteral(KORRELIN_HOMEPAGE)))
        Messages::systemBox(QStringLiteral("Error"), QStringLiteral("Error when trying to conect..."),
                            Messages::Icon::Error);
}

void TForm1::ToolbarButton9710Click()
{
    GotoKorrelinHomepage1Click();
}

void TForm1::ToolbarButton974Click()
{
    if (!GoToWeb1->sendMail(QStringLiteral(KORRELIN_MAIL)))
        Messages::error(QStringLiteral("Error when trying to send mail!"));
}

void TForm1::About1Click()
{
    HideAllPanels();
    GroupBox1->show();
}

void TForm1::ToolbarButton9711Click()
{
    About1Click();
}

void TForm1::SetChangePassword1Click()
{
    passwordState.setChangePassword();
    ReloadPasswordState();
}

void TForm1::Security1Click()
{
    passwordState.changeSecurity();
}

void TForm1::Panel2MouseMove()
{
    Toolbar972->dockAt(0, 0);
}

void TForm1::Panel4MouseMove()
{
    Toolbar973->dockAt(0, 0);
}
