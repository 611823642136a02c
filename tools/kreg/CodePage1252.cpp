#include "CodePage1252.h"

namespace {

// The characters of bytes 0x80 to 0x9F.
constexpr char16_t high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Best fit for Latin Extended-A (U+0100 to U+017F): the letter without its accent;
// '?' where there is none. Letters that 1252 has (S/Z caron, OE, Y diaeresis) are
// found in the table above before this one is consulted.
constexpr char latinExtendedA[129] =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKkkLlLlLlLlLlNnNnNnnNnOoOoOo??RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

} // namespace

char16_t CodePage1252::decode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return high[byte - 0x80];
    return byte;
}

std::u16string CodePage1252::decode(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        out.push_back(decode(static_cast<unsigned char>(c)));
    return out;
}

unsigned char CodePage1252::encode(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<unsigned char>(unit);
    for (int i = 0; i < 32; ++i)
        if (high[i] == unit)
            return static_cast<unsigned char>(0x80 + i);
    if (unit >= 0x100 && unit <= 0x17F)
        return static_cast<unsigned char>(latinExtendedA[unit - 0x100]);
    return '?';
}

std::string CodePage1252::encode(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char16_t unit : text)
        out.push_back(static_cast<char>(encode(unit)));
    return out;
}
