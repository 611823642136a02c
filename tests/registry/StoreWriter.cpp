// A writer process for the crash and concurrency tests:
//   store_writer PREFIX NAME FIRST COUNT
// writes HKCU\Software\Writers\NAME\v<i> = i for i = FIRST .. FIRST+COUNT-1, each through
// its own accessor, and prints "<i>\n" once CloseKey has returned: a printed number is an
// acknowledged change that must survive anything that happens afterwards.
#include "TRegistry.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: store_writer PREFIX NAME FIRST COUNT\n");
        return 2;
    }
    Store store(argv[1]);
    const std::string key = std::string("Software\\Writers\\") + argv[2];
    const long first = std::atol(argv[3]);
    const long count = std::atol(argv[4]);
    try {
        for (long i = first; i < first + count; ++i) {
            TRegistry reg(store);
            reg.LazyWrite = false;
            reg.OpenKey(key, true);
            reg.WriteInteger("v" + std::to_string(i), static_cast<int32_t>(i));
            reg.CloseKey();
            const std::string ack = std::to_string(i) + "\n";
            // Unbuffered, so that the parent sees the acknowledgement before any kill.
            if (::write(STDOUT_FILENO, ack.data(), ack.size()) != static_cast<ssize_t>(ack.size()))
                return 3;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "store_writer: %s\n", error.what());
        return 1;
    }
    return 0;
}
