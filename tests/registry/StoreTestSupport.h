// Helpers shared by the store's tests: a private temporary prefix and whole-file access.
#pragma once

#include "Clock.h"
#include "FileIo.h"
#include "RegistryError.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace storetest {

// A fixed time for byte-exact files: #time=1dd89410062e23e.
constexpr uint64_t fixedTime = 0x1dd89410062e23eULL;

// Data given as a list of byte values.
inline std::vector<uint8_t> bytes(std::initializer_list<int> list)
{
    std::vector<uint8_t> data;
    for (const int b : list)
        data.push_back(static_cast<uint8_t>(b));
    return data;
}

// UTF-16LE bytes of text, spelled out here rather than taken from the code under test.
inline std::vector<uint8_t> utf16Bytes(std::u16string_view text)
{
    std::vector<uint8_t> data;
    for (const char16_t unit : text) {
        data.push_back(static_cast<uint8_t>(unit & 0xff));
        data.push_back(static_cast<uint8_t>(unit >> 8));
    }
    return data;
}

// A string value's data as Wine stores it: UTF-16LE with one terminating 0 unit.
inline std::vector<uint8_t> sz(std::u16string_view text)
{
    std::vector<uint8_t> data = utf16Bytes(text);
    data.insert(data.end(), {0, 0});
    return data;
}

// The message of the RegistryError that f throws, or "" when it throws none.
inline std::string errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RegistryError& error) {
        return error.what();
    }
    return {};
}

inline std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
}

inline std::set<std::string> entries(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error))
        names.insert(entry.path().filename().string());
    return names;
}

// A fresh directory under the system's temporary folder; the prefix itself is a
// not-yet-existing folder inside it, so tests can see what the store creates.
class TempPrefix {
public:
    TempPrefix()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "korrelin-store-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_base = pattern;
        m_prefix = m_base / "prefix";
    }
    ~TempPrefix()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_base, ignored);
    }
    TempPrefix(const TempPrefix&) = delete;
    TempPrefix& operator=(const TempPrefix&) = delete;

    const std::filesystem::path& path() const { return m_prefix; }
    std::filesystem::path file(const std::string& name) const { return m_prefix / name; }
    void create() const { std::filesystem::create_directories(m_prefix); }
    void put(const std::string& name, const std::string& text) const
    {
        create();
        writeFile(file(name), text);
    }

private:
    std::filesystem::path m_base;
    std::filesystem::path m_prefix;
};

// Fixes the clock and disarms injected faults for one test.
class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override { Clock::fix(fixedTime); }
    void TearDown() override
    {
        Clock::fix(std::nullopt);
        FileIo::reset();
    }
    TempPrefix prefix;
};

// A small user.reg as Wine writes it.
inline const char* userReg()
{
    return "WINE REGISTRY Version 2\n"
           ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n"
           "\n"
           "#arch=win64\n"
           "\n"
           "[Control Panel\\\\Desktop] 1700000000\n"
           "#time=1da1747c967f080\n"
           "\"MenuShowDelay\"=\"400\"\n"
           "\"Wallpaper\"=\"\"\n"
           "\n"
           "[Software\\\\Korrelin] 1700000000\n"
           "#time=1da1747c967f080\n"
           "\"Left\"=dword:00000064\n"
           "\n"
           "[Software\\\\Korrelin\\\\Sub] 1700000000\n"
           "#time=1da1747c967f080\n"
           "@=\"default\"\n";
}

} // namespace storetest
