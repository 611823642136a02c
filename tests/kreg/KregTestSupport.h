// A fresh store in a temporary folder per test, kreg run in-process on it, and helpers
// to put values of any type and data into the store directly.
#pragma once

#include "Clock.h"
#include "Kreg.h"
#include "RegistryTypes.h"
#include "Store.h"
#include "Unicode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct KregResult {
    int code;
    std::string out;
};

inline std::vector<uint8_t> utf16z(std::string_view utf8)
{
    std::vector<uint8_t> out;
    for (char16_t u : toUtf16(utf8)) {
        out.push_back(static_cast<uint8_t>(u & 0xff));
        out.push_back(static_cast<uint8_t>(u >> 8));
    }
    out.push_back(0);
    out.push_back(0);
    return out;
}

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// UTF-16LE with a byte order mark, as reg export writes and reads.
inline std::string utf16File(std::string_view utf8)
{
    std::string bytes = "\xff\xfe";
    for (char16_t u : toUtf16(utf8)) {
        bytes.push_back(static_cast<char>(u & 0xff));
        bytes.push_back(static_cast<char>(u >> 8));
    }
    return bytes;
}

class KregTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        dir = std::filesystem::temp_directory_path() / ("kreg-test-" + name);
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "prefix");
        prefix = dir / "prefix";
        Clock::fix(0x1dd89410062e23eULL);
    }
    void TearDown() override
    {
        Clock::fix(std::nullopt);
        std::filesystem::remove_all(dir);
    }

    KregResult kreg(std::vector<std::string> args, const std::string& input = "")
    {
        args.insert(args.begin(), {"--prefix", prefix.string()});
        std::istringstream in(input);
        std::ostringstream out, err;
        const int code = runKreg(args, out, err, in);
        EXPECT_EQ(err.str(), "");
        return {code, out.str()};
    }

    // Creates HKCU\path (every level) and, when name is given, sets the value.
    void put(const std::string& path, const std::string& name, uint32_t type,
             std::vector<uint8_t> data)
    {
        Store store(prefix);
        Store::Edit edit(store);
        edit.createKey(HKEY_CURRENT_USER, toUtf16(path));
        edit.setValue(HKEY_CURRENT_USER, toUtf16(path), toUtf16(name), type, std::move(data));
        edit.commit();
    }
    void putKey(const std::string& path)
    {
        Store store(prefix);
        Store::Edit edit(store);
        edit.createKey(HKEY_CURRENT_USER, toUtf16(path));
        edit.commit();
    }
    const RegValue* value(Store& store, const std::string& path, const std::string& name)
    {
        const RegKey* key = store.findKey(HKEY_CURRENT_USER, toUtf16(path));
        return key ? key->findValue(toUtf16(name)) : nullptr;
    }

    std::filesystem::path dir;
    std::filesystem::path prefix;
};
