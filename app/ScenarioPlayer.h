// Plays a scenario file on the live program (korrelin --play FILE): acts on the windows
// through real input events, answers file dialogs and links from the script's queue,
// records message boxes, and checks widgets and the store.
//
// Calling sequence (main.cpp): load, installHooks, applyGivens (before the program reads
// the store), attach (before the main window is shown), enterMainLoop (just before the
// main loop), finish (after the normal shutdown) which gives the exit status.
//
// Lines run from the event loop, one per turn of the loop, so that lines keep running
// while a modal dialog's nested loop is open. A line runs only when the loop running it
// is the innermost one the program waits in: the main loop plus one loop per open modal
// dialog. When a line closes a dialog, the next one waits until that dialog's loop has
// returned and the handler that opened it has finished.
#pragma once

#include "ScenarioScript.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAbstractButton;
class QTimer;
class QWidget;

class ScenarioPlayer : public QObject {
    Q_OBJECT
public:
    enum ExitStatus { Passed = 0, Failed = 1, Unreadable = 2 };

    // Reads and checks FILE. On a file that cannot be read or parsed, reports
    // "FILE:LINE: ..." and returns nullptr (exit status 2).
    static std::unique_ptr<ScenarioPlayer> load(const QString& fileName, const std::filesystem::path& prefix);

    ScenarioPlayer(QString fileName, ScenarioScript script, std::filesystem::path prefix);
    ~ScenarioPlayer() override;

    // Where failure lines go; standard error unless a test redirects them.
    using Report = std::function<void(const QString& line)>;
    static void setReport(Report report);

    // Routes message boxes, file dialogs and link attempts to the player.
    void installHooks();
    // Performs the given lines on the store; false (and the failure reported) when one
    // cannot be performed.
    bool applyGivens();
    // The main window the unqualified names belong to. Lines start running as soon as an
    // event loop runs (the start-up prompt's, or the main loop). buildOnDemand builds
    // what the window builds only when first used (its tweak panels); a name not found
    // in the window is looked up again after it ran.
    void attach(QWidget* mainWindow, std::function<void()> buildOnDemand = {});
    // Called right before the main loop starts: from then on the main loop counts as the
    // outermost loop lines may run in.
    void enterMainLoop();
    // After the program's shutdown: checks the lines left (only those allowed after the
    // end), then that no message is left unchecked. Returns the exit status.
    int finish();

    bool failed() const { return m_failed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Message {
        QString caption;
        QString text;
        int line; // the line that was running when it appeared
    };
    struct Resolved {
        QObject* object = nullptr;
        QString problem; // why nothing was found
    };

    void schedule();
    void step();
    void run(const ScenarioLine& line);
    void runAction(const ScenarioLine& line);
    void runExpect(const ScenarioLine& line);
    void runStoreExpect(const ScenarioLine& line);
    void runGiven(const ScenarioLine& line);

    // Reports the first failure and ends the program.
    void fail(int line, const QString& expected, const QString& got);
    // Whether the line holds so far (the scenario has not failed).
    bool ok() const { return !m_failed; }

    Resolved resolve(const ScenarioToken& target) const;
    QObject* need(const ScenarioLine& line, const ScenarioToken& target);
    template <typename T> T* needAs(const ScenarioLine& line, const ScenarioToken& target, const char* what);
    QWidget* needVisible(const ScenarioLine& line, const ScenarioToken& target);

    QWidget* mainWindow() const { return m_mainWindow; }
    QWidget* activeWindow() const;
    QList<QWidget*> windows() const;
    static QObject* findIn(QObject* root, const QString& name);
    // findIn, and for the main window again after building what it builds on demand.
    QObject* findInWindow(QWidget* window, const QString& name) const;
    static bool blocked(QWidget* widget);
    static int openModalCount();
    static QString windowClass(const QWidget* window);

    void click(QWidget* widget);
    void doubleClick(QWidget* widget, QPoint pos);
    void moveMouse(QWidget* widget, QPoint pos);
    void typeText(QWidget* widget, const QString& text);

    QString m_fileName;
    ScenarioScript m_script;
    std::filesystem::path m_prefix;
    QPointer<QWidget> m_mainWindow;
    std::function<void()> m_buildOnDemand;
    size_t m_next = 0;
    int m_currentLine = 0;
    bool m_mainLoop = false;
    bool m_stopped = false; // no more actions: failed, program ended or script done
    bool m_failed = false;
    bool m_ended = false; // finish() runs: the program has ended
    bool m_hooked = false;
    int m_waits = 0;
    std::vector<int> m_stepLevels;
    QTimer* m_timer = nullptr;
    std::deque<Message> m_messages;
    struct BrowseAnswer {
        bool cancel;
        QString path;
    };
    std::deque<BrowseAnswer> m_browseAnswers;
    std::deque<bool> m_webAnswers;
    std::deque<bool> m_mailAnswers;
};
