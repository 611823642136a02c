#include "ScenarioScript.h"

#include "ScenarioValue.h"

#include <QKeySequence>
#include <QStringList>

#include <functional>

namespace {

[[noreturn]] void fail(int line, const QString& message)
{
    throw ScenarioSyntaxError(line, message);
}

QString quote(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// What one argument must be.
enum class Arg {
    Target,  // Name, Form.Name or "Caption"
    Name,    // Name or Form.Name, unquoted
    Text,    // any token
    Count,   // integer >= 0
    Index,   // integer >= -1
    Number,  // any integer
    Size,    // integer > 0
    Key,     // registry key with a known root
    Path,    // Windows path with a drive letter
    KeyName, // a key as `press` takes it: A, Enter, Backspace, F1, Ctrl+A, ...
};

struct Form {
    const char* command;
    const char* kind; // nullptr: the command has no kind word
    std::vector<Arg> args;
    // Further arguments of the last kind (expect items, expect subkeys).
    bool repeatLast = false;
};

const std::vector<Form>& forms()
{
    static const std::vector<Form> table = {
        {"click", nullptr, {Arg::Target}},
        {"select", nullptr, {Arg::Name, Arg::Text}},
        {"dblclick", nullptr, {Arg::Name}},
        {"dblclick", nullptr, {Arg::Name, Arg::Text}},
        {"deselect", nullptr, {Arg::Name}},
        {"choose", nullptr, {Arg::Name, Arg::Count}},
        {"type", nullptr, {Arg::Target, Arg::Text}},
        {"press", nullptr, {Arg::Target, Arg::KeyName}},
        {"hover", nullptr, {Arg::Target}},
        {"menu", nullptr, {Arg::Name}},
        {"drag", nullptr, {Arg::Name, Arg::Number}},
        {"tab", nullptr, {Arg::Name, Arg::Text}},
        {"resize", nullptr, {Arg::Size, Arg::Size}},
        {"close", nullptr, {}},
        {"answer", "browse", {Arg::Text}},
        {"answer", "web", {Arg::Text}},
        {"answer", "mail", {Arg::Text}},
        {"expect", "message", {Arg::Text, Arg::Text}},
        {"expect", "no-message", {}},
        {"expect", "status", {Arg::Text}},
        {"expect", "visible", {Arg::Target}},
        {"expect", "hidden", {Arg::Target}},
        {"expect", "text", {Arg::Target, Arg::Text}},
        {"expect", "checked", {Arg::Target}},
        {"expect", "unchecked", {Arg::Target}},
        {"expect", "index", {Arg::Name, Arg::Index}},
        {"expect", "items", {Arg::Name, Arg::Text}, true},
        {"expect", "items", {Arg::Name}},
        {"expect", "item", {Arg::Name, Arg::Count, Arg::Text}},
        {"expect", "selected", {Arg::Name, Arg::Text}},
        {"expect", "value", {Arg::Name, Arg::Number}},
        {"expect", "value", {Arg::Key, Arg::Text, Arg::Text}},
        {"expect", "value", {Arg::Key, Arg::Text, Arg::Text, Arg::Text}},
        {"expect", "enabled", {Arg::Target}},
        {"expect", "disabled", {Arg::Target}},
        {"expect", "flat", {Arg::Target}},
        {"expect", "raised", {Arg::Target}},
        {"expect", "geometry", {Arg::Target, Arg::Number, Arg::Number}},
        {"expect", "geometry", {Arg::Target, Arg::Number, Arg::Number, Arg::Number, Arg::Number}},
        {"expect", "modal", {Arg::Name}},
        {"expect", "no-modal", {}},
        {"expect", "ended", {}},
        {"expect", "running", {}},
        {"expect", "key", {Arg::Key}},
        {"expect", "no-key", {Arg::Key}},
        {"expect", "no-value", {Arg::Key, Arg::Text}},
        {"expect", "subkeys", {Arg::Key, Arg::Text}, true},
        {"expect", "subkeys", {Arg::Key}},
        {"expect", "file", {Arg::Path, Arg::Text}},
        {"expect", "file", {Arg::Path, Arg::Text, Arg::Text}},
        {"expect", "no-file", {Arg::Path}},
        {"given", "key", {Arg::Key}},
        {"given", "value", {Arg::Key, Arg::Text, Arg::Text}},
        {"given", "value", {Arg::Key, Arg::Text, Arg::Text, Arg::Text}},
        {"given", "file", {Arg::Path, Arg::Text}},
        {"given", "file", {Arg::Path, Arg::Text, Arg::Text}},
        {"given", "dir", {Arg::Path}},
    };
    return table;
}

bool isInteger(const QString& text, qint64 minimum)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    return ok && value >= minimum && value <= 1000000000;
}

bool isName(const QString& text)
{
    // Name or Form.Name: letters, digits and underscores, at most one dot between two
    // names.
    const QStringList parts = text.split(u'.');
    if (parts.size() > 2)
        return false;
    for (const QString& part : parts) {
        if (part.isEmpty())
            return false;
        for (QChar c : part)
            if (!(c.isLetterOrNumber() || c == u'_') || c.unicode() > 0x7f)
                return false;
    }
    return true;
}

bool isWindowsPath(const QString& text)
{
    return text.size() >= 2 && text[0].isLetter() && text[0].unicode() < 0x80 && text[1] == u':' &&
           (text.size() == 2 || text[2] == u'\\' || text[2] == u'/');
}

// Why token cannot be an argument of that kind; empty when it can.
QString argumentProblem(Arg arg, const ScenarioToken& token)
{
    switch (arg) {
    case Arg::Target:
        if (token.quoted)
            return token.text.isEmpty() ? QStringLiteral("an empty caption") : QString();
        [[fallthrough]];
    case Arg::Name:
        if (token.quoted || !isName(token.text))
            return QStringLiteral("%1 is not a designer name (Name or Form.Name)").arg(quote(token.text));
        return {};
    case Arg::Text:
        return {};
    case Arg::Count:
        return isInteger(token.text, 0) ? QString() : QStringLiteral("%1 is not a number from 0").arg(quote(token.text));
    case Arg::Index:
        return isInteger(token.text, -1) ? QString() : QStringLiteral("%1 is not a number from -1").arg(quote(token.text));
    case Arg::Number:
        return isInteger(token.text, -1000000000) ? QString() : QStringLiteral("%1 is not a number").arg(quote(token.text));
    case Arg::Size:
        return isInteger(token.text, 1) ? QString() : QStringLiteral("%1 is not a size above 0").arg(quote(token.text));
    case Arg::Key: {
        HKEY root;
        QString path;
        if (!ScenarioValue::parseKey(token.text, root, path))
            return QStringLiteral("%1 does not start with HKCR, HKCU, HKLM or HKU").arg(quote(token.text));
        if (path.split(u'\\').contains(QString()) && !path.isEmpty())
            return QStringLiteral("%1 has an empty key name").arg(quote(token.text));
        return {};
    }
    case Arg::Path:
        return isWindowsPath(token.text) ? QString()
                                         : QStringLiteral("%1 is not a Windows path with a drive letter").arg(quote(token.text));
    case Arg::KeyName: {
        const QKeySequence sequence = QKeySequence::fromString(token.text, QKeySequence::PortableText);
        if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
            return QStringLiteral("%1 is not a key name").arg(quote(token.text));
        return {};
    }
    }
    return {};
}

bool fits(const Form& form, const std::vector<ScenarioToken>& args)
{
    if (form.repeatLast ? args.size() < form.args.size() : args.size() != form.args.size())
        return false;
    return true;
}

// Checks beyond the shape: the value types and data, the file notation, the answers.
void checkMeaning(const ScenarioLine& line)
{
    const auto& args = line.args;
    const auto valueType = [&](size_t typeIndex) {
        const auto type = ScenarioValue::parseType(args[typeIndex].text);
        if (!type || args[typeIndex].quoted)
            fail(line.number, QStringLiteral("%1 is not a value type (sz, expand_sz, multi_sz, dword, binary, none)")
                                  .arg(quote(args[typeIndex].text)));
        const QString data = typeIndex + 1 < args.size() ? args[typeIndex + 1].text : QString();
        if (typeIndex + 1 >= args.size() && *type != REG_NONE)
            fail(line.number, QStringLiteral("the value's data is missing"));
        if (!ScenarioValue::encode(*type, data))
            fail(line.number, QStringLiteral("%1 is not %2 data").arg(quote(data), args[typeIndex].text));
    };
    const auto fileContent = [&] {
        if (args.size() == 3) {
            if (!args[1].isWord("hex"))
                fail(line.number, QStringLiteral("expected hex or one text after the file name, got %1")
                                      .arg(quote(args[1].text)));
            if (!ScenarioValue::parseHex(args[2].text))
                fail(line.number, QStringLiteral("%1 is not hex data").arg(quote(args[2].text)));
        }
    };
    if ((line.isExpect() || line.isGiven()) && line.kind == QLatin1String("value") && args.size() >= 3)
        valueType(2);
    if ((line.isExpect() || line.isGiven()) && line.kind == QLatin1String("file"))
        fileContent();
    if (line.isExpect() && line.kind == QLatin1String("selected") && args[1].quoted == false &&
        !args[1].isWord("none"))
        fail(line.number, QStringLiteral("expected a quoted caption or none, got %1").arg(args[1].text));
    if (line.isAnswer()) {
        const ScenarioToken& answer = args[0];
        if (line.kind == QLatin1String("browse")) {
            if (!answer.isWord("cancel") && !isWindowsPath(answer.text))
                fail(line.number, QStringLiteral("expected cancel or a Windows path, got %1").arg(quote(answer.text)));
        } else if (!answer.isWord("ok") && !answer.isWord("fail")) {
            fail(line.number, QStringLiteral("expected ok or fail, got %1").arg(quote(answer.text)));
        }
    }
}

} // namespace

bool ScenarioLine::allowedAfterEnd() const
{
    if (!isExpect())
        return false;
    return kind == QLatin1String("ended") || kind == QLatin1String("message") ||
           kind == QLatin1String("no-message") || checksStore();
}

bool ScenarioLine::checksStore() const
{
    static const QStringList kinds = {"key", "no-key", "no-value", "subkeys", "file", "no-file"};
    if (!isExpect())
        return false;
    // "expect value" checks the store with a key, a track bar with two arguments.
    return kinds.contains(kind) || (kind == QLatin1String("value") && args.size() >= 3);
}

QString ScenarioLine::text() const
{
    QStringList words{command};
    if (!kind.isEmpty())
        words << kind;
    for (const ScenarioToken& token : args)
        words << (token.quoted ? quote(token.text) : token.text);
    return words.join(u' ');
}

std::vector<ScenarioToken> ScenarioScript::tokenize(const QString& line)
{
    std::vector<ScenarioToken> tokens;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        while (i < n && isBlank(line[i]))
            ++i;
        if (i >= n)
            break;
        ScenarioToken token;
        if (line[i] == u'"') {
            token.quoted = true;
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = line[i];
                if (c == u'"') {
                    closed = true;
                    ++i;
                    break;
                }
                // Only \" and \\ are escapes; any other backslash stands for itself, so
                // Windows paths and the \0 of multi-strings need no doubling.
                if (c == u'\\' && i + 1 < n && (line[i + 1] == u'"' || line[i + 1] == u'\\')) {
                    token.text += line[i + 1];
                    i += 2;
                    continue;
                }
                token.text += c;
                ++i;
            }
            if (!closed)
                throw std::invalid_argument("a quoted text is not closed");
            if (i < n && !isBlank(line[i]))
                throw std::invalid_argument("a quoted text runs into the next word (blank missing)");
        } else {
            while (i < n && !isBlank(line[i])) {
                if (line[i] == u'"')
                    throw std::invalid_argument("a quote inside a word (quote the whole token)");
                token.text += line[i];
                ++i;
            }
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

ScenarioScript ScenarioScript::parse(const QString& text)
{
    ScenarioScript script;
    bool actionSeen = false;
    const QStringList rows = text.split(u'\n');
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const int number = static_cast<int>(row + 1);
        QString content = rows[row];
        if (content.endsWith(u'\r'))
            content.chop(1);
        const QString trimmed = content.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;

        std::vector<ScenarioToken> tokens;
        try {
            tokens = tokenize(content);
        } catch (const std::invalid_argument& error) {
            fail(number, QString::fromUtf8(error.what()));
        }

        ScenarioLine line;
        line.number = number;
        if (tokens.front().quoted)
            fail(number, QStringLiteral("a line starts with a command, not with a quoted text"));
        line.command = tokens.front().text;
        size_t first = 1;

        bool commandKnown = false;
        bool takesKind = false;
        for (const Form& form : forms()) {
            if (line.command == QLatin1String(form.command)) {
                commandKnown = true;
                takesKind = form.kind != nullptr;
            }
        }
        if (!commandKnown)
            fail(number, QStringLiteral("unknown command %1").arg(quote(line.command)));
        if (takesKind) {
            if (tokens.size() < 2 || tokens[1].quoted)
                fail(number, QStringLiteral("%1 needs a kind word").arg(line.command));
            line.kind = tokens[1].text;
            first = 2;
        }
        line.args.assign(tokens.begin() + static_cast<std::ptrdiff_t>(first), tokens.end());

        // The first form of this command whose shape fits and whose arguments are all
        // acceptable; otherwise the problem of the closest one.
        bool kindKnown = false;
        QString problem;
        bool matched = false;
        for (const Form& form : forms()) {
            if (line.command != QLatin1String(form.command))
                continue;
            if (form.kind && line.kind != QLatin1String(form.kind))
                continue;
            kindKnown = true;
            if (!fits(form, line.args)) {
                if (problem.isEmpty())
                    problem = QStringLiteral("wrong number of arguments for %1").arg(
                        (line.command + u' ' + line.kind).trimmed());
                continue;
            }
            QString argProblem;
            for (size_t a = 0; a < line.args.size() && argProblem.isEmpty(); ++a) {
                const Arg arg = a < form.args.size() ? form.args[a] : form.args.back();
                argProblem = argumentProblem(arg, line.args[a]);
            }
            if (argProblem.isEmpty()) {
                matched = true;
                break;
            }
            problem = argProblem;
        }
        if (!kindKnown)
            fail(number, QStringLiteral("unknown kind %1 after %2").arg(quote(line.kind), line.command));
        if (!matched)
            fail(number, problem);
        checkMeaning(line);

        if (line.isGiven() && actionSeen)
            fail(number, QStringLiteral("given lines must come before the first action"));
        if (line.isAction() && !line.isAnswer())
            actionSeen = true;
        script.m_lines.push_back(std::move(line));
    }
    return script;
}
