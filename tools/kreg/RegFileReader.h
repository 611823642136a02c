// Reads .reg files: "Windows Registry Editor Version 5.00" or "REGEDIT4", in UTF-16LE
// with a byte order mark or in code page 1252. Understands key sections, "[-KEY]" key
// deletions, "name"=- value deletions, quoted strings, dword:, hex: and hex(N): data
// with continued lines, and ';' or '#' comments.
//
// Unlike Wine's importer, which skips what it cannot read and imports the rest, any
// error rejects the whole file, so that a file is either applied completely or not at
// all.
#pragma once

#include "RegistryError.h"
#include "RegistryTypes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct RegFileChange {
    enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
    Kind kind = Kind::CreateKey;
    int line = 0;
    HKEY root = HKEY_CURRENT_USER;
    std::u16string path;
    std::u16string name;
    uint32_t type = 0;
    std::vector<uint8_t> data;
};

class RegFileError : public RegistryError {
public:
    RegFileError(int line, const std::string& message) : RegistryError(message), m_line(line) {}
    int line() const { return m_line; }

private:
    int m_line;
};

class RegFileReader {
public:
    // The changes in file order. Throws RegFileError naming the first bad line.
    // Unknown escapes in strings are kept as the character and reported in warnings
    // as reg reports them ("Unrecognized escape sequence [\q]").
    static std::vector<RegFileChange> read(std::string_view bytes,
                                           std::vector<std::string>& warnings);
};
