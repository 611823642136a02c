// Seeding the default store: hive files the store loads, the drive C: and the folders
// the seeded settings name.
#include "DefaultStore.h"

#include "Store.h"
#include "TRegistry.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Every "C:\..." path that a seeded value holds, as a path below drive_c.
std::vector<fs::path> seededFolders()
{
    std::vector<fs::path> folders;
    for (const char* hive : {":/seed/system.reg", ":/seed/user.reg"}) {
        QFile file(QString::fromLatin1(hive));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(file.readAll());
        // Shell Folders, the setup path, the program folder and the system root.
        static const QRegularExpression folderValue(
            QStringLiteral(R"re(^"(?:Desktop|Favorites|Fonts|NetHood|Personal|Programs|Recent|SendTo|Start Menu|Startup|Templates|SourcePath|ProgramFilesDir|SystemRoot)"="C:\\\\([^"]*)"$)re"),
            QRegularExpression::MultilineOption);
        for (auto match = folderValue.globalMatch(text); match.hasNext();) {
            QString relative = match.next().captured(1);
            relative.replace(QStringLiteral("\\\\"), QStringLiteral("/"));
            folders.emplace_back(relative.toStdString());
        }
    }
    return folders;
}

TEST(DefaultStoreTest, SeedsTheHivesTheDriveAndEveryFolderTheValuesName)
{
    QTemporaryDir dir;
    const fs::path prefix = fs::path(dir.path().toStdString()) / "korrelin" / "prefix";
    seedDefaultStore(prefix);

    for (const char* hive : {"system.reg", "user.reg"}) {
        struct stat info {};
        ASSERT_EQ(::stat((prefix / hive).c_str(), &info), 0) << hive;
        EXPECT_EQ(info.st_mode & 0777, 0600u) << hive << " holds the settings key: private";
    }
    EXPECT_EQ(fs::read_symlink(prefix / "dosdevices" / "c:"), fs::path("../drive_c"));
    EXPECT_EQ(fs::read_symlink(prefix / "dosdevices" / "z:"), fs::path("/"));

    const std::vector<fs::path> folders = seededFolders();
    EXPECT_GE(folders.size(), 13u);
    for (const fs::path& folder : folders)
        EXPECT_TRUE(fs::is_directory(prefix / "dosdevices" / "c:" / folder)) << folder;
    EXPECT_TRUE(fs::is_directory(prefix / "drive_c" / "WINDOWS" / "ShellNew"));
}

TEST(DefaultStoreTest, TheStoreLoadsTheSeedAndTheTweaksReadFreshValues)
{
    QTemporaryDir dir;
    const fs::path prefix(dir.path().toStdString());
    seedDefaultStore(prefix);
    Store store(prefix);
    ASSERT_NO_THROW(store.check());

    struct Case {
        HKEY root;
        const char* key;
        const char* value;
        const char* data;
    };
    const Case cases[] = {
        {HKEY_CLASSES_ROOT, "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}", "", "Recycle Bin"},
        {HKEY_CLASSES_ROOT, "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon", "Empty", "shell32.dll,31"},
        {HKEY_CLASSES_ROOT, "lnkfile", "IsShortCut", ""},
        {HKEY_CLASSES_ROOT, "Folder\\shell\\Open\\ddeexec", "", "[ViewFolder(\"%l\", %I, %S)]"},
        {HKEY_CLASSES_ROOT, "Unknown\\shell\\openas\\command", "", "C:\\WINDOWS\\rundll32.exe shell32.dll,OpenAs_RunDLL %1"},
        {HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOwner", "Korrelin User"},
        {HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\{645FF040-5081-101B-9F08-00AA002F954E}", "", "Recycle Bin"},
        {HKEY_CURRENT_USER, "Control Panel\\desktop", "MenuShowDelay", "400"},
        {HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Templates", "C:\\WINDOWS\\ShellNew"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        TRegistry registry(store);
        registry.RootKey = c.root;
        ASSERT_TRUE(registry.OpenKey(c.key, false));
        EXPECT_EQ(registry.ReadString(c.value), c.data);
    }
    TRegistry uninstall(store);
    uninstall.RootKey = HKEY_LOCAL_MACHINE;
    ASSERT_TRUE(uninstall.OpenKey("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall", false));
    std::vector<std::string> entries;
    uninstall.GetKeyNames(entries);
    EXPECT_GE(entries.size(), 3u);
}

TEST(DefaultStoreTest, SeedingAgainKeepsWhatIsThere)
{
    QTemporaryDir dir;
    const fs::path prefix(dir.path().toStdString());
    fs::create_directories(prefix);
    std::ofstream(prefix / "user.reg") << "WINE REGISTRY Version 2\n";
    seedDefaultStore(prefix);
    seedDefaultStore(prefix);
    std::ifstream user(prefix / "user.reg");
    std::string first;
    std::getline(user, first);
    EXPECT_EQ(first, "WINE REGISTRY Version 2");
    EXPECT_FALSE(std::getline(user, first)) << "an existing hive is never overwritten";
    EXPECT_TRUE(fs::exists(prefix / "system.reg"));
}

} // namespace
