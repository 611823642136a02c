// The string escaping of Wine's registry files, shared by key names, value names,
// string data and key classes. Wine escapes and decodes one UTF-16 code unit at a
// time, so these work on code units, not on characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Appends text as Wine writes it: '\\' and the characters in extra get a backslash,
// control characters become \a \b \t \n \v \f \r \e or octal, units above 0x7F
// become \x escapes. Octal and \x escapes are padded to full width when the next unit
// would otherwise be read as one more digit of the escape.
void appendWineEscaped(std::string& out, std::u16string_view text, std::string_view extra);

// Decodes the escaped text that starts at line[pos] up to the first unescaped
// delimiter, appending the code units to out (raw UTF-8 bytes are decoded, invalid
// sequences dropped). Returns the position just after the delimiter, or npos when the
// line ends first.
size_t parseWineEscaped(std::string_view line, size_t pos, char delimiter, std::u16string& out);

// The position parseWineEscaped would return, found without decoding: every escape
// starts with a backslash and the character after it, and whatever more an escape
// or a UTF-8 sequence takes (hex or octal digits, continuation bytes) is never a
// backslash or an ASCII delimiter.
size_t skipWineEscaped(std::string_view line, size_t pos, char delimiter);
