// Windows code page 1252, the ANSI code page Wine uses under a C or English locale:
// REGEDIT4 files are written and read in it.
#pragma once

#include <string>
#include <string_view>

class CodePage1252 {
public:
    // Every byte has a character; the five bytes 1252 leaves undefined map to the C1
    // controls of the same number, as Windows maps them.
    static char16_t decode(unsigned char byte);
    static std::u16string decode(std::string_view bytes);

    // Characters outside the code page are "best fitted" the way Windows does it for
    // the common cases (accented Latin letters lose the accent: A-macron becomes A,
    // L-stroke becomes L); everything else, each half of a surrogate pair included,
    // becomes '?'.
    static unsigned char encode(char16_t unit);
    static std::string encode(std::u16string_view text);
};
