#include "WineEscape.h"

#include "Unicode.h"

#include <cstdint>

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

bool isAsciiHexUnit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool isHexChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

unsigned hexValue(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<unsigned>(c - 'a' + 10);
    return static_cast<unsigned>(c - 'A' + 10);
}

void appendHex(std::string& out, unsigned value, int minDigits) {
    char buf[8];
    int n = 0;
    do {
        buf[n++] = kHexDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    while (n < minDigits)
        buf[n++] = '0';
    while (n > 0)
        out.push_back(buf[--n]);
}

void appendOctal(std::string& out, unsigned value, int minDigits) {
    char buf[8];
    int n = 0;
    do {
        buf[n++] = static_cast<char>('0' + (value & 7));
        value >>= 3;
    } while (value != 0);
    while (n < minDigits)
        buf[n++] = '0';
    while (n > 0)
        out.push_back(buf[--n]);
}

// One UTF-8 sequence starting at s[i] (a byte >= 0x80). Appends its code units and
// returns the number of bytes used; an invalid sequence appends nothing and uses one
// byte, so that the following bytes are looked at on their own.
size_t decodeUtf8(std::string_view s, size_t i, std::u16string& out) {
    const auto lead = static_cast<unsigned char>(s[i]);
    size_t extra;
    uint32_t cp;
    uint32_t min;
    if ((lead & 0xE0) == 0xC0)
        extra = 1, cp = lead & 0x1F, min = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        extra = 2, cp = lead & 0x0F, min = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        extra = 3, cp = lead & 0x07, min = 0x10000;
    else
        return 1;
    if (i + extra >= s.size())
        return 1;
    for (size_t k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80)
            return 1;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 1;
    appendCodePoint(out, cp);
    return extra + 1;
}

} // namespace

void appendWineEscaped(std::string& out, std::u16string_view text, std::string_view extra) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const char16_t next = i + 1 < text.size() ? text[i + 1] : u'\0';
        if (c > 0x7F) {
            out += "\\x";
            appendHex(out, c, isAsciiHexUnit(next) ? 4 : 1);
        } else if (c < 0x20) {
            out.push_back('\\');
            switch (c) {
            case 0x07:
                out.push_back('a');
                break;
            case 0x08:
                out.push_back('b');
                break;
            case 0x09:
                out.push_back('t');
                break;
            case 0x0A:
                out.push_back('n');
                break;
            case 0x0B:
                out.push_back('v');
                break;
            case 0x0C:
                out.push_back('f');
                break;
            case 0x0D:
                out.push_back('r');
                break;
            case 0x1B:
                out.push_back('e');
                break;
            default:
                appendOctal(out, c, (next >= u'0' && next <= u'7') ? 3 : 1);
                break;
            }
        } else {
            if (c == u'\\' || extra.find(static_cast<char>(c)) != std::string_view::npos)
                out.push_back('\\');
            out.push_back(static_cast<char>(c));
        }
    }
}

size_t parseWineEscaped(std::string_view line, size_t pos, char delimiter, std::u16string& out) {
    size_t p = pos;
    while (p < line.size() && line[p] != delimiter) {
        // Most names and strings are plain ASCII: copy such a run in one go.
        size_t run = p;
        while (run < line.size() && static_cast<unsigned char>(line[run]) < 0x80 && line[run] != '\\' &&
               line[run] != delimiter)
            ++run;
        if (run > p) {
            const size_t at = out.size();
            out.resize(at + (run - p));
            for (size_t k = p; k < run; ++k)
                out[at + (k - p)] = static_cast<char16_t>(line[k]);
            p = run;
            continue;
        }
        const char c = line[p];
        if (static_cast<unsigned char>(c) >= 0x80) {
            p += decodeUtf8(line, p, out);
            continue;
        }
        if (c != '\\') {
            out.push_back(static_cast<char16_t>(c));
            ++p;
            continue;
        }
        // A backslash as the last character escapes nothing: the string is unterminated.
        if (++p >= line.size())
            return std::string_view::npos;
        const char e = line[p];
        switch (e) {
        case 'a':
            out.push_back(u'\a');
            ++p;
            break;
        case 'b':
            out.push_back(u'\b');
            ++p;
            break;
        case 'e':
            out.push_back(u'\x1b');
            ++p;
            break;
        case 'f':
            out.push_back(u'\f');
            ++p;
            break;
        case 'n':
            out.push_back(u'\n');
            ++p;
            break;
        case 'r':
            out.push_back(u'\r');
            ++p;
            break;
        case 't':
            out.push_back(u'\t');
            ++p;
            break;
        case 'v':
            out.push_back(u'\v');
            ++p;
            break;
        case 'x': {
            ++p;
            if (p >= line.size() || !isHexChar(line[p])) {
                out.push_back(u'x');
                break;
            }
            unsigned value = 0;
            for (int k = 0; k < 4 && p < line.size() && isHexChar(line[p]); ++k, ++p)
                value = value * 16 + hexValue(line[p]);
            out.push_back(static_cast<char16_t>(value));
            break;
        }
        case '0':
        case '1':
        case '2':
        case '3':
        case '4':
        case '5':
        case '6':
        case '7': {
            unsigned value = 0;
            for (int k = 0; k < 3 && p < line.size() && line[p] >= '0' && line[p] <= '7'; ++k, ++p)
                value = value * 8 + static_cast<unsigned>(line[p] - '0');
            out.push_back(static_cast<char16_t>(value));
            break;
        }
        default:
            // Any other escaped character stands for itself, a non-ASCII one included.
            if (static_cast<unsigned char>(e) >= 0x80) {
                p += decodeUtf8(line, p, out);
            } else {
                out.push_back(static_cast<char16_t>(e));
                ++p;
            }
            break;
        }
    }
    if (p >= line.size())
        return std::string_view::npos;
    return p + 1;
}

size_t skipWineEscaped(std::string_view line, size_t pos, char delimiter) {
    for (size_t p = pos; p < line.size(); ++p) {
        const char c = line[p];
        if (c == delimiter)
            return p + 1;
        // A backslash as the last character escapes nothing: the string is unterminated.
        if (c == '\\' && ++p >= line.size())
            break;
    }
    return std::string_view::npos;
}
