#include "RegFileWriter.h"

#include "CodePage1252.h"
#include "RegistryTypes.h"
#include "Unicode.h"

#include <cstdio>

namespace {

// A hex line is broken after the comma that takes it past this column.
constexpr size_t wrapColumn = 76;

std::u16string ascii(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

// .reg escaping: backslash, quote, CR and LF; the text ends at its first NUL.
std::u16string escaped(std::u16string_view text)
{
    std::u16string out;
    for (char16_t c : text) {
        switch (c) {
        case 0: return out;
        case u'\\': out += u"\\\\"; break;
        case u'"': out += u"\\\""; break;
        case u'\r': out += u"\\r"; break;
        case u'\n': out += u"\\n"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

RegFileWriter::RegFileWriter(Format format) : m_format(format)
{
    m_text = format == Format::Version5 ? u"Windows Registry Editor Version 5.00\r\n"
                                        : u"REGEDIT4\r\n";
}

void RegFileWriter::key(std::u16string_view fullName)
{
    m_text += u"\r\n[";
    m_text += fullName;
    m_text += u"]\r\n";
}

void RegFileWriter::value(const RegValue& value)
{
    const std::u16string namePart =
        value.name.empty() ? std::u16string(u"@=") : u"\"" + escaped(value.name) + u"\"=";
    const std::vector<uint8_t>& data = value.data;

    if (value.type == REG_SZ) {
        // At most size/2 - 1 characters: the last unit is taken for the terminator.
        std::u16string text = fromUtf16LeBytes(data);
        text.resize(data.size() >= 2 ? data.size() / 2 - 1 : 0);
        m_text += namePart + u"\"" + escaped(text) + u"\"\r\n";
        return;
    }
    if (value.type == REG_DWORD && data.size() >= 4) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "dword:%02x%02x%02x%02x", data[3], data[2], data[1],
                      data[0]);
        m_text += namePart + ascii(buf) + u"\r\n";
        return;
    }
    // A DWORD shorter than 4 bytes is written as the bytes it has (Wine's reg writes
    // whatever its buffer held).
    std::u16string tag = u"hex:";
    if (value.type != REG_BINARY) {
        char buf[24];
        std::snprintf(buf, sizeof buf, "hex(%x):", static_cast<unsigned>(value.type));
        tag = ascii(buf);
    }
    if (m_format == Format::Regedit4 &&
        (value.type == REG_EXPAND_SZ || value.type == REG_MULTI_SZ)) {
        // REGEDIT4 keeps these strings in the ANSI code page, one byte per character.
        const std::string ansi = CodePage1252::encode(fromUtf16LeBytes(data));
        hexData(namePart, tag, std::vector<uint8_t>(ansi.begin(), ansi.end()));
        return;
    }
    hexData(namePart, tag, data);
}

void RegFileWriter::hexData(std::u16string_view namePart, std::u16string_view tag,
                            const std::vector<uint8_t>& bytes)
{
    static const char16_t digits[] = u"0123456789abcdef";
    m_text += namePart;
    m_text += tag;
    // The column counts UTF-16 units of the name, before any conversion to ANSI.
    size_t column = namePart.size() + tag.size();
    for (size_t i = 0; i < bytes.size(); ++i) {
        m_text += digits[bytes[i] >> 4];
        m_text += digits[bytes[i] & 15];
        if (i + 1 == bytes.size())
            break;
        m_text += u',';
        column += 3;
        if (column > wrapColumn) {
            m_text += u"\\\r\n  ";
            column = 2;
        }
    }
    m_text += u"\r\n";
}

std::string RegFileWriter::finish()
{
    m_text += u"\r\n";
    if (m_format == Format::Regedit4)
        return CodePage1252::encode(m_text);
    std::string bytes = "\xff\xfe";
    bytes.reserve(2 + m_text.size() * 2);
    for (char16_t u : m_text) {
        bytes.push_back(static_cast<char>(u & 0xff));
        bytes.push_back(static_cast<char>(u >> 8));
    }
    return bytes;
}
