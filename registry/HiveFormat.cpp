#include "HiveFormat.h"

#include "RegistryTypes.h"
#include "Unicode.h"
#include "WineEscape.h"
#include "WineName.h"

#include <cstdio>
#include <cstring>

// How unchanged keys are written back byte for byte
// ---------------------------------------------------
// The loader keeps, for a key, the text of its section: from the start of its "[...]"
// line up to the start of the next key line, less the one empty line that separates
// sections (the writer puts "\n" before every section, as Wine does). A key gets that
// text only when writing it back verbatim reproduces exactly the key as loaded:
//  - the key has exactly one section in the file;
//  - that section created the key (a section after one of its own descendants' does
//    not: the key then already had the time of the earlier section, as in Wine);
//  - every name on the section's path is spelled as the key tree spells it (a path
//    may reach an existing key in another case);
//  - the text ends with an empty line ("\n\n") before the next key line, or with a
//    line end at the end of the file. A section followed by a comment or a CRLF
//    blank line has no raw text and is written the canonical way;
//  - no hex data in it was ended by an empty continuation line: that line may be the
//    separating blank line, which the text does not hold.
// The header (everything before the first key line, less the blank line before it)
// is kept verbatim likewise; a CRLF file is therefore kept where it can be and
// otherwise written with LF line ends, which Wine reads as well.
// Any change to a key drops its text (RegKey), and the writer then writes the key's
// section canonically, as Wine would. Sections are written in tree order, so a file
// whose sections were out of that order comes back reordered, but each unchanged
// section keeps its text. A key that has raw text is always written, even where
// Wine's rule would leave its section out (a value-less key that has sub-keys), so
// that nothing the file said is lost. An empty branch root without kept text is not
// written (Wine would write "[]" with a time it resets on every load anyway).

namespace {

constexpr uint64_t kFiletimeUnixEpoch = 116444736000000000ULL;
constexpr uint64_t kTicksPerSecond = 10000000ULL;
constexpr std::string_view kSignature = "WINE REGISTRY Version 2";
// Wine refuses key names longer than this (in UTF-16 units).
constexpr size_t kMaxKeyNameLength = 256;
// Windows' limit on the depth of the key tree. Deeper paths are refused: the tree is
// walked recursively, and a crafted file must not exhaust the stack.
constexpr size_t kMaxKeyDepth = 512;
// Error texts quote the offending line, shortened so that a huge line stays readable.
constexpr size_t kMaxQuotedLine = 100;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isHexChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

unsigned digitValue(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned>(c - 'A' + 10);
    return 99;
}

size_t skipSpace(std::string_view s, size_t p) {
    while (p < s.size() && isSpace(s[p]))
        ++p;
    return p;
}

// C's strtoul on a 64-bit system: leading blanks, a sign, "0x" for base 16, as many
// digits as there are; saturates on overflow; *end stays at pos when nothing converts.
uint64_t strToUL(std::string_view s, size_t pos, unsigned base, size_t* end) {
    size_t p = skipSpace(s, pos);
    bool negative = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-'))
        negative = s[p++] == '-';
    if (base == 16 && p + 2 < s.size() && s[p] == '0' && (s[p + 1] == 'x' || s[p + 1] == 'X') &&
        isHexChar(s[p + 2]))
        p += 2;
    const size_t digitsStart = p;
    uint64_t value = 0;
    bool overflow = false;
    while (p < s.size() && digitValue(s[p]) < base) {
        const unsigned d = digitValue(s[p]);
        if (value > (UINT64_MAX - d) / base)
            overflow = true;
        else
            value = value * base + d;
        ++p;
    }
    if (p == digitsStart) {
        if (end)
            *end = pos;
        return 0;
    }
    if (end)
        *end = p;
    if (overflow)
        return UINT64_MAX;
    return negative ? (~value + 1) : value;
}

void appendLe16(std::vector<uint8_t>& data, std::u16string_view text) {
    const size_t at = data.size();
    data.resize(at + text.size() * 2);
    uint8_t* out = data.data() + at;
    for (char16_t c : text) {
        *out++ = static_cast<uint8_t>(c & 0xFF);
        *out++ = static_cast<uint8_t>(c >> 8);
    }
}

// The lines of a file as Wine reads them: split at '\n', a '\r' before it dropped.
class LineReader {
public:
    LineReader(std::string_view text, int firstLineNo) : m_text(text), m_lineNo(firstLineNo - 1) {
        // Wine reads lines as C strings; a NUL byte would cut a line in two there. One
        // search for the first NUL spares a search on every line.
        const void* nul = std::memchr(text.data(), '\0', text.size());
        m_nulAt = nul ? static_cast<size_t>(static_cast<const char*>(nul) - text.data())
                      : std::string_view::npos;
    }

    bool next() {
        if (m_next >= m_text.size())
            return false;
        m_lineStart = m_next;
        ++m_lineNo;
        const void* nl = std::memchr(m_text.data() + m_next, '\n', m_text.size() - m_next);
        size_t end;
        if (nl) {
            end = static_cast<size_t>(static_cast<const char*>(nl) - m_text.data());
            m_next = end + 1;
            if (end > m_lineStart && m_text[end - 1] == '\r')
                --end;
        } else {
            end = m_text.size();
            m_next = end;
        }
        m_line = m_text.substr(m_lineStart, end - m_lineStart);
        return true;
    }

    // Lines are read in order, so the first line that reaches the first NUL holds it.
    bool lineHasNul() const { return m_nulAt < m_lineStart + m_line.size(); }

    std::string_view text() const { return m_text; }
    std::string_view line() const { return m_line; }
    size_t lineStart() const { return m_lineStart; }
    size_t nextStart() const { return m_next; }
    int lineNo() const { return m_lineNo; }

private:
    std::string_view m_text;
    size_t m_next = 0;
    size_t m_lineStart = 0;
    std::string_view m_line;
    int m_lineNo;
    size_t m_nulAt;
};

// One value, decoded into buffers that are reused from one value to the next so that
// checking a whole file does not allocate per line.
struct ValueLine {
    std::u16string name;
    uint32_t type = 0;
    std::vector<uint8_t> data;
    std::u16string text; // string data before it becomes bytes
    // Hex data ended by an empty continuation line: it leans on the line after it.
    bool endedByEmptyLine = false;
};

// Comma-separated bytes of one or two hex digits, continued on the next line after a
// backslash. Follows Wine's reading: blanks around commas, a trailing comma, and any
// indentation of continuation lines are accepted; an empty continuation line ends the
// data.
// When only checking (decode false), the bytes are not stored.
const char* readHexData(LineReader& reader, size_t p, ValueLine& v, bool decode) {
    bool continued = false;
    for (;;) {
        const std::string_view line = reader.line();
        bool bytesOnLine = false;
        while (p < line.size() && isHexChar(line[p])) {
            bytesOnLine = true;
            // The usual "xx," needs none of strtoul's generality.
            if (p + 2 < line.size() && isHexChar(line[p + 1]) && line[p + 2] == ',') {
                if (decode)
                    v.data.push_back(static_cast<uint8_t>(digitValue(line[p]) << 4 | digitValue(line[p + 1])));
                p = skipSpace(line, p + 3);
                continue;
            }
            size_t end;
            const uint64_t byte = strToUL(line, p, 16, &end);
            if (byte > 0xFF)
                return "Malformed value";
            if (decode)
                v.data.push_back(static_cast<uint8_t>(byte));
            p = skipSpace(line, end);
            if (p < line.size() && line[p] == ',')
                ++p;
            p = skipSpace(line, p);
        }
        if (p >= line.size()) {
            v.endedByEmptyLine = continued && !bytesOnLine;
            return nullptr;
        }
        if (line[p] != '\\' || !reader.next())
            return "Malformed value";
        if (reader.lineHasNul())
            return "Unrecognized input";
        continued = true;
        p = skipSpace(reader.line(), 0);
    }
}

// Reads the value whose line (the reader's current one) has its name at p: '@' or the
// opening quote. Continuation lines of hex data are read too. Returns the error
// message, or nullptr when the value was read into v. When only checking (decode
// false), name and data are left as they are: names and strings need only their end
// found, which cannot fail once the closing quote is there.
const char* readValue(LineReader& reader, size_t p, ValueLine& v, bool decode) {
    const std::string_view line = reader.line();
    v.name.clear();
    v.data.clear();
    v.endedByEmptyLine = false;
    if (line[p] == '@') {
        ++p;
    } else {
        p = decode ? parseWineEscaped(line, p + 1, '"', v.name) : skipWineEscaped(line, p + 1, '"');
        if (p == std::string_view::npos)
            return "Malformed value name";
    }
    p = skipSpace(line, p);
    if (p >= line.size() || line[p] != '=')
        return "Malformed value name";
    p = skipSpace(line, p + 1);

    const std::string_view rest = line.substr(p);
    size_t stringStart = std::string_view::npos;
    if (rest.starts_with("\"")) {
        v.type = REG_SZ, stringStart = p + 1;
    } else if (rest.starts_with("str:\"")) {
        v.type = REG_SZ, stringStart = p + 5;
    } else if (rest.starts_with("str(2):\"")) {
        v.type = REG_EXPAND_SZ, stringStart = p + 8;
    } else if (rest.starts_with("str(7):\"")) {
        v.type = REG_MULTI_SZ, stringStart = p + 8;
    } else if (rest.starts_with("hex:")) {
        v.type = REG_BINARY;
        return readHexData(reader, p + 4, v, decode);
    } else if (rest.starts_with("dword:")) {
        v.type = REG_DWORD;
        if (!decode)
            return nullptr; // strtoul takes anything
        const auto dw = static_cast<uint32_t>(strToUL(line, p + 6, 16, nullptr));
        v.data = {static_cast<uint8_t>(dw), static_cast<uint8_t>(dw >> 8), static_cast<uint8_t>(dw >> 16),
                  static_cast<uint8_t>(dw >> 24)};
        return nullptr;
    } else if (rest.starts_with("hex(")) {
        // Wine reads the number with strtoul and accepts "hex():" as type 0.
        size_t end;
        v.type = static_cast<uint32_t>(strToUL(line, p + 4, 16, &end));
        if (line.substr(end, 2) != "):")
            return "Malformed value";
        return readHexData(reader, end + 2, v, decode);
    } else {
        return "Malformed value";
    }
    if (!decode)
        return skipWineEscaped(line, stringStart, '"') == std::string_view::npos ? "Malformed value" : nullptr;
    v.text.clear();
    if (parseWineEscaped(line, stringStart, '"', v.text) == std::string_view::npos)
        return "Malformed value";
    v.text.push_back(u'\0');
    appendLe16(v.data, v.text);
    return nullptr;
}

bool isValueLine(std::string_view line, size_t& p) {
    p = skipSpace(line, 0);
    return p < line.size() && (line[p] == '@' || line[p] == '"');
}

class Parser {
public:
    Parser(std::string_view text, std::shared_ptr<const void> owner, const std::string& fileName,
           uint64_t loadTime)
        // 0 marks a key that has no time yet, so the load time must not be 0.
        : m_owner(std::move(owner)), m_text(text), m_reader(m_text, 1), m_file(fileName),
          m_loadTime(loadTime != 0 ? loadTime : 1) {}

    Hive parse();

private:
    bool nextLine();
    [[noreturn]] void fail(const char* message) const;
    void startSection(size_t p);
    void endSection(size_t end);
    void updateTime(uint64_t time);
    void keyOption(size_t p);
    void globalOption(size_t p);
    void value(size_t p);

    std::shared_ptr<const void> m_owner; // keeps m_text valid
    std::string_view m_text;
    LineReader m_reader;
    const std::string& m_file;
    uint64_t m_loadTime;

    std::unique_ptr<RegKey> m_root;
    std::vector<RegKey*> m_chain; // root .. current key; empty before the first section
    uint64_t m_sectionTime = 0;
    // The current section: where its key line starts, where the lines after it start,
    // whether it has values, and whether its text can stand for its key (see the top
    // of this file).
    size_t m_sectionStart = 0;
    size_t m_bodyStart = 0;
    bool m_sectionHasValues = false;
    bool m_sectionRawOk = false;
    bool m_seenSection = false;

    // Reused for every key line and value, so that checking allocates nothing per line.
    std::u16string m_path;
    ValueLine m_value;
};

bool Parser::nextLine() {
    if (!m_reader.next())
        return false;
    if (m_reader.lineHasNul())
        fail("Unrecognized input");
    return true;
}

void Parser::fail(const char* message) const {
    const std::string_view line = m_reader.line();
    std::string text(message);
    text += " '";
    if (line.size() > kMaxQuotedLine) {
        text += line.substr(0, kMaxQuotedLine);
        text += "...";
    } else {
        text += line;
    }
    text += "'";
    throw HiveParseError(m_file, m_reader.lineNo(), text);
}

Hive Parser::parse() {
    if (!nextLine() || m_reader.line() != kSignature)
        throw HiveParseError(m_file, 1, "not a valid registry file");
    m_root = std::make_unique<RegKey>(std::u16string(), 0);
    size_t headerEnd = m_text.size();

    while (nextLine()) {
        const std::string_view line = m_reader.line();
        const size_t p = skipSpace(line, 0);
        const char first = p < line.size() ? line[p] : '\0';
        switch (first) {
        case '[':
            if (!m_seenSection)
                headerEnd = m_reader.lineStart();
            endSection(m_reader.lineStart());
            startSection(p);
            break;
        case '@':
        case '"':
            if (m_chain.empty())
                fail("Value without key");
            value(p);
            break;
        case '#':
            if (m_chain.empty())
                globalOption(p);
            else
                keyOption(p);
            break;
        case ';':
        case '\0':
            break;
        default:
            fail("Unrecognized input");
        }
    }
    endSection(m_text.size());
    // Keys are created without a time (0, as in Wine) and take the first one a section
    // gives them; the root keeps the load time when no section named it.
    if (m_root->time() == 0)
        m_root->setTime(m_loadTime);

    Hive hive;
    std::string_view header = m_text.substr(0, headerEnd);
    // The empty line before the first section belongs to that section's layout.
    if (headerEnd < m_text.size() && header.size() >= 2 && header.substr(header.size() - 2) == "\n\n")
        header.remove_suffix(1);
    hive.header = std::string(header);
    hive.root = std::move(m_root);
    return hive;
}

void Parser::startSection(size_t p) {
    const std::string_view line = m_reader.line();
    m_path.clear();
    const size_t after = parseWineEscaped(line, p + 1, ']', m_path);
    if (after == std::string_view::npos)
        fail("Malformed key");
    size_t end;
    const uint64_t seconds = strToUL(line, after, 10, &end);
    m_sectionTime = end != after
                        ? static_cast<uint64_t>(static_cast<uint32_t>(seconds)) * kTicksPerSecond +
                              kFiletimeUnixEpoch
                        : m_loadTime;

    const std::u16string_view path = m_path;
    if (path.find(u'\0') != std::u16string_view::npos)
        fail("Malformed key");
    if (!path.empty() && path[0] == u'\\')
        fail("Error creating key");

    // Consecutive sections mostly share their leading names: the keys of the previous
    // section's chain are reused for as long as the names match, and only the rest is
    // looked up or created.
    if (m_chain.empty())
        m_chain.push_back(m_root.get());
    size_t level = 1;
    bool sameAsBefore = true;
    bool spelledAsStored = true;
    size_t i = 0;
    while (i < path.size()) {
        size_t j = path.find(u'\\', i);
        if (j == std::u16string_view::npos)
            j = path.size();
        // Repeated or trailing separators name no key, as in Wine.
        if (j > i) {
            const std::u16string_view name = path.substr(i, j - i);
            if (name.size() > kMaxKeyNameLength || level > kMaxKeyDepth)
                fail("Error creating key");
            RegKey* key;
            if (sameAsBefore && level < m_chain.size() && wineEqual(m_chain[level]->name(), name)) {
                key = m_chain[level];
            } else {
                sameAsBefore = false;
                m_chain.resize(level);
                key = &m_chain.back()->createSubkey(name, 0);
                m_chain.push_back(key);
            }
            if (key->name() != name)
                spelledAsStored = false;
            ++level;
        }
        i = j + 1;
    }
    m_chain.resize(level);

    // A key that already has a time was made by an earlier section (its own, or one
    // below it): its text is then spread over the file.
    RegKey* key = m_chain.back();
    const bool createdHere = key->time() == 0;
    if (!createdHere)
        key->setRawSection(std::nullopt);
    m_seenSection = true;
    m_sectionStart = m_reader.lineStart();
    m_bodyStart = m_reader.nextStart();
    m_sectionHasValues = false;
    m_sectionRawOk = createdHere && spelledAsStored;
}

// Ends the current section at `end`, the start of the next key line or the end of the
// file. The key keeps its value lines undecoded (they were checked) and, where it may,
// its section text; both are views of the file's text.
void Parser::endSection(size_t end) {
    if (m_chain.empty())
        return;
    updateTime(m_sectionTime);
    RegKey* key = m_chain.back();
    bool pointsIntoText = false;
    if (m_sectionHasValues) {
        key->addValueLines(m_text.substr(m_bodyStart, end - m_bodyStart));
        pointsIntoText = true;
    }
    if (m_sectionRawOk) {
        std::string_view raw = m_text.substr(m_sectionStart, end - m_sectionStart);
        bool keep;
        if (end == m_text.size()) {
            keep = raw.ends_with('\n');
        } else {
            keep = raw.ends_with("\n\n");
            raw.remove_suffix(1);
        }
        if (keep) {
            key->setRawSection(raw);
            pointsIntoText = true;
        }
    }
    if (pointsIntoText)
        key->attachText(m_owner);
}

// A key takes the first time given to it in this load: its own "#time", else its
// section's number (or the load time), else that of the first section below it.
void Parser::updateTime(uint64_t time) {
    if (time == 0) // Wine's "no time yet"
        return;
    for (auto it = m_chain.rbegin(); it != m_chain.rend() && (*it)->time() == 0; ++it)
        (*it)->setTime(time);
}

void Parser::keyOption(size_t p) {
    const std::string_view option = m_reader.line().substr(p);
    RegKey* key = m_chain.back();
    if (option.starts_with("#time=")) {
        uint64_t time = 0;
        for (size_t i = 6; i < option.size() && isHexChar(option[i]); ++i)
            time = (time << 4) | digitValue(option[i]);
        updateTime(time);
    } else if (option.starts_with("#class=")) {
        std::u16string className;
        // Wine drops a class it cannot read without a word; losing it silently is
        // worse than refusing the file.
        if (option.size() < 8 || option[7] != '"' ||
            parseWineEscaped(option, 8, '"', className) == std::string_view::npos)
            fail("Malformed class");
        key->setClassName(std::move(className));
    } else if (option.starts_with("#link")) {
        key->setLink(true);
    }
    // Other options are ignored, as Wine ignores them.
}

void Parser::globalOption(size_t p) {
    const std::string_view option = m_reader.line().substr(p);
    if (option.starts_with("#arch=")) {
        const std::string_view arch = option.substr(6);
        if (arch != "win32" && arch != "win64")
            fail("Unknown architecture");
    }
}

// Checks the value fully without decoding it; the key decodes it when its values are
// first asked for.
void Parser::value(size_t p) {
    if (const char* error = readValue(m_reader, p, m_value, false))
        fail(error);
    // Data ended by an empty continuation line leans on the line after it, which may
    // be the blank line before the next section: the section's text cannot then be
    // moved or written last.
    if (m_value.endedByEmptyLine)
        m_sectionRawOk = false;
    m_sectionHasValues = true;
}

// Wine's writer: one value line, wrapping hex data after the comma that takes the
// line past 76 characters.
void writeValue(std::string& out, const RegValue& v) {
    const size_t lineStart = out.size();
    if (v.name.empty()) {
        out += "@=";
    } else {
        out += '"';
        appendWineEscaped(out, v.name, "\"");
        out += "\"=";
    }

    const bool terminated = v.data.size() >= 2 && v.data.size() % 2 == 0 &&
                            v.data[v.data.size() - 2] == 0 && v.data[v.data.size() - 1] == 0;
    if ((v.type == REG_SZ || v.type == REG_EXPAND_SZ || v.type == REG_MULTI_SZ) && terminated) {
        if (v.type != REG_SZ)
            out += v.type == REG_EXPAND_SZ ? "str(2):" : "str(7):";
        const std::u16string text =
            fromUtf16LeBytes(std::span(v.data).first(v.data.size() - 2));
        out += '"';
        appendWineEscaped(out, text, "\"");
        out += "\"\n";
        return;
    }
    if (v.type == REG_DWORD && v.data.size() == 4) {
        const uint32_t dw = v.data[0] | (v.data[1] << 8) | (v.data[2] << 16) |
                            (static_cast<uint32_t>(v.data[3]) << 24);
        char buf[16];
        std::snprintf(buf, sizeof buf, "dword:%08x\n", dw);
        out += buf;
        return;
    }
    if (v.type == REG_BINARY) {
        out += "hex:";
    } else {
        char buf[24];
        std::snprintf(buf, sizeof buf, "hex(%x):", v.type);
        out += buf;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    size_t count = out.size() - lineStart;
    for (size_t i = 0; i < v.data.size(); ++i) {
        out += kHex[v.data[i] >> 4];
        out += kHex[v.data[i] & 0xF];
        count += 2;
        if (i + 1 < v.data.size()) {
            out += ',';
            if (++count > 76) {
                out += "\\\n  ";
                count = 2;
            }
        }
    }
    out += '\n';
}

void writeSection(std::string& out, const RegKey& key, const std::string& path) {
    out += "\n[";
    out += path;
    const auto seconds =
        static_cast<uint32_t>(static_cast<int64_t>(key.time() - kFiletimeUnixEpoch) /
                              static_cast<int64_t>(kTicksPerSecond));
    char buf[64];
    std::snprintf(buf, sizeof buf, "] %u\n#time=%x%08x\n", seconds,
                  static_cast<uint32_t>(key.time() >> 32), static_cast<uint32_t>(key.time()));
    out += buf;
    if (key.className()) {
        out += "#class=\"";
        appendWineEscaped(out, *key.className(), "\"");
        out += "\"\n";
    }
    if (key.isLink())
        out += "#link\n";
    for (const RegValue& v : key.values())
        writeValue(out, v);
}

// Wine writes a key that has values, or no sub-keys, or a class, or is a link; a
// value-less key with sub-keys exists through their sections. An empty branch root is
// left out too: its section would carry only a time, which Wine resets on every load,
// and leaving it out keeps a file of only a header as it was.
void writeTree(std::string& out, const RegKey& key, std::string& path, bool isRoot) {
    // Kept text first: asking for the values would decode them for nothing.
    if (key.rawSection()) {
        out += '\n';
        out += *key.rawSection();
    } else if (!key.values().empty() || key.className() || key.isLink() ||
               (key.subkeys().empty() && !isRoot)) {
        writeSection(out, key, path);
    }
    const size_t pathLength = path.size();
    for (const auto& sub : key.subkeys()) {
        path.resize(pathLength);
        if (pathLength > 0)
            path += "\\\\";
        appendWineEscaped(path, sub->name(), "[]");
        writeTree(out, *sub, path, false);
    }
    path.resize(pathLength);
}

// A guess of the written size, so that a big file is not copied over and over while
// the text grows.
size_t estimateSize(const RegKey& key) {
    size_t size = key.rawSection() ? key.rawSection()->size() + 1 : 64 + 64 * key.values().size();
    for (const auto& sub : key.subkeys())
        size += estimateSize(*sub);
    return size;
}

} // namespace

Hive parseHive(std::string_view text, const std::string& fileName, uint64_t loadTime) {
    auto copy = std::make_shared<const std::string>(text);
    const std::string_view view = *copy;
    return parseHive(view, std::move(copy), fileName, loadTime);
}

Hive parseHive(std::string_view text, std::shared_ptr<const void> owner, const std::string& fileName,
               uint64_t loadTime) {
    return Parser(text, std::move(owner), fileName, loadTime).parse();
}

void decodeValueLines(std::string_view lines, const ValueSink& add) {
    LineReader reader(lines, 1);
    ValueLine value;
    while (reader.next()) {
        size_t p;
        if (!isValueLine(reader.line(), p))
            continue;
        if (readValue(reader, p, value, true))
            throw RegistryError("Cannot read the value line '" + std::string(reader.line()) + "'");
        add(value.name, value.type, std::move(value.data));
    }
}

std::string serializeHive(const Hive& hive) {
    std::string out;
    out.reserve(hive.header.size() + 1 + (hive.root ? estimateSize(*hive.root) : 0));
    out += hive.header;
    if (!hive.root)
        return out;
    if (!out.empty() && out.back() != '\n')
        out += '\n';
    std::string path;
    writeTree(out, *hive.root, path, true);
    return out;
}

std::string newHiveHeader(std::string_view branch, std::string_view arch) {
    std::string header = "WINE REGISTRY Version 2\n;; All keys relative to ";
    const std::u16string path = toUtf16(branch);
    bool first = true;
    size_t i = 0;
    while (i <= path.size()) {
        size_t j = path.find(u'\\', i);
        if (j == std::u16string::npos)
            j = path.size();
        if (j > i) {
            if (!first)
                header += "\\\\";
            appendWineEscaped(header, std::u16string_view(path).substr(i, j - i), "[]");
            first = false;
        }
        i = j + 1;
    }
    header += '\n';
    if (!arch.empty()) {
        header += "\n#arch=";
        header += arch;
        header += '\n';
    }
    return header;
}
