// The main window: its state at start, navigation between categories, lists and panels,
// the status line, the toolbars and the links.
#include "MainWindowFixture.h"

#include "AboutPanel.h"
#include "DefaultStore.h"
#include "Store.h"
#include "Application.h"
#include "GoToWeb.h"
#include "HelpViewer.h"
#include "StatusBar.h"
#include "Toolbar97.h"
#include "TweakPanel.h"
#include "Unit1.h"
#include "preferences/Unit9.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>

#include <QDir>
#include <QFile>
#include <QImage>

#include <functional>
#include <memory>

namespace {

// A panel of a name no tweak uses, shown the way a tweak panel is shown.
class ProbePanel : public TweakPanel {
public:
    explicit ProbePanel(TForm1& form) : TweakPanel(form, QStringLiteral("GroupBox99"), QStringLiteral("Probe")) {}
};

class MainWindowTest : public MainWindowFixture {
protected:
    // A fresh Windows 95 store, so that the tweak panels open as for a new user.
    MainWindowTest() : MainWindowFixture(Seed::Windows95) {}

    // The one tweak list on screen, by name.
    QString shownList() const
    {
        QStringList shown;
        for (ListView* list : {form->ListView3, form->ListView5, form->ListView6,
                               form->ListView7, form->ListView10, form->ListView11})
            if (list->isVisible())
                shown << list->objectName();
        return shown.join(QLatin1Char(','));
    }

    QString shownPanel() const
    {
        QStringList shown;
        for (const QString& name : TForm1::panelNames())
            if (auto* panel = form->panelArea()->findChild<QWidget*>(name); panel && panel->isVisible())
                shown << name;
        return shown.join(QLatin1Char(','));
    }
};

TEST_F(MainWindowTest, StartsWithTheAboutPanelTheLookListAndTheWelcomeAtTheDesignedPlaces)
{
    EXPECT_EQ(shownList(), "ListView3");
    EXPECT_EQ(shownPanel(), "GroupBox1");
    EXPECT_EQ(form->StatusBar1->text(), "Welcomme to Korrelin");
    EXPECT_EQ(form->StatusBar1->property("text").toString(), "Welcomme to Korrelin");
    EXPECT_EQ(form->pos(), QPoint(69, 6));
    EXPECT_EQ(form->size(), QSize(522, 412));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form->ListView1->geometry(), QRect(0, 53, 257, 228));
    EXPECT_EQ(form->ListView10->geometry(), QRect(0, 288, 257, 105));
    EXPECT_EQ(form->GroupBox1->geometry(), QRect(264, 52, 257, 342));
    EXPECT_EQ(form->StatusBar1->height(), 19);
    // The About picture was found beside the test executable.
    EXPECT_FALSE(form->Image1->pixmap().isNull());
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(MainWindowTest, SingleClicksPutDescriptionsOnTheStatusLine)
{
    struct Case {
        ListView* TForm1::*list;
        const char* category; // double-clicked first to show the list, or null
        const char* entry;
        const char* status;
    };
    const Case cases[] = {
        {&TForm1::ListView1, nullptr, "Look", "Change how Windows 95 looks"},
        {&TForm1::ListView1, nullptr, "Functionality", "Change events like what happens when you click on an icon"},
        {&TForm1::ListView1, nullptr, "Information etc", "Change information in Windows 95 like owner information etc"},
        {&TForm1::ListView1, nullptr, "Speed and more", "Change menu speed etc"},
        {&TForm1::ListView1, nullptr, "Other", "Other thing like changing directories"},
        {&TForm1::ListView1, nullptr, "Policies", "Change the Security"},
        {&TForm1::ListView3, "Look", "Bitmap Icons", "Make the bitmap icons look like an image of them selfs"},
        {&TForm1::ListView3, "Look", "Animation", "Remove the Maximize/Minimize animation"},
        {&TForm1::ListView3, "Look", "My computer icon", "Chose icon for My computer"},
        {&TForm1::ListView3, "Look", "Recycle Bin's Icon", "Change the icon for the Recycle Bin"},
        {&TForm1::ListView3, "Look", "Rename Recycle Bin", "Rename the Recycle Bin"},
        {&TForm1::ListView3, "Look", "Remove Recycle Bin", "Remove Recycle Bin from the desktop"},
        {&TForm1::ListView5, "Functionality", "My computer viewer", "Select viewer for My computer"},
        {&TForm1::ListView5, "Functionality", "Add to New menu", "Add component to the New menu"},
        {&TForm1::ListView5, "Functionality", "Add/Remove Programs", "Remove items from the uninstall list"},
        {&TForm1::ListView5, "Functionality", "Add sound events", "Add sound events to programs"},
        {&TForm1::ListView5, "Functionality", "Unassociated file viewer", "Change the Unassociated file viewer"},
        {&TForm1::ListView5, "Functionality", "Adding submenu items", "Add submenu items to nonassociated files"},
        {&TForm1::ListView6, "Information etc", "Owner Information", "Change the owner information"},
        {&TForm1::ListView6, "Information etc", "Product ID", "Change the Product ID Information"},
        {&TForm1::ListView6, "Information etc", "Log Program Faults", "Save Program faults to a file"},
        {&TForm1::ListView7, "Speed and more", "Popup menu speed", "Change the menu popup speed"},
        {&TForm1::ListView7, "Speed and more", "Show icons with Hi colors", "Show Hi color icons without the Plus Pack"},
        {&TForm1::ListView7, "Speed and more", "Command Promt Here", "Command Promt Here"},
        {&TForm1::ListView7, "Speed and more", "Explore From Here", "Explore From Here"},
        {&TForm1::ListView10, "Other", "Location of Default Folders", "Change the default direcoty for the Fonts direcory etc"},
        {&TForm1::ListView10, "Other", "Setup Path", "Change the Windows 95 Setup Path"},
        {&TForm1::ListView10, "Other", "Remove the Shortcut Arrows", "Remove the shortcut arrows"},
        {&TForm1::ListView10, "Other", "Submenu Item to all files", "Add Sub menu Items to all files"},
        {&TForm1::ListView11, "Policies", "Explorer", "Change things like disabling the shutdown menu"},
        {&TForm1::ListView11, "Policies", "System", "Change things like hiding the screensaver page"},
        {&TForm1::ListView11, "Policies", "Network and MS-DOS", "Change things like disabling the MS-DOS Promt"},
        {&TForm1::ListView11, "Policies", "Disable right click on Start button", "Here you can disable the right click on the Start button"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        if (c.category)
            doubleClickEntry(form->ListView1, QString::fromLatin1(c.category));
        clickEntry(form.get()->*c.list, QString::fromLatin1(c.entry));
        EXPECT_EQ(form->statusText(), QString::fromLatin1(c.status));
    }
}

TEST_F(MainWindowTest, CategoryDoubleClickSwitchesTheListAndLeavesThePanel)
{
    auto* probe = new ProbePanel(*form);
    probe->ShowPanel();
    ASSERT_FALSE(form->GroupBox1->isVisible());

    const std::pair<const char*, const char*> cases[] = {
        {"Look", "ListView3"},  {"Functionality", "ListView5"}, {"Information etc", "ListView6"},
        {"Speed and more", "ListView7"}, {"Other", "ListView10"}, {"Policies", "ListView11"},
    };
    for (const auto& [category, list] : cases) {
        SCOPED_TRACE(category);
        doubleClickEntry(form->ListView1, QString::fromLatin1(category));
        EXPECT_EQ(shownList(), list);
        EXPECT_TRUE(probe->isVisible());
    }
}

TEST_F(MainWindowTest, DoubleClicksWithNothingSelectedChangeNothing)
{
    doubleClickEntry(form->ListView1, QStringLiteral("Information etc"));
    form->setStatusText(QStringLiteral("last hint"));
    for (ListView* list : {form->ListView1, form->ListView6}) {
        SCOPED_TRACE(list->objectName().toStdString());
        const QPoint empty = emptySpot(list);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, empty);
        EXPECT_EQ(list->selected(), nullptr);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, empty);
        EXPECT_EQ(shownList(), "ListView6");
        EXPECT_EQ(shownPanel(), "GroupBox1");
        EXPECT_EQ(form->statusText(), "last hint");
    }
}

// Every tweak-list position and every Actions-menu entry against the panel it must open
// (each panel is built when first opened).
TEST_F(MainWindowTest, ListEntriesAndActionsOpenThePanelOfTheirPosition)
{
    struct Case {
        const char* category;
        ListView* TForm1::*list;
        const char* entry;
        const char* panel;
        QAction* TForm1::*action;
    };
    const Case cases[] = {
        {"Look", &TForm1::ListView3, "Bitmap Icons", "GroupBox3", &TForm1::BitmapIcons1},
        {"Look", &TForm1::ListView3, "Animation", "GroupBox5", &TForm1::Animation1},
        {"Look", &TForm1::ListView3, "My computer icon", "GroupBox2", &TForm1::Mycomputericon1},
        {"Look", &TForm1::ListView3, "Recycle Bin's Icon", "GroupBox16", &TForm1::RecycleBinsIcon1},
        {"Look", &TForm1::ListView3, "Rename Recycle Bin", "GroupBox17", &TForm1::RenameRecycleBin1},
        {"Look", &TForm1::ListView3, "Remove Recycle Bin", "GroupBox18", &TForm1::RemoveRecycleBin1},
        {"Functionality", &TForm1::ListView5, "My computer viewer", "GroupBox4", &TForm1::Mycomputerviewer1},
        {"Functionality", &TForm1::ListView5, "Add to New menu", "GroupBox7", &TForm1::AddtoNewmenu1},
        {"Functionality", &TForm1::ListView5, "Add/Remove Programs", "GroupBox12", &TForm1::AddRemovePrograms1},
        {"Functionality", &TForm1::ListView5, "Add sound events", "GroupBox14", &TForm1::Addsoundevents1},
        {"Functionality", &TForm1::ListView5, "Unassociated file viewer", "GroupBox19", &TForm1::Unassociatedfileviewer1},
        {"Functionality", &TForm1::ListView5, "Adding submenu items", "GroupBox22", &TForm1::Addingsubmenuitems1},
        {"Information etc", &TForm1::ListView6, "Owner Information", "GroupBox6", &TForm1::OwnerInformation1},
        {"Information etc", &TForm1::ListView6, "Product ID", "GroupBox8", &TForm1::ProductID1},
        {"Information etc", &TForm1::ListView6, "Log Program Faults", "GroupBox13", &TForm1::LogProgramFaults1},
        {"Speed and more", &TForm1::ListView7, "Popup menu speed", "GroupBox10", &TForm1::PopupMenuSpeed1},
        {"Speed and more", &TForm1::ListView7, "Show icons with Hi colors", "GroupBox30", &TForm1::ShowHicoloricons1},
        {"Speed and more", &TForm1::ListView7, "Command Promt Here", "GroupBox31", &TForm1::CommandPromtHere1},
        {"Speed and more", &TForm1::ListView7, "Explore From Here", "GroupBox32", &TForm1::ExploreFromHere1},
        {"Other", &TForm1::ListView10, "Location of Default Folders", "GroupBox24", &TForm1::LocationoftheDefaultFolder1},
        {"Other", &TForm1::ListView10, "Setup Path", "GroupBox25", &TForm1::SetupPath1},
        {"Other", &TForm1::ListView10, "Remove the Shortcut Arrows", "GroupBox27", &TForm1::RemovetheShortcutArrow1},
        {"Other", &TForm1::ListView10, "Submenu Item to all files", "GroupBox28", &TForm1::AddSubmenuItemtoallfiles1},
        {"Policies", &TForm1::ListView11, "Explorer", "GroupBox33", nullptr},
        {"Policies", &TForm1::ListView11, "System", "GroupBox34", nullptr},
        {"Policies", &TForm1::ListView11, "Network and MS-DOS", "GroupBox35", nullptr},
        {"Policies", &TForm1::ListView11, "Disable right click on Start button", "GroupBox36", nullptr},
    };
    int actions = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        const QString name = QString::fromLatin1(c.panel);
        form->About1->trigger();
        doubleClickEntry(form->ListView1, QString::fromLatin1(c.category));
        const QString list = (form.get()->*c.list)->objectName();
        // A renamed label still opens the panel of its position.
        if (c.list == &TForm1::ListView6)
            form->ListView6->findItems(QString::fromLatin1(c.entry), Qt::MatchExactly)
                .first()->setText(QStringLiteral("Renamed"));
        doubleClickEntry(form.get()->*c.list,
                         c.list == &TForm1::ListView6 ? QStringLiteral("Renamed") : QString::fromLatin1(c.entry));
        if (c.list == &TForm1::ListView6)
            form->ListView6->findItems(QStringLiteral("Renamed"), Qt::MatchExactly)
                .first()->setText(QString::fromLatin1(c.entry));
        EXPECT_EQ(shownPanel(), name);
        EXPECT_EQ(shownList(), list);
        if (!c.action)
            continue;
        ++actions;
        QAction* action = form.get()->*c.action;
        EXPECT_TRUE(action->isEnabled());
        form->About1->trigger();
        doubleClickEntry(form->ListView1, QStringLiteral("Look"));
        action->trigger();
        EXPECT_EQ(shownPanel(), name);
        EXPECT_EQ(shownList(), "ListView3") << "the Actions menu leaves the list shown";
    }
    EXPECT_EQ(actions, 23);
    for (const RecordedBox& box : recorder.boxes)
        ADD_FAILURE() << "unexpected box " << box.caption.toStdString() << ": " << box.text.toStdString();
}

TEST_F(MainWindowTest, TheActionsMenuHasItsEntriesInOrderWithTheirHelpContext)
{
    const QList<QAction*> entries = form->PopupMenu3->actions();
    ASSERT_EQ(entries.size(), 23);
    EXPECT_EQ(entries.first()->text(), "&Add/Remove Programs");
    EXPECT_EQ(entries[2]->text(), "&Add Sub menu Item to all files");
    EXPECT_EQ(entries.last()->text(), "&Unassociated file viewer");
    for (QAction* entry : entries) {
        SCOPED_TRACE(entry->objectName().toStdString());
        EXPECT_EQ(entry->property("HelpContext").toInt(), 10);
        EXPECT_EQ(form->findChild<QAction*>(entry->objectName()), entry);
    }
}

TEST_F(MainWindowTest, AboutShowsTheAboutPanelOverAnOpenTweakPanel)
{
    QWidget* panel = form->GroupBox2.panel();
    for (const auto& about : {std::function<void()>([&] { form->About1->trigger(); }),
                              std::function<void()>([&] { form->ToolbarButton9711->click(); })}) {
        form->HideAllPanels();
        panel->show();
        about();
        EXPECT_EQ(shownPanel(), "GroupBox1");
        EXPECT_TRUE(panel->isHidden());
    }
}

TEST_F(MainWindowTest, HideAllPanelsLeavesSameNamedGroupBoxesOfTheDialogsAlone)
{
    // The Options dialog has its own GroupBox2, and it may be a child of the main window.
    TForm9 options(form.get());
    auto* foreign = new QWidget(&options);
    foreign->setObjectName(QStringLiteral("GroupBox2"));
    form->HideAllPanels();
    EXPECT_EQ(shownPanel(), "");
    EXPECT_FALSE(foreign->isHidden());
}

TEST_F(MainWindowTest, RelayoutEndsWithTheLookList)
{
    doubleClickEntry(form->ListView1, QStringLiteral("Other"));
    form->RelayoutTweakLists();
    EXPECT_EQ(shownList(), "ListView3");
    EXPECT_EQ(shownPanel(), "GroupBox1");
}

TEST_F(MainWindowTest, ResizeKeepsTheFillerPanelsFillingTheirRows)
{
    for (const QSize size : {QSize(600, 450), QSize(400, 300), QSize(522, 412)}) {
        form->resize(size);
        QCoreApplication::processEvents();
        const int outer = form->frameGeometry().width();
        EXPECT_EQ(form->Panel2->width(), outer - 203);
        EXPECT_EQ(form->Panel4->geometry(), QRect(141, 0, outer - 149, 26));
    }
}

TEST_F(MainWindowTest, MovingOverTheFillerSnapsTheDraggedToolbarBack)
{
    // Drag Toolbar973 by its grip along the dock.
    Toolbar97* toolbar = form->Toolbar973;
    const QPoint grip(4, toolbar->height() / 2);
    QTest::mousePress(toolbar, Qt::LeftButton, {}, grip);
    QMouseEvent drag(QEvent::MouseMove, QPointF(grip + QPoint(40, 0)), toolbar->mapToGlobal(QPointF(grip + QPoint(40, 0))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(toolbar, &drag);
    QTest::mouseRelease(toolbar, Qt::LeftButton, {}, grip + QPoint(40, 0));
    ASSERT_EQ(toolbar->x(), 40);
    EXPECT_EQ(form->Toolbar972->x(), 0);

    // The other dock's filler does not move this toolbar; its own does.
    QTest::mouseMove(form->Panel2, QPoint(form->Panel2->width() - 5, 10));
    EXPECT_EQ(toolbar->x(), 40);
    QTest::mouseMove(form->Panel4, QPoint(form->Panel4->width() - 5, 10));
    EXPECT_EQ(toolbar->x(), 0);
}

TEST_F(MainWindowTest, HintsStayOverListsAndPanelsAndTheBareSurfaceRestoresTheWelcome)
{
    const std::pair<QToolButton*, const char*> hints[] = {
        {form->ToolbarButton978, "Exit Korrelin"},
        {form->ToolbarButton979, "Open Korrelin's Help"},
        {form->ToolbarButton9710, "Go to Korrelin's Homepage"},
        {form->ToolbarButton974, "Send me E-Mail"},
        {form->ToolbarButton9711, "About Korrelin"},
    };
    for (const auto& [button, hint] : hints) {
        QTest::mouseMove(button, button->rect().center());
        EXPECT_EQ(form->statusText(), QString::fromLatin1(hint));
    }
    QTest::mouseMove(form->ListView1, form->ListView1->rect().center());
    EXPECT_EQ(form->statusText(), "About Korrelin");
    QTest::mouseMove(form->GroupBox1, form->GroupBox1->rect().center());
    EXPECT_EQ(form->statusText(), "About Korrelin");
    // Between the left column and the panel area lies bare window surface.
    QTest::mouseMove(form->panelArea(), QPoint(260, 200));
    EXPECT_EQ(form->statusText(), "Welcomme to Korrelin");
}

TEST_F(MainWindowTest, HomePageAndMailFailuresShowTheirOwnBoxes)
{
    struct Case {
        std::function<void(TForm1&)> act;
        bool works;
        std::vector<std::pair<QString, QString>> expected;
    };
    const std::vector<Case> cases = {
        {[](TForm1& f) { f.GotoKorrelinHomepage1->trigger(); }, false, {{"Error", "Error when trying to conect..."}}},
        {[](TForm1& f) { f.ToolbarButton9710->click(); }, false, {{"Error", "Error when trying to conect..."}}},
        {[](TForm1& f) { f.ToolbarButton974->click(); }, false, {{"Error", "Error when trying to send mail!"}}},
        {[](TForm1& f) { f.GotoKorrelinHomepage1->trigger(); }, true, {}},
        {[](TForm1& f) { f.ToolbarButton974->click(); }, true, {}},
    };
    QStringList attempts;
    for (const Case& c : cases) {
        recorder.boxes.clear();
        GoToWeb::setHook([&, works = c.works](const QString& kind, const QString& target) {
            attempts << kind + QLatin1Char(' ') + target;
            return works;
        });
        c.act(*form);
        ASSERT_EQ(recorder.boxes.size(), c.expected.size());
        for (size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(recorder.boxes[i].caption, c.expected[i].first);
            EXPECT_EQ(recorder.boxes[i].text, c.expected[i].second);
            EXPECT_EQ(recorder.boxes[i].icon, Messages::Icon::Error);
        }
    }
    GoToWeb::setHook(nullptr);
    EXPECT_EQ(attempts.first(), QStringLiteral("web ") + QStringLiteral(KORRELIN_HOMEPAGE));
    EXPECT_EQ(attempts[2], QStringLiteral("mail ") + QStringLiteral(KORRELIN_MAIL));
}

TEST_F(MainWindowTest, HelpOpensContentsAndTopicsAndTheDestroyStepClosesIt)
{
    form->Help1->trigger();
    HelpViewer* viewer = form->helpViewer();
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->currentPage().endsWith("index.html"));

    // F1 in an open menu shows the topic of the highlighted entry.
    form->PopupMenu2->popup(QPoint(0, 0));
    form->PopupMenu2->setActiveAction(form->GotoKorrelinHomepage1);
    QTest::keyClick(form->PopupMenu2, Qt::Key_F1);
    EXPECT_TRUE(viewer->currentPage().endsWith(HelpViewer::pageOfContext(4)));
    EXPECT_FALSE(form->PopupMenu2->isVisible());

    // F1 on the window: the window's own topic.
    form->activateWindow();
    form->ListView1->setFocus();
    QTest::keyClick(form->ListView1, Qt::Key_F1);
    EXPECT_TRUE(viewer->currentPage().endsWith(HelpViewer::pageOfContext(1)));

    form->FormDestroy();
    EXPECT_FALSE(viewer->isVisible());
}

TEST_F(MainWindowTest, EveryHelpContextHasAPage)
{
    for (const int context : {1, 4, 5, 6, 7, 10}) {
        SCOPED_TRACE(context);
        const QString page = HelpViewer::pageOfContext(context);
        EXPECT_NE(page, HelpViewer::pageOfContext(0));
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + page));
    }
}

TEST_F(MainWindowTest, ExitAndTheExitButtonAskTheApplicationToEnd)
{
    ASSERT_FALSE(Application::terminateRequested());
    form->ToolbarButton978->click();
    EXPECT_TRUE(Application::terminateRequested());
}

TEST(MainWindowStartTest, MissingAboutPictureGivesOneBoxAndTheWindowStillOpens)
{
    // Neither the current directory nor the data folder holds the picture.
    QTemporaryDir current;
    QTemporaryDir data;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(current.path());
    qputenv("KORRELIN_DATA_DIR", data.path().toLocal8Bit());
    BoxRecorder recorder;
    {
        TForm1 form;
        EXPECT_TRUE(form.Image1->pixmap().isNull());
        EXPECT_EQ(form.pos(), QPoint(69, 6));
    }
    qunsetenv("KORRELIN_DATA_DIR");
    QDir::setCurrent(previous);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, "Korrelin");
    EXPECT_EQ(recorder.boxes[0].text, "Cannot open file Korrelin.bmp.");
    EXPECT_EQ(recorder.boxes[0].icon, Messages::Icon::Error);
}

TEST(MainWindowStartTest, PictureInTheCurrentDirectoryComesFirst)
{
    QTemporaryDir current;
    QImage picture(7, 5, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(current.filePath(QStringLiteral("Korrelin.bmp")), "BMP"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(current.path());
    TForm1 form;
    QDir::setCurrent(previous);
    EXPECT_EQ(form.Image1->pixmap().size(), QSize(7, 5));
}

} // namespace
