// Writes a Wine system.reg of about the requested size, shaped like a real one: many
// keys of a few values each, strings, DWORDs and wrapped binary data, in Wine's order.
// Usage: make_big_hive OUTPUT [megabytes]   (default 64)
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_big_hive OUTPUT [megabytes]\n");
        return 2;
    }
    const long long target = (argc > 2 ? std::atoll(argv[2]) : 64) * 1024 * 1024;
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    std::fputs("WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n"
               "#arch=win64\n", out);
    long long written = 0;
    // Zero-padded numbers keep Wine's sort order equal to the order written here.
    for (long group = 0; written < target; ++group) {
        for (int item = 0; item < 100 && written < target; ++item) {
            char section[512];
            const int n = std::snprintf(
                section, sizeof section,
                "\n[Software\\\\Bench\\\\Group%06ld\\\\Item%03d] 1700000000\n"
                "#time=1da1747c66d0000\n"
                "@=\"Item %03d of group %06ld\"\n"
                "\"Binary\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\n"
                "  17,18,19,1a,1b,1c,1d,1e,1f\n"
                "\"Count\"=dword:%08x\n"
                "\"Path\"=\"C:\\\\Program Files\\\\Bench\\\\group%06ld\\\\item%03d.exe\"\n",
                group, item, item, group, static_cast<unsigned>(group * 100 + item), group, item);
            std::fwrite(section, 1, static_cast<size_t>(n), out);
            written += n;
        }
    }
    // The value the benchmark looks up sits at the very end of the file.
    std::fputs("\n[Software\\\\Korrelin] 1700000000\n#time=1da1747c66d0000\n"
               "\"Nice\"=\"Yes\"\n", out);
    return std::fclose(out) == 0 ? 0 : 1;
}
