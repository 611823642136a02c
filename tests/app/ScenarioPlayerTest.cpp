// The scenario player on a small window of its own: lines that run inside modal
// dialogs and only after the handler that opened a dialog has finished, real input on
// the controls, the failure lines, and the store and file checks.
#include "ScenarioPlayer.h"

#include "Application.h"
#include "BrowseDialog.h"
#include "GoToWeb.h"
#include "Messages.h"
#include "Store.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A dialog with an edit, O&K, C&ancel, and "&More" that opens a second dialog from its
// own handler.
struct TestDialogs {
    QDialog outer;
    QDialog inner;
    QLineEdit* edit = named(new QLineEdit(&outer), "Edit1");
    QString innerResult;

    TestDialogs()
    {
        outer.setObjectName("TestDialog");
        inner.setObjectName("InnerDialog");
        outer.resize(300, 200);
        edit->setGeometry(10, 10, 200, 24);
        auto* ok = new QPushButton("O&K", &outer);
        ok->setGeometry(10, 150, 80, 30);
        auto* cancel = new QPushButton("C&ancel", &outer);
        cancel->setGeometry(100, 150, 80, 30);
        auto* more = new QPushButton("&More", &outer);
        more->setGeometry(190, 150, 80, 30);
        QObject::connect(ok, &QPushButton::clicked, &outer, &QDialog::accept);
        QObject::connect(cancel, &QPushButton::clicked, &outer, &QDialog::reject);
        // Closes the dialog from the event loop rather than from the click: the loop then
        // turns once more while the dialog is already closed.
        auto* later = new QPushButton("&Later", &outer);
        later->setGeometry(10, 110, 80, 30);
        QObject::connect(later, &QPushButton::clicked, [this] {
            QMetaObject::invokeMethod(&outer, &QDialog::accept, Qt::QueuedConnection);
        });
        QObject::connect(more, &QPushButton::clicked, [this] {
            // Work after the inner dialog returns that the next line must see.
            innerResult = inner.exec() == QDialog::Accepted ? "inner accepted" : "inner rejected";
        });
        auto* innerOk = new QPushButton("O&K", &inner);
        innerOk->setGeometry(10, 10, 80, 30);
        QObject::connect(innerOk, &QPushButton::clicked, &inner, &QDialog::accept);
    }
};

struct TestWindow {
    QMainWindow window;
    QWidget* surface = new QWidget(&window);
    QStatusBar* status = named(new QStatusBar(&window), "StatusBar1");
    QToolButton* open = named(new QToolButton(surface), "OfficeButton1");
    QToolButton* browse = named(new QToolButton(surface), "OfficeButton2");
    QToolButton* quit = named(new QToolButton(surface), "OfficeButton3");
    QToolButton* web = named(new QToolButton(surface), "OfficeButton4");
    QLineEdit* edit = named(new QLineEdit(surface), "Edit1");
    QLineEdit* password = named(new QLineEdit(surface), "Edit2");
    QLabel* changes = named(new QLabel(surface), "Label1");
    QCheckBox* check = named(new QCheckBox("Remove", surface), "CheckBox1");
    QComboBox* combo = named(new QComboBox(surface), "ComboBox1");
    QListWidget* list = named(new QListWidget(surface), "ListView1");
    QSlider* slider = named(new QSlider(Qt::Horizontal, surface), "TrackBar1");
    QTabBar* tabs = named(new QTabBar(surface), "TabControl1");
    QToolButton* disabled = named(new QToolButton(surface), "OfficeButton5");
    BrowseDialog browseDialog{"Programs|*.exe", "*.exe"};
    GoToWeb links;
    TestDialogs dialogs;
    int editChanges = 0;

    TestWindow()
    {
        window.setObjectName("Form1");
        window.setCentralWidget(surface);
        window.setStatusBar(status);
        window.resize(500, 420);
        open->setText("&Open");
        open->setAutoRaise(true);
        open->setGeometry(0, 0, 60, 24);
        browse->setText("&Browse");
        browse->setGeometry(70, 0, 60, 24);
        quit->setText("C&ancel");
        quit->setGeometry(140, 0, 60, 24);
        web->setText("&Web");
        web->setGeometry(210, 0, 60, 24);
        edit->setGeometry(0, 30, 200, 24);
        password->setGeometry(210, 30, 200, 24);
        password->setEchoMode(QLineEdit::Password);
        changes->setGeometry(420, 30, 60, 24);
        check->setGeometry(0, 60, 300, 24); // far wider than its caption
        combo->addItems({"zero", "one", "two"});
        combo->setCurrentIndex(-1);
        combo->setPlaceholderText("Choose");
        combo->setGeometry(0, 90, 150, 24);
        list->setViewMode(QListView::IconMode);
        list->addItems({"Look", "Other"});
        list->setGeometry(0, 120, 250, 120);
        slider->setRange(0, 10);
        slider->setGeometry(0, 250, 200, 24);
        tabs->addTab("One");
        tabs->addTab("Two");
        tabs->setGeometry(0, 280, 200, 30);
        disabled->setText("&Off");
        disabled->setGeometry(260, 120, 60, 24);
        disabled->setEnabled(false);

        QObject::connect(open, &QToolButton::clicked, [this] {
            const int result = dialogs.outer.exec();
            // Runs only after the dialog's loop returned: the line after the one that
            // closed the dialog must see this status and this message.
            status->showMessage(result == QDialog::Accepted ? "accepted:" + dialogs.edit->text() : "rejected");
            Messages::information("closed");
        });
        QObject::connect(browse, &QToolButton::clicked, [this] {
            if (browseDialog.Execute())
                edit->setText(browseDialog.FileName());
        });
        QObject::connect(quit, &QToolButton::clicked, [] { Application::requestTerminate(); });
        QObject::connect(web, &QToolButton::clicked, [this] {
            if (!links.openUrl("https://example.org/"))
                Messages::error("no web");
        });
        QObject::connect(disabled, &QToolButton::clicked, [this] { status->showMessage("disabled clicked"); });
        QObject::connect(edit, &QLineEdit::textChanged, [this] { changes->setText(QString::number(++editChanges)); });
        QObject::connect(check, &QCheckBox::toggled, [this](bool on) { status->showMessage(on ? "on" : "off"); });
        QObject::connect(combo, &QComboBox::activated, [this](int i) { status->showMessage(QString("chose %1").arg(i)); });
        QObject::connect(list, &QListWidget::itemDoubleClicked,
                         [this](QListWidgetItem* item) { status->showMessage("opened " + item->text()); });
        QObject::connect(tabs, &QTabBar::currentChanged, [this](int i) { status->showMessage(QString("tab %1").arg(i)); });
    }
};

struct Played {
    int status;
    QStringList report;
};

class ScenarioPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        prefix = dir.path().toStdString();
        Store::setCurrent(std::make_shared<Store>(prefix));
        Application::resetTermination();
    }
    void TearDown() override { Application::resetTermination(); }

    // Plays script on a fresh test window, in the order main() uses.
    Played play(const QString& script)
    {
        QStringList report;
        ScenarioPlayer::setReport([&report](const QString& line) { report << line; });
        int status = 0;
        {
            ScenarioPlayer player("test.scn", ScenarioScript::parse(script), prefix);
            player.installHooks();
            if (player.applyGivens()) {
                window = std::make_unique<TestWindow>();
                player.attach(&window->window);
                window->window.show();
                player.enterMainLoop();
                if (!Application::terminateRequested())
                    qApp->exec();
            }
            status = player.finish();
        }
        ScenarioPlayer::setReport(nullptr);
        return {status, report};
    }

    QTemporaryDir dir;
    std::filesystem::path prefix;
    std::unique_ptr<TestWindow> window;
};

TEST_F(ScenarioPlayerTest, LinesRunInsideModalDialogsAndAfterTheirHandlers)
{
    const Played run = play(R"(
        expect no-modal
        click OfficeButton1
        expect modal TestDialog
        type TestDialog.Edit1 "abc"
        expect text Edit1 ""
        click "&More"
        expect modal InnerDialog
        click "O&K"
        expect modal TestDialog
        click "O&K"
        expect no-modal
        expect status "accepted:abc"
        expect message Information "closed"
        click OfficeButton1
        click "C&ancel"
        expect status "rejected"
        expect message Information "closed"
        click OfficeButton1
        type TestDialog.Edit1 "later"
        click "&Later"
        expect status "accepted:later"
        expect message Information "closed"
        expect no-message
    )");
    EXPECT_EQ(run.status, 0) << run.report.join('\n').toStdString();
    EXPECT_EQ(window->dialogs.innerResult, "inner accepted");
}

TEST_F(ScenarioPlayerTest, InputReachesTheControls)
{
    const Played run = play(R"(
        type Edit1 "héllo"
        expect text Edit1 "héllo"
        expect text Label1 "5"
        type Edit1 ""
        expect text Edit1 ""
        press Edit1 A
        expect text Edit1 "A"
        click CheckBox1
        expect checked CheckBox1
        expect status "on"
        expect text ComboBox1 "Choose"
        choose ComboBox1 2
        expect index ComboBox1 2
        expect text ComboBox1 "two"
        expect status "chose 2"
        select ListView1 "Other"
        expect selected ListView1 "Other"
        deselect ListView1
        expect selected ListView1 none
        dblclick ListView1 "Look"
        expect status "opened Look"
        expect items ListView1 "Look" "Other"
        expect item ListView1 1 "Other"
        drag TrackBar1 7
        expect value TrackBar1 7
        tab TabControl1 "Two"
        expect status "tab 1"
        click OfficeButton5
        expect status "tab 1"
        expect disabled OfficeButton5
        expect flat OfficeButton1
        expect raised OfficeButton2
        resize 520 440
        expect geometry Form1 0 0 520 440
        expect geometry Edit1 0 30 200 24
    )");
    EXPECT_EQ(run.status, 0) << run.report.join('\n').toStdString();
}

TEST_F(ScenarioPlayerTest, AnswersMeetDialogsAndLinksInOrder)
{
    std::filesystem::create_directories(prefix / "drive_c" / "Windows");
    std::filesystem::create_directories(prefix / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    const Played run = play(R"(
        answer browse "C:\Windows\notepad.exe"
        answer browse cancel
        click OfficeButton2
        expect text Edit1 "C:\Windows\notepad.exe"
        click OfficeButton2
        expect text Edit1 "C:\Windows\notepad.exe"
        answer web fail
        answer web ok
        click OfficeButton4
        expect message Error "no web"
        click OfficeButton4
        expect no-message
    )");
    EXPECT_EQ(run.status, 0) << run.report.join('\n').toStdString();
}

TEST_F(ScenarioPlayerTest, FailuresGiveTheFirstFailingLine)
{
    struct Case {
        const char* name;
        const char* script;
        const char* report; // the whole line on standard error
    };
    const Case cases[] = {
        {"status differs", "expect status \"x\"\nexpect status \"y\"\n", "test.scn:1: expected status \"x\", got \"\""},
        {"unknown widget", "click Nothing1\n", "test.scn:1: expected one widget Nothing1, got none"},
        {"caption not in the active window", "click \"O&K\"\n",
         "test.scn:1: expected one widget \"O&K\", got 0 buttons with that caption in QMainWindow"},
        {"message text differs", "click OfficeButton1\nclick \"O&K\"\nexpect message Information \"open\"\n",
         "test.scn:3: expected message Information \"open\", got message Information \"closed\""},
        {"message left unchecked at the end", "click OfficeButton1\nclick \"O&K\"\nexpect status \"accepted:\"\n",
         "test.scn:3: expected every message checked, got message Information \"closed\""},
        {"file dialog without an answer", "click OfficeButton2\n",
         "test.scn:1: expected an answer for the open-file dialog, got none in the script"},
        {"link without an answer", "click OfficeButton4\n",
         "test.scn:1: expected an answer web for https://example.org/, got none in the script"},
        {"action after the program ended", "click OfficeButton3\nexpect ended\nclick OfficeButton1\n",
         "test.scn:3: expected the program running for \"click OfficeButton1\", got ended"},
        {"running after the end", "click OfficeButton3\nexpect running\n", "test.scn:2: expected running, got ended"},
        {"password never shown", "type Edit2 \"s3cret\"\nexpect text Edit2 \"other\"\n",
         "test.scn:2: expected text Edit2 to be the expected password (not shown), got another text"},
        {"hidden widget", "click TestDialog.Edit1\n", "test.scn:1: expected TestDialog.Edit1 visible, got hidden"},
        {"entry missing", "select ListView1 \"Gone\"\n",
         "test.scn:1: expected an entry \"Gone\" in ListView1, got \"Look\" \"Other\""},
        {"registry value missing", "expect value HKCU\\Software\\T Name sz \"b\"\n",
         "test.scn:1: expected value HKCU\\Software\\T \"Name\" sz \"b\", got no key"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Application::resetTermination();
        const Played run = play(QString::fromUtf8(c.script));
        EXPECT_EQ(run.status, 1);
        ASSERT_EQ(run.report.size(), 1) << run.report.join('\n').toStdString();
        EXPECT_EQ(run.report.front(), QString::fromUtf8(c.report));
        EXPECT_FALSE(run.report.front().contains("s3cret"));
    }
}

TEST_F(ScenarioPlayerTest, EndingProgramLeavesOnlyStoreAndMessageChecks)
{
    const Played run = play(R"(
        given value "HKCU\Software\T" Name sz "a"
        click OfficeButton3
        expect ended
        expect value "HKCU\Software\T" Name sz "a"
        expect no-message
    )");
    EXPECT_EQ(run.status, 0) << run.report.join('\n').toStdString();
}

TEST_F(ScenarioPlayerTest, GivenAndExpectGoThroughTheStoreAndTheDrives)
{
    const Played run = play(R"(
        given key HKLM\SOFTWARE\Empty
        given value HKCU\Software\T @ sz "default"
        given value HKCU\Software\T List multi_sz "a\0b"
        given value HKCU\Software\T Count dword 0x10
        given value HKCU\Software\T Bytes binary "0d 0a"
        given value HKCU\Software\T\Sub Flag none
        given file "C:\Dir\Note.txt" "hello"
        given file "C:\dir\raw.bin" hex "00ff"
        given dir "C:\Empty Folder"
        expect key HKLM\SOFTWARE\Empty
        expect no-key HKLM\SOFTWARE\Missing
        expect value HKCU\Software\T "" sz "default"
        expect value HKCU\Software\T list multi_sz "a\0b"
        expect value HKCU\Software\T Count dword 16
        expect value HKCU\Software\T Bytes binary 0d0a
        expect value HKCU\Software\T\Sub Flag none
        expect no-value HKCU\Software\T Other
        expect subkeys HKCU\Software\T "sub"
        expect file "c:\DIR\note.TXT" "hello"
        expect file "C:\Dir\raw.bin" hex "00 ff"
        expect no-file "C:\Dir\other.txt"
    )");
    EXPECT_EQ(run.status, 0) << run.report.join('\n').toStdString();
    // The drive a new store lacked was made as Wine makes it.
    EXPECT_TRUE(std::filesystem::is_directory(prefix / "drive_c" / "Empty Folder"));
    EXPECT_TRUE(std::filesystem::is_symlink(prefix / "dosdevices" / "c:"));
}

TEST_F(ScenarioPlayerTest, StoreMismatchShowsWhatIsStored)
{
    const Played run = play("given value HKCU\\Software\\T N dword 1\nexpect value HKCU\\Software\\T N sz \"1\"\n");
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.report.size(), 1);
    EXPECT_EQ(run.report.front(), "test.scn:2: expected value HKCU\\Software\\T \"N\" sz \"1\", got dword 0x00000001");
}

TEST_F(ScenarioPlayerTest, ScriptRunningOutEndsTheProgram)
{
    const Played run = play("expect running\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(Application::terminateRequested());
}

} // namespace
