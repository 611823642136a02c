// Writes .reg files as Wine's reg export and regedit do: version 5.00 (UTF-16LE with a
// byte order mark) or the Windows 95 REGEDIT4 format (code page 1252). The layout and
// the wrapping of hex data are the same in both.
#pragma once

#include "RegKey.h"

#include <string>
#include <string_view>

class RegFileWriter {
public:
    enum class Format { Version5, Regedit4 };

    explicit RegFileWriter(Format format);

    // A key section: a blank line, then "[" + full key name + "]". Names are written
    // as they are; .reg files have no escaping for key names.
    void key(std::u16string_view fullName);
    void value(const RegValue& value);

    // The whole file as bytes, the final blank line included.
    std::string finish();

private:
    void hexData(std::u16string_view namePart, std::u16string_view tag,
                 const std::vector<uint8_t>& bytes);

    Format m_format;
    std::u16string m_text;
};
