#include "RegFileReader.h"

#include "CodePage1252.h"
#include "KeyPath.h"
#include "RootName.h"
#include "Unicode.h"

#include <algorithm>
#include <optional>

namespace {

struct Line {
    std::u16string text;
    int number;
};

std::u16string decodeFile(std::string_view bytes)
{
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::u16string text;
        text.reserve(bytes.size() / 2);
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                 static_cast<unsigned char>(bytes[i + 1]) << 8));
        if (bytes.size() % 2)
            throw RegFileError(1 + static_cast<int>(std::count(text.begin(), text.end(), u'\n')),
                               "The file ends in the middle of a UTF-16 character");
        return text;
    }
    return CodePage1252::decode(bytes);
}

// Lines end at CR LF, LF or a lone CR, as Wine's importer splits them.
std::vector<Line> splitLines(std::u16string_view text)
{
    std::vector<Line> lines;
    size_t start = 0;
    int number = 1;
    while (start < text.size()) {
        size_t end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines.push_back({std::u16string(text.substr(start, end - start)), number++});
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() &&
            text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

size_t skipBlanks(std::u16string_view s, size_t pos)
{
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
    return pos;
}

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool startsWithNoCase(std::u16string_view s, size_t pos, std::u16string_view word)
{
    if (s.size() - pos < word.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i) {
        char16_t c = s[pos + i];
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != word[i])
            return false;
    }
    return true;
}

class Parser {
public:
    Parser(std::vector<Line> lines, std::vector<std::string>& warnings)
        : m_lines(std::move(lines)), m_warnings(warnings)
    {
    }

    std::vector<RegFileChange> parse()
    {
        readHeader();
        while (m_index < m_lines.size()) {
            const Line& line = m_lines[m_index];
            const size_t pos = skipBlanks(line.text, 0);
            if (pos == line.text.size() || line.text[pos] == u';' || line.text[pos] == u'#') {
                ++m_index;
            } else if (line.text[pos] == u'[') {
                keyLine(line, pos + 1);
                ++m_index;
            } else if (line.text[pos] == u'@' || line.text[pos] == u'"') {
                valueLine(pos);
            } else {
                fail(line.number, "Unrecognized input");
            }
        }
        return std::move(m_changes);
    }

private:
    [[noreturn]] void fail(int line, const std::string& message)
    {
        throw RegFileError(line, message);
    }

    void readHeader()
    {
        while (m_index < m_lines.size() &&
               skipBlanks(m_lines[m_index].text, 0) == m_lines[m_index].text.size())
            ++m_index;
        if (m_index == m_lines.size())
            fail(m_lines.empty() ? 1 : m_lines.back().number, "The file is empty");
        const Line& line = m_lines[m_index];
        std::u16string_view text = line.text;
        text.remove_prefix(skipBlanks(text, 0));
        while (!text.empty() && isBlank(text.back()))
            text.remove_suffix(1);
        if (text == u"Windows Registry Editor Version 5.00")
            m_unicode = true;
        else if (text == u"REGEDIT4")
            m_unicode = false;
        else
            fail(line.number, "Not a registry file: the first line must be \"Windows Registry "
                              "Editor Version 5.00\" or \"REGEDIT4\"");
        ++m_index;
    }

    // "[KEY]" or "[-KEY]"; the name ends at the last ']' on the line.
    void keyLine(const Line& line, size_t pos)
    {
        const std::u16string_view text = line.text;
        const size_t close = text.rfind(u']');
        if (close == std::u16string_view::npos || close < pos)
            fail(line.number, "Missing ']' after the key name");
        const size_t after = skipBlanks(text, close + 1);
        if (after != text.size() && text[after] != u';')
            fail(line.number, "Unexpected text after the key name");
        std::u16string_view name = text.substr(pos, close - pos);
        const bool remove = !name.empty() && name.front() == u'-';
        if (remove)
            name.remove_prefix(1);

        const size_t slash = name.find(u'\\');
        const std::u16string_view rootName = name.substr(0, slash);
        const std::optional<HKEY> root =
            rootName.size() < 64 ? rootFromName(toUtf8(rootName)) : std::nullopt;
        if (!root)
            fail(line.number, "Unknown root key in '" + toUtf8(name) + "'");
        RegFileChange change;
        change.line = line.number;
        change.root = *root;
        if (slash != std::u16string_view::npos)
            change.path = std::u16string(name.substr(slash + 1));
        std::vector<std::u16string> names;
        if (slash != std::u16string_view::npos && !KeyPath::trySplit(change.path, names))
            fail(line.number, "Invalid key name '" + toUtf8(name) + "'");
        if (remove) {
            if (change.path.empty())
                fail(line.number, "A root key cannot be deleted");
            change.kind = RegFileChange::Kind::DeleteKey;
            m_haveKey = false;
        } else {
            change.kind = RegFileChange::Kind::CreateKey;
            m_haveKey = true;
            m_root = change.root;
            m_path = change.path;
        }
        m_changes.push_back(std::move(change));
    }

    // A quoted string from just after its opening quote; returns the position after the
    // closing quote.
    size_t quoted(const Line& line, size_t pos, std::u16string& out, const char* what)
    {
        const std::u16string_view text = line.text;
        while (pos < text.size()) {
            const char16_t c = text[pos++];
            if (c == u'"')
                return pos;
            if (c != u'\\') {
                out.push_back(c);
                continue;
            }
            if (pos == text.size())
                break;
            const char16_t e = text[pos++];
            switch (e) {
            case u'\\': out.push_back(u'\\'); break;
            case u'"': out.push_back(u'"'); break;
            case u'n': out.push_back(u'\n'); break;
            case u'r': out.push_back(u'\r'); break;
            case u'0':
                // Wine refuses the value; a NUL cannot be written this way.
                fail(line.number, std::string("Invalid escape sequence [\\0] in ") + what);
            default:
                m_warnings.push_back("Unrecognized escape sequence [\\" +
                                     toUtf8(std::u16string(1, e)) + "]");
                out.push_back(e);
            }
        }
        fail(line.number, std::string("Missing closing quote in ") + what);
    }

    void endOfData(const Line& line, size_t pos)
    {
        pos = skipBlanks(line.text, pos);
        if (pos != line.text.size() && line.text[pos] != u';')
            fail(line.number, "Unexpected text after the value data");
    }

    void valueLine(size_t pos)
    {
        const Line& line = m_lines[m_index];
        const std::u16string_view text = line.text;
        if (!m_haveKey)
            fail(line.number, "Value without key");
        RegFileChange change;
        change.line = line.number;
        change.root = m_root;
        change.path = m_path;
        if (text[pos] == u'@')
            ++pos;
        else
            pos = quoted(line, pos + 1, change.name, "the value name");
        pos = skipBlanks(text, pos);
        if (pos == text.size() || text[pos] != u'=')
            fail(line.number, "Missing '=' after the value name");
        pos = skipBlanks(text, pos + 1);

        if (pos < text.size() && text[pos] == u'-') {
            change.kind = RegFileChange::Kind::DeleteValue;
            endOfData(line, pos + 1);
            ++m_index;
        } else if (pos < text.size() && text[pos] == u'"') {
            std::u16string data;
            pos = quoted(line, pos + 1, data, "the value data");
            endOfData(line, pos);
            data.push_back(0);
            change.kind = RegFileChange::Kind::SetValue;
            change.type = REG_SZ;
            change.data = toUtf16LeBytes(data);
            ++m_index;
        } else if (startsWithNoCase(text, pos, u"dword:")) {
            pos = skipBlanks(text, pos + 6);
            uint32_t n = 0;
            size_t digits = 0;
            for (int d; pos < text.size() && (d = hexValue(text[pos])) >= 0; ++pos, ++digits)
                n = n << 4 | static_cast<uint32_t>(d);
            if (digits == 0 || digits > 8)
                fail(line.number, "Invalid dword data: 1 to 8 hex digits expected");
            endOfData(line, pos);
            change.kind = RegFileChange::Kind::SetValue;
            change.type = REG_DWORD;
            change.data = {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8),
                           static_cast<uint8_t>(n >> 16), static_cast<uint8_t>(n >> 24)};
            ++m_index;
        } else if (startsWithNoCase(text, pos, u"hex")) {
            pos += 3;
            uint32_t type = REG_BINARY;
            if (pos < text.size() && text[pos] == u'(') {
                ++pos;
                uint64_t n = 0;
                size_t digits = 0;
                for (int d; pos < text.size() && (d = hexValue(text[pos])) >= 0; ++pos, ++digits)
                    n = n << 4 | static_cast<uint64_t>(d);
                if (digits == 0 || digits > 8 || pos == text.size() || text[pos] != u')')
                    fail(line.number, "Invalid type in hex(...)");
                type = static_cast<uint32_t>(n);
                ++pos;
            }
            if (pos == text.size() || text[pos] != u':')
                fail(line.number, "Unrecognized value data");
            change.kind = RegFileChange::Kind::SetValue;
            change.type = type;
            change.data = hexBytes(pos + 1);
            stringFromHex(change);
        } else {
            fail(line.number, "Unrecognized value data");
        }
        m_changes.push_back(std::move(change));
    }

    // Comma-separated bytes of one or two hex digits; a '\' at the end of a line
    // continues the list on the next line. Leaves m_index after the last line used.
    std::vector<uint8_t> hexBytes(size_t pos)
    {
        std::vector<uint8_t> bytes;
        for (;;) {
            const Line& line = m_lines[m_index];
            const std::u16string_view text = line.text;
            pos = skipBlanks(text, pos);
            if (pos == text.size() || text[pos] == u';') {
                ++m_index;
                return bytes;
            }
            if (text[pos] == u'\\') {
                endOfData(line, pos + 1);
                if (++m_index == m_lines.size())
                    fail(line.number, "The file ends in the middle of continued hex data");
                pos = 0;
                continue;
            }
            const int hi = hexValue(text[pos]);
            if (hi < 0)
                fail(line.number, "Invalid hex data");
            int byte = hi;
            ++pos;
            if (pos < text.size() && hexValue(text[pos]) >= 0)
                byte = byte << 4 | hexValue(text[pos++]);
            if (pos < text.size() && hexValue(text[pos]) >= 0)
                fail(line.number, "Invalid hex data: more than two digits in a byte");
            bytes.push_back(static_cast<uint8_t>(byte));
            pos = skipBlanks(text, pos);
            if (pos < text.size() && text[pos] == u',')
                ++pos;
            else if (pos < text.size() && text[pos] != u'\\' && text[pos] != u';')
                fail(line.number, "Invalid hex data");
        }
    }

    // hex(1), hex(2) and hex(7) hold strings: in REGEDIT4 files as ANSI bytes, which
    // become UTF-16; in both formats a missing final NUL is added, as Wine does.
    void stringFromHex(RegFileChange& change)
    {
        if (change.type != REG_SZ && change.type != REG_EXPAND_SZ && change.type != REG_MULTI_SZ)
            return;
        if (change.data.empty())
            return;
        if (!m_unicode) {
            std::u16string text;
            for (uint8_t b : change.data)
                text.push_back(CodePage1252::decode(b));
            if (text.back() != 0)
                text.push_back(0);
            change.data = toUtf16LeBytes(text);
        } else if (change.data.size() % 2 == 0) {
            const size_t n = change.data.size();
            if (change.data[n - 1] != 0 || change.data[n - 2] != 0) {
                change.data.push_back(0);
                change.data.push_back(0);
            }
        }
    }

    std::vector<Line> m_lines;
    std::vector<std::string>& m_warnings;
    std::vector<RegFileChange> m_changes;
    size_t m_index = 0;
    bool m_unicode = true;
    bool m_haveKey = false;
    HKEY m_root = HKEY_CURRENT_USER;
    std::u16string m_path;
};

} // namespace

std::vector<RegFileChange> RegFileReader::read(std::string_view bytes,
                                               std::vector<std::string>& warnings)
{
    Parser parser(splitLines(decodeFile(bytes)), warnings);
    return parser.parse();
}
