#include "ScenarioPlayer.h"

#include "Application.h"
#include "BrowseDialog.h"
#include "GoToWeb.h"
#include "Messages.h"
#include "ScenarioValue.h"
#include "Store.h"
#include "WindowsPath.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

ScenarioPlayer::Report& report()
{
    static ScenarioPlayer::Report installed;
    return installed;
}

void emitReport(const QString& line)
{
    if (report()) {
        report()(line);
        return;
    }
    std::fputs((line + u'\n').toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

// Turns of the event loop a line may wait for the loop it has to run in (a dialog's
// loop unwinding, a handler finishing). A loop that never unwinds (a menu run with
// exec(), say) ends the scenario instead of spinning for ever.
constexpr int maxWaits = 100000;

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

QString quotedList(const QStringList& items)
{
    if (items.isEmpty())
        return QStringLiteral("no entries");
    QStringList parts;
    for (const QString& item : items)
        parts << quoted(item);
    return parts.join(u' ');
}

std::u16string u16(const QString& text)
{
    return text.toStdU16String();
}

QString targetText(const ScenarioToken& token)
{
    return token.quoted ? quoted(token.text) : token.text;
}

bool isPasswordEdit(const QObject* object)
{
    const auto* edit = qobject_cast<const QLineEdit*>(object);
    return edit && edit->echoMode() != QLineEdit::Normal;
}

// The point of a check box or radio button that toggles it: its indicator, since a
// wide box does not react to a click beyond its caption.
QPoint togglePoint(QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    const QRect rect = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
    return rect.isValid() ? rect.center() : QPoint(4, button->height() / 2);
}

// A point of the list's viewport without an entry.
std::optional<QPoint> emptySpot(QListWidget* list)
{
    QWidget* viewport = list->viewport();
    for (int y = viewport->height() - 2; y >= 1; y -= 4)
        for (int x = viewport->width() - 2; x >= 1; x -= 4)
            if (!list->itemAt(QPoint(x, y)))
                return QPoint(x, y);
    return std::nullopt;
}

QStringList listEntries(QObject* object)
{
    QStringList items;
    if (auto* list = qobject_cast<QListWidget*>(object)) {
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
    } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
    } else if (auto* tabs = qobject_cast<QTabBar*>(object)) {
        for (int i = 0; i < tabs->count(); ++i)
            items << tabs->tabText(i);
    }
    return items;
}

bool isList(QObject* object)
{
    return qobject_cast<QListWidget*>(object) || qobject_cast<QComboBox*>(object) ||
           qobject_cast<QTabBar*>(object);
}

// The text a user reads on the widget; std::nullopt for a widget without one.
std::optional<QString> shownText(QObject* object)
{
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        return edit->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(object))
        return memo->toPlainText();
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(object))
        return group->title();
    if (auto* combo = qobject_cast<QComboBox*>(object))
        return combo->currentIndex() < 0 ? combo->placeholderText() : combo->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->text();
    if (auto* action = qobject_cast<QAction*>(object))
        return action->text();
    if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow())
        return widget->windowTitle();
    const QVariant text = object->property("text");
    if (text.isValid())
        return text.toString();
    return std::nullopt;
}

} // namespace

std::unique_ptr<ScenarioPlayer> ScenarioPlayer::load(const QString& fileName, const std::filesystem::path& prefix)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        emitReport(QStringLiteral("%1:0: cannot read the file: %2").arg(fileName, file.errorString()));
        return nullptr;
    }
    try {
        ScenarioScript script = ScenarioScript::parse(QString::fromUtf8(file.readAll()));
        return std::make_unique<ScenarioPlayer>(fileName, std::move(script), prefix);
    } catch (const ScenarioSyntaxError& error) {
        emitReport(QStringLiteral("%1:%2: %3").arg(fileName).arg(error.line()).arg(QString::fromUtf8(error.what())));
        return nullptr;
    }
}

ScenarioPlayer::ScenarioPlayer(QString fileName, ScenarioScript script, std::filesystem::path prefix)
    : m_fileName(std::move(fileName)), m_script(std::move(script)), m_prefix(std::move(prefix)),
      m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(0);
    connect(m_timer, &QTimer::timeout, this, &ScenarioPlayer::step);
}

ScenarioPlayer::~ScenarioPlayer()
{
    if (m_hooked) {
        Messages::setHook(nullptr);
        BrowseDialog::setHook(nullptr);
        GoToWeb::setHook(nullptr);
        qApp->removeEventFilter(this);
    }
}

void ScenarioPlayer::setReport(Report newReport)
{
    report() = std::move(newReport);
}

void ScenarioPlayer::installHooks()
{
    m_hooked = true;
    Messages::setHook([this](const QString& caption, const QString& text, Messages::Icon) {
        m_messages.push_back({caption, text, m_currentLine});
    });
    BrowseDialog::setHook([this](const BrowseDialog&) -> std::optional<QString> {
        if (m_browseAnswers.empty()) {
            if (!m_failed)
                fail(m_currentLine, QStringLiteral("an answer for the open-file dialog"),
                     QStringLiteral("none in the script"));
            return std::nullopt;
        }
        const BrowseAnswer answer = m_browseAnswers.front();
        m_browseAnswers.pop_front();
        if (answer.cancel)
            return std::nullopt;
        return answer.path;
    });
    GoToWeb::setHook([this](const QString& kind, const QString& target) {
        std::deque<bool>& answers = kind == QLatin1String("mail") ? m_mailAnswers : m_webAnswers;
        if (answers.empty()) {
            if (!m_failed)
                fail(m_currentLine, QStringLiteral("an answer %1 for %2").arg(kind, target),
                     QStringLiteral("none in the script"));
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    });
    // Boxes and file dialogs that bypass the services would wait for a user who is not
    // there.
    qApp->installEventFilter(this);
}

bool ScenarioPlayer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && (qobject_cast<QMessageBox*>(watched) || qobject_cast<QFileDialog*>(watched))) {
        auto* dialog = static_cast<QDialog*>(watched);
        if (!m_failed)
            fail(m_currentLine, QStringLiteral("no dialog outside the script's answers"),
                 QStringLiteral("%1 %2").arg(windowClass(dialog), quoted(dialog->windowTitle())));
        QTimer::singleShot(0, dialog, &QDialog::reject);
    }
    return QObject::eventFilter(watched, event);
}

bool ScenarioPlayer::applyGivens()
{
    for (const ScenarioLine& line : m_script.lines()) {
        if (!line.isGiven())
            continue;
        m_currentLine = line.number;
        try {
            runGiven(line);
        } catch (const std::exception& error) {
            fail(line.number, line.text(), QStringLiteral("the error \"%1\"").arg(QString::fromUtf8(error.what())));
        }
        if (m_failed)
            return false;
    }
    return true;
}

void ScenarioPlayer::attach(QWidget* mainWindow, std::function<void()> buildOnDemand)
{
    m_mainWindow = mainWindow;
    m_buildOnDemand = std::move(buildOnDemand);
    schedule();
}

void ScenarioPlayer::enterMainLoop()
{
    m_mainLoop = true;
    schedule();
}

void ScenarioPlayer::schedule()
{
    if (!m_stopped)
        m_timer->start();
}

int ScenarioPlayer::openModalCount()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->isModal())
            ++count;
    return count;
}

void ScenarioPlayer::step()
{
    if (m_stopped)
        return;
    if (Application::terminateRequested()) {
        // The program ends by itself: the rest is checked after the shutdown.
        m_stopped = true;
        return;
    }
    const int level = QThread::currentThread()->loopLevel();
    const int expected = (m_mainLoop ? 1 : 0) + openModalCount();
    const bool nestedInStep = !m_stepLevels.empty() && m_stepLevels.back() >= level;
    if (level != expected || nestedInStep) {
        // A dialog's loop is returning, or a line is still running (processEvents inside
        // an action): wait for the loop the program will wait in next.
        if (++m_waits > maxWaits) {
            fail(m_currentLine, QStringLiteral("the program to wait for input"),
                 QStringLiteral("an event loop the scenario cannot act in"));
            return;
        }
        schedule();
        return;
    }
    m_waits = 0;

    while (m_next < m_script.lines().size() && m_script.lines()[m_next].isGiven())
        ++m_next;
    if (m_next >= m_script.lines().size()) {
        // Every line ran: the program ends as if the user quit it; finish() checks the
        // messages shown up to the end.
        m_stopped = true;
        Application::requestTerminate();
        return;
    }
    const ScenarioLine& line = m_script.lines()[m_next++];
    m_currentLine = line.number;
    // Scheduled before the line runs, so that a modal dialog the line opens runs the
    // next line from its own loop.
    schedule();
    m_stepLevels.push_back(level);
    try {
        run(line);
    } catch (const std::exception& error) {
        fail(line.number, line.text(), QStringLiteral("the error \"%1\"").arg(QString::fromUtf8(error.what())));
    }
    m_stepLevels.pop_back();
}

int ScenarioPlayer::finish()
{
    m_ended = true;
    m_stopped = true;
    m_timer->stop();
    const auto& lines = m_script.lines();
    for (; m_next < lines.size() && !m_failed; ++m_next) {
        const ScenarioLine& line = lines[m_next];
        m_currentLine = line.number;
        if (line.isGiven())
            continue;
        if (line.isExpect() && line.kind == QLatin1String("running")) {
            fail(line.number, QStringLiteral("running"), QStringLiteral("ended"));
            break;
        }
        if (!line.allowedAfterEnd()) {
            fail(line.number, QStringLiteral("the program running for \"%1\"").arg(line.text()),
                 QStringLiteral("ended"));
            break;
        }
        try {
            run(line);
        } catch (const std::exception& error) {
            fail(line.number, line.text(), QStringLiteral("the error \"%1\"").arg(QString::fromUtf8(error.what())));
        }
    }
    if (!m_failed && !m_messages.empty()) {
        // The scenario ended at its last line with this box still unchecked.
        const Message& left = m_messages.front();
        fail(lines.empty() ? 0 : lines.back().number, QStringLiteral("every message checked"),
             QStringLiteral("message %1 %2").arg(left.caption, quoted(left.text)));
    }
    return m_failed ? Failed : Passed;
}

void ScenarioPlayer::fail(int line, const QString& expected, const QString& got)
{
    if (m_failed)
        return;
    m_failed = true;
    m_stopped = true;
    m_timer->stop();
    // Before the first line ran (a dialog during the start), the failure belongs to the
    // scenario's first line.
    if (line <= 0 && !m_script.lines().empty())
        line = m_script.lines().front().number;
    emitReport(QStringLiteral("%1:%2: expected %3, got %4").arg(m_fileName).arg(line).arg(expected, got));
    Application::requestTerminate();
}

// ---------------------------------------------------------------------------------------
// Finding targets

QString ScenarioPlayer::windowClass(const QWidget* window)
{
    return QString::fromLatin1(window->metaObject()->className());
}

QList<QWidget*> ScenarioPlayer::windows() const
{
    QList<QWidget*> result;
    if (m_mainWindow)
        result << m_mainWindow;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget != m_mainWindow && qobject_cast<QDialog*>(widget) && !widget->objectName().startsWith(u"qt_"))
            result << widget;
    // Dialogs parented to the main window are windows of their own, not top-level
    // widgets in Qt's list.
    if (m_mainWindow)
        for (QDialog* dialog : m_mainWindow->findChildren<QDialog*>())
            if (!result.contains(dialog))
                result << dialog;
    return result;
}

QObject* ScenarioPlayer::findIn(QObject* root, const QString& name)
{
    // Breadth first, without descending into dialogs that live under root: their
    // controls belong to their own window ("TForm5.Edit1").
    std::vector<QObject*> queue{root};
    for (size_t i = 0; i < queue.size(); ++i) {
        for (QObject* child : queue[i]->children()) {
            if (child->objectName() == name)
                return child;
            if (qobject_cast<QDialog*>(child))
                continue;
            queue.push_back(child);
        }
    }
    return nullptr;
}

QObject* ScenarioPlayer::findInWindow(QWidget* window, const QString& name) const
{
    QObject* object = findIn(window, name);
    if (!object && window == m_mainWindow && m_buildOnDemand) {
        m_buildOnDemand();
        object = findIn(window, name);
    }
    return object;
}

QWidget* ScenarioPlayer::activeWindow() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_mainWindow;
}

ScenarioPlayer::Resolved ScenarioPlayer::resolve(const ScenarioToken& target) const
{
    if (target.quoted) {
        QWidget* window = activeWindow();
        if (!window)
            return {nullptr, QStringLiteral("no window")};
        QList<QObject*> found;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->window() == window && button->isVisible() && button->text() == target.text)
                found << button;
        }
        if (found.size() != 1)
            return {nullptr, QStringLiteral("%1 buttons with that caption in %2").arg(found.size()).arg(windowClass(window))};
        return {found.front(), {}};
    }

    const qsizetype dot = target.text.indexOf(u'.');
    const QString formName = dot < 0 ? QString() : target.text.left(dot);
    const QString name = dot < 0 ? target.text : target.text.mid(dot + 1);
    const auto isWindowNamed = [](QWidget* window, const QString& text) {
        return windowClass(window) == text || window->objectName() == text;
    };

    const QList<QWidget*> all = windows();
    if (!formName.isEmpty()) {
        for (QWidget* window : all)
            if (isWindowNamed(window, formName)) {
                if (QObject* object = findInWindow(window, name))
                    return {object, {}};
                return {nullptr, QStringLiteral("none in %1").arg(formName)};
            }
        return {nullptr, QStringLiteral("no window %1").arg(formName)};
    }
    // A window by its class or object name ("Form1", "TForm5").
    for (QWidget* window : all)
        if (isWindowNamed(window, name))
            return {window, {}};
    // Unqualified names are the main window's first (built yet or not); a name only a
    // dialog has is that dialog's, if just one has it.
    if (m_mainWindow)
        if (QObject* object = findInWindow(m_mainWindow, name))
            return {object, {}};
    QList<QObject*> found;
    for (QWidget* window : all)
        if (window != m_mainWindow)
            if (QObject* object = findIn(window, name))
                found << object;
    if (found.size() == 1)
        return {found.front(), {}};
    if (found.empty())
        return {nullptr, QStringLiteral("none")};
    return {nullptr, QStringLiteral("%1 windows with it (qualify it as Form.Name)").arg(found.size())};
}

QObject* ScenarioPlayer::need(const ScenarioLine& line, const ScenarioToken& target)
{
    const Resolved found = resolve(target);
    if (!found.object)
        fail(line.number, QStringLiteral("one widget %1").arg(targetText(target)), found.problem);
    return found.object;
}

template <typename T>
T* ScenarioPlayer::needAs(const ScenarioLine& line, const ScenarioToken& target, const char* what)
{
    QObject* object = need(line, target);
    if (!object)
        return nullptr;
    T* typed = qobject_cast<T*>(object);
    if (!typed)
        fail(line.number, QStringLiteral("%1 to be %2").arg(targetText(target), QLatin1String(what)),
             QStringLiteral("a %1").arg(QLatin1String(object->metaObject()->className())));
    return typed;
}

QWidget* ScenarioPlayer::needVisible(const ScenarioLine& line, const ScenarioToken& target)
{
    QWidget* widget = needAs<QWidget>(line, target, "a widget");
    if (widget && !widget->isVisible()) {
        fail(line.number, QStringLiteral("%1 visible").arg(targetText(target)), QStringLiteral("hidden"));
        return nullptr;
    }
    return widget;
}

bool ScenarioPlayer::blocked(QWidget* widget)
{
    // A user cannot reach a window behind an open modal dialog; QTest's events, sent
    // straight to the widget, would.
    QWidget* modal = QApplication::activeModalWidget();
    return modal && widget->window() != modal;
}

// ---------------------------------------------------------------------------------------
// Input

void ScenarioPlayer::click(QWidget* widget)
{
    QPoint pos = widget->rect().center();
    QWidget* receiver = widget;
    if (auto* button = qobject_cast<QAbstractButton*>(widget);
        button && (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)))
        pos = togglePoint(button);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        receiver = area->viewport();
        pos = receiver->rect().center();
    }
    QTest::mouseClick(receiver, Qt::LeftButton, {}, pos);
}

void ScenarioPlayer::doubleClick(QWidget* widget, QPoint pos)
{
    // As a user makes it: the first click selects, the second one opens.
    QPointer<QWidget> guard(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    if (guard)
        QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    if (guard)
        QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

void ScenarioPlayer::moveMouse(QWidget* widget, QPoint pos)
{
    QWidget* window = widget->window();
    QWindow* handle = window->windowHandle();
    if (!handle)
        return;
    const QPoint inWindow = widget->mapTo(window, pos);
    // Two moves, so that the last one is a real move even when the mouse already was at
    // that point.
    QTest::mouseMove(handle, inWindow + QPoint(inWindow.x() > 0 ? -1 : 1, 0));
    QTest::mouseMove(handle, inWindow);
}

void ScenarioPlayer::typeText(QWidget* widget, const QString& text)
{
    widget->setFocus(Qt::OtherFocusReason);
    QPointer<QWidget> guard(widget);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (text.isEmpty() && !edit->text().isEmpty()) {
            edit->selectAll();
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_Backspace, QString(), Qt::NoModifier);
            return;
        }
        edit->selectAll();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        if (text.isEmpty() && !memo->toPlainText().isEmpty()) {
            memo->selectAll();
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_Backspace, QString(), Qt::NoModifier);
            return;
        }
        memo->selectAll();
    }
    // One key at a time: the first replaces the selected old text, and the box's change
    // handler runs after each.
    for (QChar c : text) {
        if (!guard)
            return;
        Qt::Key key = Qt::Key_unknown;
        QString keyText(c);
        if (c == u'\n') {
            key = Qt::Key_Return;
            keyText = QStringLiteral("\r");
        } else if (c.unicode() < 0x80 && c.isLetterOrNumber()) {
            key = static_cast<Qt::Key>(c.toUpper().unicode());
        } else if (c == u' ') {
            key = Qt::Key_Space;
        }
        QTest::sendKeyEvent(QTest::Click, widget, key, keyText, Qt::NoModifier);
    }
}

// ---------------------------------------------------------------------------------------
// Lines

void ScenarioPlayer::run(const ScenarioLine& line)
{
    if (line.isExpect())
        runExpect(line);
    else if (!line.isGiven())
        runAction(line);
}

void ScenarioPlayer::runAction(const ScenarioLine& line)
{
    const QString& command = line.command;
    const auto& args = line.args;

    if (line.isAnswer()) {
        if (line.kind == QLatin1String("browse"))
            m_browseAnswers.push_back({args[0].isWord("cancel"), args[0].text});
        else if (line.kind == QLatin1String("web"))
            m_webAnswers.push_back(args[0].isWord("ok"));
        else
            m_mailAnswers.push_back(args[0].isWord("ok"));
        return;
    }

    if (command == QLatin1String("close")) {
        if (m_mainWindow && !blocked(m_mainWindow))
            m_mainWindow->close();
        return;
    }
    if (command == QLatin1String("resize")) {
        if (!m_mainWindow)
            return;
        const QSize frame = m_mainWindow->frameGeometry().size() - m_mainWindow->size();
        m_mainWindow->resize(args[0].text.toInt() - frame.width(), args[1].text.toInt() - frame.height());
        QCoreApplication::processEvents();
        return;
    }
    if (command == QLatin1String("menu")) {
        QObject* object = need(line, args[0]);
        if (!object)
            return;
        auto* action = qobject_cast<QAction*>(object);
        if (!action) {
            fail(line.number, QStringLiteral("%1 to be a menu item").arg(args[0].text),
                 QStringLiteral("a %1").arg(QLatin1String(object->metaObject()->className())));
            return;
        }
        // A disabled entry cannot be chosen; a menu of a window behind a modal dialog
        // cannot be opened.
        auto* owner = qobject_cast<QWidget*>(action->parent());
        if (!action->isEnabled() || !action->isVisible() || (owner && blocked(owner)))
            return;
        action->trigger();
        return;
    }

    if (command == QLatin1String("hover") && !args[0].quoted && m_mainWindow &&
        resolve(args[0]).object == m_mainWindow) {
        // The bare surface: a point of the central area that no control covers.
        auto* main = qobject_cast<QMainWindow*>(m_mainWindow.data());
        QWidget* surface = main && main->centralWidget() ? main->centralWidget() : m_mainWindow.data();
        for (int y = 2; y < surface->height(); y += 4)
            for (int x = 2; x < surface->width(); x += 4)
                if (!surface->childAt(QPoint(x, y))) {
                    moveMouse(surface, QPoint(x, y));
                    return;
                }
        fail(line.number, QStringLiteral("a bare spot on the main window"), QStringLiteral("none"));
        return;
    }

    QWidget* widget = needVisible(line, args[0]);
    if (!widget)
        return;

    if (command == QLatin1String("hover")) {
        moveMouse(widget, widget->rect().center());
        return;
    }

    // Whatever else the line does, a disabled control or one behind a modal dialog does
    // not react. The list and number checks come first so that a mistaken line still
    // fails.
    const bool inert = !widget->isEnabled() || blocked(widget);

    if (command == QLatin1String("click")) {
        if (!inert)
            click(widget);
        return;
    }
    if (command == QLatin1String("select") || command == QLatin1String("dblclick") ||
        command == QLatin1String("deselect")) {
        auto* list = qobject_cast<QListWidget*>(widget);
        if (!list) {
            fail(line.number, QStringLiteral("%1 to be a list").arg(args[0].text),
                 QStringLiteral("a %1").arg(QLatin1String(widget->metaObject()->className())));
            return;
        }
        QPoint pos;
        if (args.size() >= 2) {
            const QList<QListWidgetItem*> items = list->findItems(args[1].text, Qt::MatchExactly);
            if (items.isEmpty()) {
                fail(line.number, QStringLiteral("an entry %1 in %2").arg(quoted(args[1].text), args[0].text),
                     quotedList(listEntries(list)));
                return;
            }
            list->scrollToItem(items.front());
            pos = list->visualItemRect(items.front()).center();
        } else {
            const std::optional<QPoint> spot = emptySpot(list);
            if (!spot) {
                fail(line.number, QStringLiteral("an empty spot in %1").arg(args[0].text), QStringLiteral("none"));
                return;
            }
            pos = *spot;
        }
        if (inert)
            return;
        if (command == QLatin1String("dblclick")) {
            doubleClick(list->viewport(), pos);
        } else {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, pos);
            // A list that keeps its selection on a click beside the entries is cleared the
            // way such a click clears the designer's list view.
            if (command == QLatin1String("deselect") && !list->selectedItems().isEmpty()) {
                list->clearSelection();
                list->setCurrentItem(nullptr);
            }
        }
        return;
    }
    if (command == QLatin1String("choose")) {
        auto* combo = qobject_cast<QComboBox*>(widget);
        const int index = args[1].text.toInt();
        if (!combo || index >= combo->count()) {
            fail(line.number, QStringLiteral("an item %1 in %2").arg(index).arg(args[0].text),
                 combo ? QStringLiteral("%1 items").arg(combo->count()) : QStringLiteral("no combo box"));
            return;
        }
        if (inert)
            return;
        // What picking from the drop-down list does: the choice, then activated.
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        emit combo->textActivated(combo->itemText(index));
        return;
    }
    if (command == QLatin1String("type")) {
        if (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QPlainTextEdit*>(widget)) {
            fail(line.number, QStringLiteral("%1 to be an edit box").arg(targetText(args[0])),
                 QStringLiteral("a %1").arg(QLatin1String(widget->metaObject()->className())));
            return;
        }
        if (!inert)
            typeText(widget, args[1].text);
        return;
    }
    if (command == QLatin1String("press")) {
        if (inert)
            return;
        const QKeyCombination combination = QKeySequence::fromString(args[1].text, QKeySequence::PortableText)[0];
        QString text;
        const Qt::Key key = combination.key();
        if (args[1].text.size() == 1 && args[1].text[0].isPrint())
            text = args[1].text;
        else if (key == Qt::Key_Enter || key == Qt::Key_Return)
            text = QStringLiteral("\r");
        else if (key == Qt::Key_Space)
            text = QStringLiteral(" ");
        widget->setFocus(Qt::OtherFocusReason);
        QTest::sendKeyEvent(QTest::Click, widget, key, text, combination.keyboardModifiers());
        return;
    }
    if (command == QLatin1String("drag")) {
        auto* slider = qobject_cast<QAbstractSlider*>(widget);
        const int position = args[1].text.toInt();
        if (!slider || position < slider->minimum() || position > slider->maximum()) {
            fail(line.number, QStringLiteral("position %1 on %2").arg(position).arg(args[0].text),
                 slider ? QStringLiteral("a range of %1 to %2").arg(slider->minimum()).arg(slider->maximum())
                        : QStringLiteral("no track bar"));
            return;
        }
        if (inert)
            return;
        slider->setSliderDown(true);
        slider->setSliderPosition(position);
        slider->setSliderDown(false);
        return;
    }
    if (command == QLatin1String("tab")) {
        auto* tabs = qobject_cast<QTabBar*>(widget);
        int index = -1;
        for (int i = 0; tabs && i < tabs->count(); ++i)
            if (tabs->tabText(i) == args[1].text)
                index = i;
        if (index < 0) {
            fail(line.number, QStringLiteral("a tab %1 in %2").arg(quoted(args[1].text), args[0].text),
                 tabs ? quotedList(listEntries(tabs)) : QStringLiteral("no tab control"));
            return;
        }
        if (!inert)
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        return;
    }
}

void ScenarioPlayer::runExpect(const ScenarioLine& line)
{
    const QString& kind = line.kind;
    const auto& args = line.args;
    const int number = line.number;

    if (line.checksStore()) {
        runStoreExpect(line);
        return;
    }
    if (kind == QLatin1String("message")) {
        const QString expected = QStringLiteral("message %1 %2").arg(args[0].text, quoted(args[1].text));
        if (m_messages.empty()) {
            fail(number, expected, QStringLiteral("no message"));
            return;
        }
        const Message shown = m_messages.front();
        m_messages.pop_front();
        if (shown.caption != args[0].text || shown.text != args[1].text)
            fail(number, expected, QStringLiteral("message %1 %2").arg(shown.caption, quoted(shown.text)));
        return;
    }
    if (kind == QLatin1String("no-message")) {
        if (!m_messages.empty())
            fail(number, QStringLiteral("no message"),
                 QStringLiteral("message %1 %2").arg(m_messages.front().caption, quoted(m_messages.front().text)));
        return;
    }
    if (kind == QLatin1String("ended") || kind == QLatin1String("running")) {
        // After the main loop returned (finish()), the program has ended in any case.
        const bool ended = m_ended || Application::terminateRequested();
        if (ended != (kind == QLatin1String("ended")))
            fail(number, kind, ended ? QStringLiteral("ended") : QStringLiteral("running"));
        return;
    }
    if (kind == QLatin1String("no-modal") || kind == QLatin1String("modal")) {
        QWidget* modal = QApplication::activeModalWidget();
        const QString shown = modal ? windowClass(modal) : QStringLiteral("no modal window");
        if (kind == QLatin1String("no-modal")) {
            if (modal)
                fail(number, QStringLiteral("no modal window"), shown);
        } else if (!modal || (windowClass(modal) != args[0].text && modal->objectName() != args[0].text)) {
            fail(number, QStringLiteral("modal %1").arg(args[0].text), shown);
        }
        return;
    }
    if (kind == QLatin1String("status")) {
        QObject* bar = m_mainWindow ? findIn(m_mainWindow, QStringLiteral("StatusBar1")) : nullptr;
        if (!bar && m_mainWindow)
            bar = m_mainWindow->findChild<QStatusBar*>();
        if (!bar) {
            fail(number, QStringLiteral("status %1").arg(quoted(args[0].text)), QStringLiteral("no status line"));
            return;
        }
        const QVariant property = bar->property("text");
        QString text = property.isValid() ? property.toString() : QString();
        if (!property.isValid())
            if (auto* status = qobject_cast<QStatusBar*>(bar))
                text = status->currentMessage();
        if (text != args[0].text)
            fail(number, QStringLiteral("status %1").arg(quoted(args[0].text)), quoted(text));
        return;
    }

    QObject* object = need(line, args[0]);
    if (!object)
        return;
    const QString target = targetText(args[0]);
    auto* widget = qobject_cast<QWidget*>(object);
    auto* action = qobject_cast<QAction*>(object);
    const auto className = [&] { return QStringLiteral("a %1").arg(QLatin1String(object->metaObject()->className())); };

    if (kind == QLatin1String("visible") || kind == QLatin1String("hidden")) {
        const bool visible = widget ? widget->isVisible() : action ? action->isVisible() : false;
        if (visible != (kind == QLatin1String("visible")))
            fail(number, QStringLiteral("%1 %2").arg(kind, target), visible ? QStringLiteral("visible") : QStringLiteral("hidden"));
        return;
    }
    if (kind == QLatin1String("enabled") || kind == QLatin1String("disabled")) {
        const bool enabled = widget ? widget->isEnabled() : action ? action->isEnabled() : false;
        if (enabled != (kind == QLatin1String("enabled")))
            fail(number, QStringLiteral("%1 %2").arg(kind, target), enabled ? QStringLiteral("enabled") : QStringLiteral("disabled"));
        return;
    }
    if (kind == QLatin1String("checked") || kind == QLatin1String("unchecked")) {
        auto* button = qobject_cast<QAbstractButton*>(object);
        if (!button && !action) {
            fail(number, QStringLiteral("%1 to be a check box or radio button").arg(target), className());
            return;
        }
        const bool checked = button ? button->isChecked() : action->isChecked();
        if (checked != (kind == QLatin1String("checked")))
            fail(number, QStringLiteral("%1 %2").arg(kind, target), checked ? QStringLiteral("checked") : QStringLiteral("unchecked"));
        return;
    }
    if (kind == QLatin1String("flat") || kind == QLatin1String("raised")) {
        std::optional<bool> flat;
        if (auto* tool = qobject_cast<QToolButton*>(object))
            flat = tool->autoRaise();
        else if (auto* push = qobject_cast<QPushButton*>(object))
            flat = push->isFlat();
        if (!flat) {
            fail(number, QStringLiteral("%1 to be a toolbar button").arg(target), className());
            return;
        }
        if (*flat != (kind == QLatin1String("flat")))
            fail(number, QStringLiteral("%1 %2").arg(kind, target), *flat ? QStringLiteral("flat") : QStringLiteral("raised"));
        return;
    }
    if (kind == QLatin1String("text")) {
        const std::optional<QString> text = shownText(object);
        if (!text) {
            fail(number, QStringLiteral("%1 to show a text").arg(target), className());
            return;
        }
        if (*text == args[1].text)
            return;
        // What was typed into a password box never goes into a failure line.
        if (isPasswordEdit(object))
            fail(number, QStringLiteral("text %1 to be the expected password (not shown)").arg(target),
                 QStringLiteral("another text"));
        else
            fail(number, QStringLiteral("text %1 %2").arg(target, quoted(args[1].text)), quoted(*text));
        return;
    }
    if (kind == QLatin1String("index")) {
        auto* combo = qobject_cast<QComboBox*>(object);
        if (!combo) {
            fail(number, QStringLiteral("%1 to be a combo box").arg(target), className());
            return;
        }
        if (combo->currentIndex() != args[1].text.toInt())
            fail(number, QStringLiteral("index %1 %2").arg(target, args[1].text), QString::number(combo->currentIndex()));
        return;
    }
    if (kind == QLatin1String("items") || kind == QLatin1String("item") || kind == QLatin1String("selected")) {
        if (!isList(object)) {
            fail(number, QStringLiteral("%1 to be a list").arg(target), className());
            return;
        }
        const QStringList entries = listEntries(object);
        if (kind == QLatin1String("items")) {
            QStringList expected;
            for (size_t i = 1; i < args.size(); ++i)
                expected << args[i].text;
            if (entries != expected)
                fail(number, QStringLiteral("items %1 %2").arg(target, quotedList(expected)), quotedList(entries));
        } else if (kind == QLatin1String("item")) {
            const int index = args[1].text.toInt();
            const QString expected = QStringLiteral("item %1 %2 %3").arg(target, args[1].text, quoted(args[2].text));
            if (index >= entries.size())
                fail(number, expected, QStringLiteral("%1 entries").arg(entries.size()));
            else if (entries[index] != args[2].text)
                fail(number, expected, quoted(entries[index]));
        } else {
            std::optional<QString> selected;
            if (auto* list = qobject_cast<QListWidget*>(object)) {
                const QList<QListWidgetItem*> items = list->selectedItems();
                if (!items.isEmpty())
                    selected = items.front()->text();
            } else if (auto* combo = qobject_cast<QComboBox*>(object); combo && combo->currentIndex() >= 0) {
                selected = combo->currentText();
            } else if (auto* tabs = qobject_cast<QTabBar*>(object); tabs && tabs->currentIndex() >= 0) {
                selected = tabs->tabText(tabs->currentIndex());
            }
            const std::optional<QString> expected =
                args[1].isWord("none") ? std::nullopt : std::optional<QString>(args[1].text);
            if (selected != expected)
                fail(number, QStringLiteral("selected %1 %2").arg(target, expected ? quoted(*expected) : QStringLiteral("none")),
                     selected ? quoted(*selected) : QStringLiteral("none"));
        }
        return;
    }
    if (kind == QLatin1String("value")) {
        auto* slider = qobject_cast<QAbstractSlider*>(object);
        if (!slider) {
            fail(number, QStringLiteral("%1 to be a track bar").arg(target), className());
            return;
        }
        if (slider->value() != args[1].text.toInt())
            fail(number, QStringLiteral("value %1 %2").arg(target, args[1].text), QString::number(slider->value()));
        return;
    }
    if (kind == QLatin1String("geometry")) {
        if (!widget) {
            fail(number, QStringLiteral("%1 to be a widget").arg(target), className());
            return;
        }
        // Windows: outer position and size on the screen; controls: in their parent.
        const QRect rect = widget->isWindow() ? widget->frameGeometry() : widget->geometry();
        const bool withSize = args.size() == 5;
        const bool holds = rect.x() == args[1].text.toInt() && rect.y() == args[2].text.toInt() &&
                           (!withSize || (rect.width() == args[3].text.toInt() && rect.height() == args[4].text.toInt()));
        if (!holds) {
            QStringList wanted{args[1].text, args[2].text};
            QStringList shown{QString::number(rect.x()), QString::number(rect.y())};
            if (withSize) {
                wanted << args[3].text << args[4].text;
                shown << QString::number(rect.width()) << QString::number(rect.height());
            }
            fail(number, QStringLiteral("geometry %1 %2").arg(target, wanted.join(u' ')), shown.join(u' '));
        }
        return;
    }
}

void ScenarioPlayer::runStoreExpect(const ScenarioLine& line)
{
    const QString& kind = line.kind;
    const auto& args = line.args;
    const int number = line.number;

    if (kind == QLatin1String("file") || kind == QLatin1String("no-file")) {
        const std::optional<std::filesystem::path> host = WindowsPath::toHost(m_prefix, args[0].text);
        std::error_code error;
        const bool exists = host && std::filesystem::is_regular_file(*host, error);
        if (kind == QLatin1String("no-file")) {
            if (exists)
                fail(number, QStringLiteral("no file %1").arg(quoted(args[0].text)), QStringLiteral("a file"));
            return;
        }
        const bool asHex = args.size() == 3;
        const QByteArray expected = asHex ? QByteArray::fromHex(args[2].text.toLatin1()) : args[1].text.toUtf8();
        const QString wanted = QStringLiteral("file %1 %2").arg(
            quoted(args[0].text), asHex ? QStringLiteral("hex ") + QString(args[2].text).remove(u' ') : quoted(args[1].text));
        if (!exists) {
            fail(number, wanted, QStringLiteral("no file"));
            return;
        }
        std::ifstream in(*host, std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const QByteArray actual(content.data(), static_cast<qsizetype>(content.size()));
        if (actual != expected)
            fail(number, wanted, asHex ? QStringLiteral("hex ") + QString::fromLatin1(actual.toHex())
                                       : quoted(QString::fromUtf8(actual)));
        return;
    }

    HKEY root{};
    QString path;
    ScenarioValue::parseKey(args[0].text, root, path);
    // A store of its own: what a fresh reader of the files finds, not what this process
    // may still hold in memory.
    Store store(m_prefix);
    const RegKey* key = store.findKey(root, u16(path));

    if (kind == QLatin1String("key") || kind == QLatin1String("no-key")) {
        if ((key != nullptr) != (kind == QLatin1String("key")))
            fail(number, QStringLiteral("%1 %2").arg(kind, args[0].text), key ? QStringLiteral("the key") : QStringLiteral("no key"));
        return;
    }
    if (kind == QLatin1String("subkeys")) {
        QStringList expected;
        for (size_t i = 1; i < args.size(); ++i)
            expected << args[i].text;
        if (!key) {
            fail(number, QStringLiteral("subkeys %1 %2").arg(args[0].text, quotedList(expected)), QStringLiteral("no key"));
            return;
        }
        QStringList actual;
        for (const auto& subkey : key->subkeys())
            actual << QString::fromStdU16String(subkey->name());
        // Key names are the registry's: compared without regard to case, in any order.
        QStringList a = actual, e = expected;
        for (QString& s : a)
            s = s.toLower();
        for (QString& s : e)
            s = s.toLower();
        a.sort();
        e.sort();
        if (a != e)
            fail(number, QStringLiteral("subkeys %1 %2").arg(args[0].text, quotedList(expected)), quotedList(actual));
        return;
    }

    // expect value / expect no-value
    const QString name = args[1].isWord("@") ? QString() : args[1].text;
    const RegValue* value = key ? key->findValue(u16(name)) : nullptr;
    // The settings key's "Show" holds the password: neither the expected nor the stored
    // data goes into a failure line.
    const bool password = root == HKEY_LOCAL_MACHINE &&
                          path.compare(QLatin1String("SOFTWARE\\Korrelin"), Qt::CaseInsensitive) == 0 &&
                          name.compare(QLatin1String("Show"), Qt::CaseInsensitive) == 0;
    const auto describe = [password](uint32_t valueType, const std::vector<uint8_t>& data) {
        return password ? QStringLiteral("(password not shown)") : ScenarioValue::describe(valueType, data);
    };
    if (kind == QLatin1String("no-value")) {
        if (value)
            fail(number, QStringLiteral("no value %1 %2").arg(args[0].text, quoted(name)),
                 describe(value->type, value->data));
        return;
    }
    const uint32_t type = *ScenarioValue::parseType(args[2].text);
    const QString dataText = args.size() > 3 ? args[3].text : QString();
    const std::vector<uint8_t> expected = *ScenarioValue::encode(type, dataText);
    const QString wanted = QStringLiteral("value %1 %2 %3").arg(args[0].text, quoted(name), describe(type, expected));
    if (!key)
        fail(number, wanted, QStringLiteral("no key"));
    else if (!value)
        fail(number, wanted, QStringLiteral("no value"));
    else if (!ScenarioValue::matches(type, expected, value->type, value->data))
        fail(number, wanted, describe(value->type, value->data));
}

void ScenarioPlayer::runGiven(const ScenarioLine& line)
{
    const QString& kind = line.kind;
    const auto& args = line.args;

    if (kind == QLatin1String("file") || kind == QLatin1String("dir")) {
        QChar letter;
        std::vector<QString> names;
        WindowsPath::split(args[0].text, letter, names);
        std::optional<std::filesystem::path> host = WindowsPath::toHost(m_prefix, args[0].text);
        if (!host && letter == u'C') {
            // A new store has no drives yet; C: is made as Wine makes it, so that a
            // scenario can put files on it.
            std::filesystem::create_directories(m_prefix / "drive_c");
            std::filesystem::create_directories(m_prefix / "dosdevices");
            std::filesystem::create_directory_symlink("../drive_c", m_prefix / "dosdevices" / "c:");
            host = WindowsPath::toHost(m_prefix, args[0].text);
        }
        if (!host) {
            fail(line.number, QStringLiteral("drive %1: in the store").arg(letter), QStringLiteral("none"));
            return;
        }
        if (kind == QLatin1String("dir")) {
            std::filesystem::create_directories(*host);
            return;
        }
        std::filesystem::create_directories(host->parent_path());
        const QByteArray content =
            args.size() == 3 ? QByteArray::fromHex(args[2].text.toLatin1()) : args[1].text.toUtf8();
        std::ofstream out(*host, std::ios::binary | std::ios::trunc);
        out.write(content.constData(), content.size());
        out.close();
        if (!out)
            fail(line.number, QStringLiteral("the file %1 written").arg(quoted(args[0].text)), QStringLiteral("a write error"));
        return;
    }

    HKEY root{};
    QString path;
    ScenarioValue::parseKey(args[0].text, root, path);
    Store store(m_prefix);
    Store::Edit edit(store);
    edit.createKey(root, u16(path));
    if (kind == QLatin1String("value")) {
        const QString name = args[1].isWord("@") ? QString() : args[1].text;
        const uint32_t type = *ScenarioValue::parseType(args[2].text);
        const QString dataText = args.size() > 3 ? args[3].text : QString();
        edit.setValue(root, u16(path), u16(name), type, *ScenarioValue::encode(type, dataText));
    }
    edit.commit();
}
