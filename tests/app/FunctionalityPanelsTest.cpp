// The "Functionality" panels as the user sees them: controls top to bottom in the designed
// order, inside the panel, not overlapping, none squeezed below its own minimum height,
// wrapped labels tall enough. And the template file of the New menu, which replaces a file
// as a whole: a failed write keeps the old file and leaves nothing behind. Their behaviour
// is covered by the functionality-*.scn scenario files.
#include "MainWindowFixture.h"
#include "PanelLayoutCheck.h"

#include "FileIo.h"
#include "Store.h"
#include "TweakPanel.h"
#include "Unit1.h"
#include "tweaks/functionality/TemplateFile.h"

#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

class FunctionalityPanelsTest : public MainWindowFixture {};

TEST_F(FunctionalityPanelsTest, ControlsStandInTheDesignedOrderInsideThePanelWithoutOverlapping)
{
    const DesignedPanel panels[] = {
        {"GroupBox4",
         {{"ComboBox3"}, {"Label5"}, {"Label6"}, {"Label7"}, {"Edit1", "OfficeButton7"},
          {"OfficeButton4", "OfficeButton3"}}},
        {"GroupBox19",
         {{"Image4", "Label41"}, {"ComboBox5"}, {"Label42"}, {"Edit14", "OfficeButton35"},
          {"CheckBox20"}, {"OfficeButton33", "OfficeButton34"}}},
        {"GroupBox22",
         {{"Label43"}, {"Label44"}, {"ComboBox6"}, {"Label45", "Edit15"}, {"Label46", "Edit16"},
          {"CheckBox21", "OfficeButton38"}, {"OfficeButton36", "OfficeButton37"}}},
        {"GroupBox14",
         {{"Label30"}, {"Label32"}, {"Label33"}, {"Label34", "Edit10"},
          {"CheckBox7", "CheckBox9", "CheckBox11"}, {"CheckBox8", "CheckBox10", "CheckBox12"},
          {"CheckBox13", "CheckBox16"}, {"CheckBox14", "CheckBox17"}, {"CheckBox15"},
          {"CheckBox18"}, {"OfficeButton23", "OfficeButton24"}}},
        {"GroupBox12", {{"Label23"}, {"ListBox1"}, {"OfficeButton20", "OfficeButton21"}}},
        {"GroupBox7",
         {{"Label12"}, {"Label13"}, {"Label14", "Edit5"}, {"CheckBox2"},
          {"OfficeButton13", "OfficeButton14"}}},
    };
    for (const DesignedPanel& designed : panels)
        expectDesignedLayout(*form, designed);
}

// The template file's replacement, with a failure injected at each step.
class TemplateFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        prefix = dir.path().toStdString();
        folder = prefix / "drive_c" / "windows" / "shellnew";
        std::filesystem::create_directories(folder);
        std::filesystem::create_directories(prefix / "dosdevices");
        std::filesystem::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
    }
    void TearDown() override { FileIo::reset(); }

    std::string content(const std::filesystem::path& file) const
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> folderNames() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        return names;
    }

    QTemporaryDir dir;
    std::filesystem::path prefix;
    std::filesystem::path folder;
};

TEST_F(TemplateFileTest, ReplacesTheFileWholeAndKeepsItsMode)
{
    std::ofstream(folder / "txt.txt") << "old content";
    ::chmod((folder / "txt.txt").c_str(), 0640);
    TemplateFile::write(prefix, QStringLiteral("C:\\WINDOWS\\ShellNew\\txt.txt"), "\r\n");
    EXPECT_EQ(content(folder / "txt.txt"), "\r\n");
    struct stat info {};
    ASSERT_EQ(::stat((folder / "txt.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(folderNames(), std::vector<std::string>{"txt.txt"});
}

TEST_F(TemplateFileTest, AFailedStepKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    const FileIo::Op steps[] = {FileIo::Op::Open, FileIo::Op::Write, FileIo::Op::Fsync,
                                FileIo::Op::Fchmod, FileIo::Op::Rename};
    for (const FileIo::Op step : steps) {
        SCOPED_TRACE(static_cast<int>(step));
        std::ofstream(folder / "txt.txt") << "old content";
        FileIo::failNth(step, 1, EIO);
        try {
            TemplateFile::write(prefix, QStringLiteral("C:\\WINDOWS\\ShellNew\\txt.txt"), "\r\n");
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "Cannot create file C:\\WINDOWS\\ShellNew\\txt.txt");
        }
        EXPECT_TRUE(FileIo::fired());
        FileIo::reset();
        EXPECT_EQ(content(folder / "txt.txt"), "old content");
        EXPECT_EQ(folderNames(), std::vector<std::string>{"txt.txt"});
    }
}

struct UnwritablePlace {
    const char* why;
    const char* path;
    const char* reported;
};

TEST_F(TemplateFileTest, APlaceThatCannotHoldTheFileIsReportedWithItsWindowsName)
{
    std::filesystem::create_directories(folder / "dir.dir");
    const UnwritablePlace cases[] = {
        {"missing folder", "C:\\WINDOWS\\Missing\\txt.txt", "C:\\WINDOWS\\Missing\\txt.txt"},
        {"unknown drive", "Q:\\txt.txt", "Q:\\txt.txt"},
        {"no drive at all", "ShellNew\\txt.txt", "ShellNew\\txt.txt"},
        {"a folder of that name", "C:\\WINDOWS\\ShellNew\\dir.dir", "C:\\WINDOWS\\ShellNew\\dir.dir"},
    };
    for (const UnwritablePlace& place : cases) {
        SCOPED_TRACE(place.why);
        try {
            TemplateFile::write(prefix, QString::fromLatin1(place.path), "\r\n");
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()), std::string("Cannot create file ") + place.reported);
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.dir"));
}

} // namespace
