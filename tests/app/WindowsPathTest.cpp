// Windows paths of a prefix's drives: drive links, case-insensitive folders, and Z: for
// whatever lies outside every drive.
#include "WindowsPath.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// prefix/
//   drive_c/Windows/System/      c: -> ../drive_c
//   drive_c/Foo, drive_c/foo     two spellings of one name
//   other/                       d: -> <absolute>/other
//   dosdevices/e: -> missing     a dangling drive
//   dosdevices/c::               a device, not a drive
//   dosdevices/f: -> ../drive_c/Windows/System   a drive inside another
class WindowsPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        prefix = fs::canonical(dir.path().toStdString());
        fs::create_directories(prefix / "drive_c" / "Windows" / "System");
        fs::create_directories(prefix / "drive_c" / "Foo");
        fs::create_directories(prefix / "drive_c" / "foo");
        fs::create_directories(prefix / "other");
        fs::create_directories(prefix / "dosdevices");
        fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
        fs::create_directory_symlink(prefix / "other", prefix / "dosdevices" / "d:");
        fs::create_directory_symlink("../missing", prefix / "dosdevices" / "e:");
        fs::create_symlink("/dev/null", prefix / "dosdevices" / "c::");
        fs::create_directory_symlink("../drive_c/Windows/System", prefix / "dosdevices" / "f:");
    }

    QTemporaryDir dir;
    fs::path prefix;
};

TEST_F(WindowsPathTest, DrivesAreTheLinksThatResolvePlusZ)
{
    const auto drives = WindowsPath::drives(prefix);
    QString letters;
    for (const auto& drive : drives)
        letters += drive.letter;
    EXPECT_EQ(letters, "CDFZ");
    EXPECT_EQ(drives.front().target, prefix / "drive_c");
    EXPECT_EQ(drives.back().target, fs::path("/"));
}

TEST_F(WindowsPathTest, ToHostMatchesFoldersWithoutRegardToCase)
{
    struct Case {
        const char* name;
        const char* windows;
        std::optional<fs::path> host; // relative to the prefix unless absolute
    };
    const Case cases[] = {
        {"folders found in any case, new name kept", "C:\\WINDOWS\\system\\New.dll", fs::path("drive_c/Windows/System/New.dll")},
        {"forward slashes", "c:/windows", fs::path("drive_c/Windows")},
        {"drive root", "C:\\", fs::path("drive_c")},
        {"bare drive", "C:", fs::path("drive_c")},
        {"exact spelling wins", "C:\\foo", fs::path("drive_c/foo")},
        {"first spelling in name order otherwise", "C:\\FOO", fs::path("drive_c/Foo")},
        {"dot-dot stays inside the drive", "C:\\..\\..\\windows\\..\\..\\etc", fs::path("drive_c/etc")},
        {"below a missing folder names are kept", "C:\\NewDir\\SUB", fs::path("drive_c/NewDir/SUB")},
        {"absolute drive link", "D:\\x.txt", fs::path("other/x.txt")},
        {"Z is the file system root", "Z:\\tmp", fs::path("/tmp")},
        {"dangling drive", "E:\\x", std::nullopt},
        {"unknown drive", "Q:\\x", std::nullopt},
        {"relative path", "windows\\x", std::nullopt},
        {"drive-relative path", "C:windows", std::nullopt},
        {"UNC path", "\\\\server\\share", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto host = WindowsPath::toHost(prefix, QString::fromUtf8(c.windows));
        if (!c.host) {
            EXPECT_FALSE(host.has_value());
            continue;
        }
        ASSERT_TRUE(host.has_value());
        EXPECT_EQ(*host, c.host->is_absolute() ? *c.host : prefix / *c.host);
    }
}

TEST_F(WindowsPathTest, ToWindowsPicksTheClosestDriveElseZ)
{
    std::ofstream(prefix / "drive_c" / "Windows" / "notepad.exe") << "MZ";
    struct Case {
        const char* name;
        fs::path host; // relative to the prefix unless absolute
        const char* windows;
    };
    const Case cases[] = {
        {"file on C", "drive_c/Windows/notepad.exe", "C:\\Windows\\notepad.exe"},
        {"drive root", "drive_c", "C:\\"},
        {"through the drive link", "dosdevices/c:/Windows", "C:\\Windows"},
        {"inner drive wins over C", "drive_c/Windows/System/a.dll", "F:\\a.dll"},
        {"file not there yet", "other/new/file.ico", "D:\\new\\file.ico"},
        {"outside every drive", "/usr/share/icons/x.ico", "Z:\\usr\\share\\icons\\x.ico"},
        {"the prefix itself is outside the drives", "system.reg", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path host = c.host.is_absolute() ? c.host : prefix / c.host;
        QString expected = QString::fromUtf8(c.windows);
        if (expected.isEmpty())
            expected = QStringLiteral("Z:") + QString::fromStdString((prefix / "system.reg").string()).replace(u'/', u'\\');
        EXPECT_EQ(WindowsPath::toWindows(prefix, host), expected);
    }
}

TEST_F(WindowsPathTest, RoundTripThroughBothDirections)
{
    const fs::path host = prefix / "drive_c" / "Windows" / "notepad.exe";
    std::ofstream(host) << "MZ";
    const QString windows = WindowsPath::toWindows(prefix, host);
    EXPECT_EQ(windows, "C:\\Windows\\notepad.exe");
    EXPECT_EQ(WindowsPath::toHost(prefix, windows.toUpper()), host);
}

TEST(WindowsPathEmptyStore, OnlyZWithoutDosdevices)
{
    QTemporaryDir dir;
    const fs::path prefix = dir.path().toStdString();
    const auto drives = WindowsPath::drives(prefix);
    ASSERT_EQ(drives.size(), 1u);
    EXPECT_EQ(drives.front().letter, u'Z');
    EXPECT_FALSE(WindowsPath::toHost(prefix, "C:\\x").has_value());
    EXPECT_EQ(WindowsPath::toWindows(prefix, "/etc/hosts"), "Z:\\etc\\hosts");
}

} // namespace
