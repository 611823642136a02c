// libFuzzer entry for kreg's .reg reader: any input is either read or refused with a
// line number inside the file; it never crashes, hangs or reads out of bounds.
#include "RegFileReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Generous: a UTF-16 file has no more lines than bytes, an 8-bit file neither.
    const int maxLine = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n') +
                                         std::count(bytes.begin(), bytes.end(), '\r')) + 1;
    std::vector<std::string> warnings;
    try {
        for (const RegFileChange& change : RegFileReader::read(bytes, warnings)) {
            if (change.line < 1 || change.line > maxLine) {
                std::fprintf(stderr, "change on line %d of %d\n", change.line, maxLine);
                std::abort();
            }
        }
    } catch (const RegFileError& e) {
        if (e.line() < 1 || e.line() > maxLine) {
            std::fprintf(stderr, "error on line %d of %d: %s\n", e.line(), maxLine, e.what());
            std::abort();
        }
    }
    return 0;
}
