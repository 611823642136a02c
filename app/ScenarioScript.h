// A scenario file read into lines: one command per line, tokens separated by blanks,
// double-quoted tokens with \" and \\ inside, '#' comment lines. Every line is checked
// when the file is read (command, arguments, numbers, types, keys), so that a mistake in
// the file is reported before the program acts on anything.
#pragma once

#include <QString>

#include <stdexcept>
#include <vector>

struct ScenarioToken {
    QString text;
    // Written in double quotes: a caption ("O&K"), never a designer name.
    bool quoted = false;

    bool isWord(const char* word) const { return !quoted && text == QLatin1String(word); }
};

struct ScenarioLine {
    int number = 0;
    // "click", "expect", "given", "answer", ...
    QString command;
    // For expect, given and answer: the word after the command ("message", "value",
    // "browse", ...); empty for the other commands.
    QString kind;
    std::vector<ScenarioToken> args;

    bool isExpect() const { return command == QLatin1String("expect"); }
    bool isGiven() const { return command == QLatin1String("given"); }
    bool isAnswer() const { return command == QLatin1String("answer"); }
    // An action on the live program (answers included: they wait for a dialog).
    bool isAction() const { return !isExpect() && !isGiven(); }
    // The lines allowed after the program ended: expect ended, messages, and the store.
    bool allowedAfterEnd() const;
    // A registry or file expectation, checked against the store.
    bool checksStore() const;
    // The line as written (tokens re-quoted), for failure texts.
    QString text() const;
};

class ScenarioSyntaxError : public std::runtime_error {
public:
    ScenarioSyntaxError(int line, const QString& message)
        : std::runtime_error(message.toStdString()), m_line(line)
    {
    }
    int line() const { return m_line; }

private:
    int m_line;
};

class ScenarioScript {
public:
    // Throws ScenarioSyntaxError with the line number of the first bad line.
    static ScenarioScript parse(const QString& text);

    // One line's tokens; throws std::invalid_argument for an unclosed quote or a quote
    // inside a word.
    static std::vector<ScenarioToken> tokenize(const QString& line);

    const std::vector<ScenarioLine>& lines() const { return m_lines; }

private:
    std::vector<ScenarioLine> m_lines;
};
