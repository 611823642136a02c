// Reading scenario files: tokens and quoting, the checks made on every line with the
// line number of the first bad one, and the value notation of given/expect lines.
#include "ScenarioScript.h"
#include "ScenarioValue.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

QStringList texts(const std::vector<ScenarioToken>& tokens)
{
    QStringList result;
    for (const ScenarioToken& token : tokens)
        result << (token.quoted ? u'[' + token.text + u']' : token.text);
    return result;
}

TEST(ScenarioTokenize, QuotingAndEscapes)
{
    struct Case {
        const char* line;
        QStringList tokens; // quoted tokens in [brackets]
    };
    const Case cases[] = {
        {"click \"O&K\"", {"click", "[O&K]"}},
        {"  expect   text\tEdit1  \"a b\"  ", {"expect", "text", "Edit1", "[a b]"}},
        {R"(type Edit1 "say \"hi\" \\ bye")", {"type", "Edit1", R"([say "hi" \ bye])"}},
        // Backslashes are ordinary outside quotes and before anything but " and \.
        {R"(expect key HKCU\Software\X)", {"expect", "key", R"(HKCU\Software\X)"}},
        {R"(given file "C:\dir\new.txt" "x")", {"given", "file", R"([C:\dir\new.txt])", "[x]"}},
        {R"(given value HKCU\K M multi_sz "a\0b")", {"given", "value", R"(HKCU\K)", "M", "multi_sz", R"([a\0b])"}},
        {R"(type Edit1 "")", {"type", "Edit1", "[]"}},
        {R"(x "\\")", {"x", R"([\])"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(texts(ScenarioScript::tokenize(QString::fromUtf8(c.line))), c.tokens);
    }
}

TEST(ScenarioTokenize, MalformedQuotesAreErrors)
{
    for (const char* line : {R"(click "O&K)", R"(click "a\")", R"(click ab"c")", R"(click "a"b)"}) {
        SCOPED_TRACE(line);
        EXPECT_THROW(ScenarioScript::tokenize(QString::fromUtf8(line)), std::invalid_argument);
    }
}

TEST(ScenarioParse, ReadsEveryKindOfLine)
{
    const QString text = QStringLiteral(
        "# Choosing \"No Animation\"\r\n"
        "given value \"HKCU\\Control Panel\\Desktop\\WindowMetrics\" Minanimate sz \"1\"\r\n"
        "given file \"C:\\a.bin\" hex \"0d 0a\"\r\n"
        "\r\n"
        "answer browse cancel\n"
        "dblclick ListView1 \"Look\"\n"
        "dblclick ListView1\n"
        "expect value TrackBar1 3\n"
        "expect value HKLM\\SOFTWARE\\Korrelin @ none\n"
        "expect selected ListView3 none\n"
        "click TForm5.OfficeButton1\n"
        "press Edit1 Enter\n"
        "expect geometry Form1 69 6 530 440\n"
        "expect items ListBox1\n"
        "expect ended\n");
    const ScenarioScript script = ScenarioScript::parse(text);
    const auto& lines = script.lines();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0].number, 2);
    EXPECT_TRUE(lines[0].isGiven());
    EXPECT_EQ(lines[0].kind, "value");
    EXPECT_EQ(lines[0].args[0].text, "HKCU\\Control Panel\\Desktop\\WindowMetrics");
    EXPECT_EQ(lines[2].number, 5);
    EXPECT_TRUE(lines[2].isAnswer());
    EXPECT_EQ(lines[3].command, "dblclick");
    EXPECT_EQ(lines[4].args.size(), 1u);

    // Which lines may still run once the program has ended.
    EXPECT_FALSE(lines[5].checksStore()) << "expect value with a track bar";
    EXPECT_FALSE(lines[5].allowedAfterEnd());
    EXPECT_TRUE(lines[6].checksStore());
    EXPECT_TRUE(lines[6].allowedAfterEnd());
    EXPECT_FALSE(lines[7].allowedAfterEnd());
    EXPECT_FALSE(lines[8].allowedAfterEnd());
    EXPECT_TRUE(lines[12].allowedAfterEnd());
}

TEST(ScenarioParse, ErrorsNameTheLine)
{
    struct Case {
        const char* name;
        const char* text;
        int line;
    };
    const Case cases[] = {
        {"unknown command", "# x\n\nclik Button1\n", 3},
        {"unknown expectation", "expect colour Button1\n", 1},
        {"missing argument", "click\n", 1},
        {"extra argument", "close now\n", 1},
        {"caption where a name belongs", "select \"ListView1\" \"Look\"\n", 1},
        {"not a number", "expect index ComboBox1 one\n", 1},
        {"index below -1", "expect index ComboBox1 -2\n", 1},
        {"choose a negative item", "choose ComboBox1 -1\n", 1},
        {"resize to nothing", "resize 0 400\n", 1},
        {"unknown root", "expect key HKXX\\Software\n", 1},
        {"empty key name", "expect key HKCU\\Software\\\\X\n", 1},
        {"unknown type", "given value HKCU\\K V string \"x\"\n", 1},
        {"dword out of range", "given value HKCU\\K V dword 4294967296\n", 1},
        {"dword not a number", "given value HKCU\\K V dword 0xZZ\n", 1},
        {"odd hex digits", "given value HKCU\\K V binary \"0d 0\"\n", 1},
        {"missing data", "given value HKCU\\K V sz\n", 1},
        {"given after an action", "given key HKCU\\A\nclick Button1\ngiven key HKCU\\B\n", 3},
        {"browse answer neither cancel nor a path", "answer browse maybe\n", 1},
        {"web answer", "answer web yes\n", 1},
        {"unknown key", "press Edit1 Bogus\n", 1},
        {"file content word", "expect file \"C:\\a\" bytes \"00\"\n", 1},
        {"relative file path", "expect no-file \"a.txt\"\n", 1},
        {"selected without quotes", "expect selected ListView1 Look\n", 1},
        {"unclosed quote on line 2", "expect no-message\nexpect status \"open\n", 2},
        {"line starts with a quote", "\"click\" Button1\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            ScenarioScript::parse(QString::fromUtf8(c.text));
            ADD_FAILURE() << "no error";
        } catch (const ScenarioSyntaxError& error) {
            EXPECT_EQ(error.line(), c.line) << error.what();
            EXPECT_FALSE(std::string(error.what()).empty());
        }
    }
}

TEST(ScenarioParse, AnswersDoNotCloseTheGivenSection)
{
    EXPECT_NO_THROW(ScenarioScript::parse("answer browse cancel\ngiven key HKCU\\A\nclick B\n"));
}

std::vector<uint8_t> bytes(std::initializer_list<int> values)
{
    std::vector<uint8_t> result;
    for (int v : values)
        result.push_back(static_cast<uint8_t>(v));
    return result;
}

TEST(ScenarioValueNotation, EncodesEachType)
{
    struct Case {
        const char* type;
        const char* data;
        std::optional<std::vector<uint8_t>> encoded;
    };
    const Case cases[] = {
        {"sz", "ab", bytes({'a', 0, 'b', 0, 0, 0})},
        {"expand_sz", "", bytes({0, 0})},
        {"multi_sz", "a\\0b", bytes({'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0})},
        {"multi_sz", "", bytes({0, 0})},
        {"dword", "1", bytes({1, 0, 0, 0})},
        {"dword", "0x0A0B0C0D", bytes({0x0d, 0x0c, 0x0b, 0x0a})},
        {"dword", "-1", bytes({0xff, 0xff, 0xff, 0xff})},
        {"dword", "4294967296", std::nullopt},
        {"dword", "1.5", std::nullopt},
        {"binary", "0d 0A", bytes({0x0d, 0x0a})},
        {"binary", "", bytes({})},
        {"binary", "+1", std::nullopt},
        {"none", "00", bytes({0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.data);
        const auto type = ScenarioValue::parseType(QString::fromUtf8(c.type));
        ASSERT_TRUE(type.has_value());
        EXPECT_EQ(ScenarioValue::encode(*type, QString::fromUtf8(c.data)), c.encoded);
    }
}

TEST(ScenarioValueNotation, MatchesAndDescribesStoredData)
{
    const auto expected = *ScenarioValue::encode(REG_SZ, "ab");
    // A string stored without its terminator reads the same.
    EXPECT_TRUE(ScenarioValue::matches(REG_SZ, expected, REG_SZ, bytes({'a', 0, 'b', 0})));
    EXPECT_FALSE(ScenarioValue::matches(REG_SZ, expected, REG_EXPAND_SZ, expected));
    EXPECT_FALSE(ScenarioValue::matches(REG_SZ, expected, REG_SZ, *ScenarioValue::encode(REG_SZ, "abc")));
    EXPECT_FALSE(ScenarioValue::matches(REG_DWORD, bytes({1, 0, 0, 0}), REG_DWORD, bytes({1, 0, 0})));

    EXPECT_EQ(ScenarioValue::describe(REG_SZ, *ScenarioValue::encode(REG_SZ, "say \"x\"")), R"(sz "say \"x\"")");
    EXPECT_EQ(ScenarioValue::describe(REG_MULTI_SZ, *ScenarioValue::encode(REG_MULTI_SZ, "a\\0b")), R"(multi_sz "a\\0b")");
    EXPECT_EQ(ScenarioValue::describe(REG_DWORD, bytes({1, 0, 0, 0})), "dword 0x00000001");
    EXPECT_EQ(ScenarioValue::describe(REG_BINARY, bytes({0x0d, 0x0a})), "binary 0d0a");
    EXPECT_EQ(ScenarioValue::describe(REG_DWORD, bytes({1, 0})), "hex(4) 0100");
}

TEST(ScenarioValueNotation, KeysWithShortOrLongRoots)
{
    struct Case {
        const char* key;
        bool ok;
        HKEY root;
        const char* path;
    };
    const Case cases[] = {
        {"HKCU\\Software\\X", true, HKEY_CURRENT_USER, "Software\\X"},
        {"hkey_local_machine\\SOFTWARE", true, HKEY_LOCAL_MACHINE, "SOFTWARE"},
        {"HKCR\\.txt", true, HKEY_CLASSES_ROOT, ".txt"},
        {"HKLM", true, HKEY_LOCAL_MACHINE, ""},
        {"HKCUX\\Software", false, HKEY_CURRENT_USER, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        HKEY root{};
        QString path;
        EXPECT_EQ(ScenarioValue::parseKey(QString::fromUtf8(c.key), root, path), c.ok);
        if (c.ok) {
            EXPECT_EQ(root, c.root);
            EXPECT_EQ(path, QString::fromUtf8(c.path));
        }
    }
}

} // namespace
