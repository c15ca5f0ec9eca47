#include "config/profile_location.h"

#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "support/windows_text.h"

namespace trevalunda {
namespace {

TEST(ProfileLocationTest, NamesTheProfile) {
    struct Case {
        const char* argument;
        bool itemRun;
        const char* name;
        const char* folder;
        bool multi;
    } cases[] = {
        {"PRD", false, "PRD.P00", "", false},
        {"PRD.Prf", false, "PRD.Prf", "", false},
        {"A.B", false, "A.B.P00", "", false},
        {"AB", false, "AB.P00", "", false},
        {"", false, ".P00", "", false},
        {"global", false, "SAP Vantorix.Gbl", "", true},
        {"Global", false, "SAP Vantorix.Gbl", "", true},
        {"GLOBAL.P00", false, "SAP Vantorix.Gbl", "", true},
        {"GLOBAL.PRF", false, "GLOBAL.PRF", "", false},
        {"GLOBAL.Prf", false, "GLOBAL.Prf", "", false},
        {"C:\\Profiles\\GLOBAL.P00", false, "SAP Vantorix.Gbl", "C:\\Profiles\\", true},
        {"D:\\Sensors\\PRD", false, "PRD.P00", "D:\\Sensors\\", false},
        {"D:/Sensors/PRD", false, "PRD.P00", "D:/Sensors/", false},
        {"\\PRD", false, "\\PRD.P00", "", false},
        {"\\x\\PRD", false, "PRD.P00", "\\x\\", false},
        {"D:\\Sensors\\PRD", true, "Vantorix.Prf", "", true},
        {"global", true, "Vantorix.Prf", "", true},
    };
    for (const Case& c : cases) {
        const ProfileNaming naming = NameProfile(c.argument, c.itemRun);
        EXPECT_EQ(naming.ProfileName, c.name) << c.argument;
        EXPECT_EQ(naming.folderFromName, c.folder) << c.argument;
        EXPECT_EQ(naming.MultiSystemRun, c.multi) << c.argument;
    }
}

constexpr const char* kProgramFiles =
    "\\Program Files\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\";
constexpr const char* kProgramme = "\\Programme\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\";
constexpr const char* kProgramFilesX86 =
    "\\Program Files (x86)\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\";

struct SearchCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;
    std::string folder;   // the InstallationFolder found
    std::string failure;  // or the message
};

void CheckSearch(const SearchCase& c, LocatePolicy policy = LocatePolicy::SearchCustomSensorFolder,
                 const std::string& argument = "PRD") {
    testing::FakeFileSystem files;
    for (const auto& [path, content] : c.files) {
        files.Add(path, content);
    }
    const Result<ProfileLocation> found =
        LocateProfile(NameProfile(argument, false), policy, files);
    if (!c.failure.empty()) {
        ASSERT_FALSE(found.ok()) << c.name;
        EXPECT_EQ(found.fatal().message, c.failure) << c.name;
        return;
    }
    ASSERT_TRUE(found.ok()) << c.name << ": " << found.fatal().message;
    EXPECT_EQ(found.value().InstallationFolder, c.folder) << c.name;
    EXPECT_EQ(found.value().ProfilePath, c.folder + found.value().ProfileName) << c.name;
    EXPECT_EQ(found.value().content, "found") << c.name;
}

TEST(ProfileLocationTest, SearchesTheCustomSensorFolders) {
    const std::string missing = "Error 1002: Profile PRD.P00 is missing...";
    const std::string invalid = "Sorry, invalid Path-Usage...";
    const SearchCase cases[] = {
        {"nowhere", {}, "", missing},
        {"second default folder",
         {{std::string(kProgramFiles) + "PRD.P00", "found"}},
         kProgramFiles,
         ""},
        {"first default folder first",
         {{std::string(kProgramme) + "PRD.P00", "found"},
          {std::string(kProgramFiles) + "PRD.P00", "other"}},
         kProgramme,
         ""},
        {"second before third",
         {{std::string(kProgramFilesX86) + "PRD.P00", "other"},
          {std::string(kProgramFiles) + "PRD.P00", "found"}},
         kProgramFiles,
         ""},
        {"working folder fails the folder check", {{"PRD.P00", "found"}}, "", invalid},
        {"pointer folder with PRTG sub-folder",
         {{"C:\\PRTG_Path.Txt", "D:\\Tools\r\n"},
          {"D:\\Tools\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\PRD.P00", "found"}},
         "D:\\Tools\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\",
         ""},
        {"pointer folder with custom-sensor sub-folder",
         {{"C:\\PRTG_Path.Txt", "D:\\PRTG\\"},
          {"D:\\PRTG\\Custom Sensors\\ExeXml\\PRD.P00", "found"}},
         "D:\\PRTG\\Custom Sensors\\ExeXml\\",
         ""},
        {"pointer folder ending in ExeXml",
         {{"C:\\PRTG_Path.Txt", "E:\\exexml"}, {"E:\\exexml\\PRD.P00", "found"}},
         "E:\\exexml\\",
         ""},
        {"pointer folder not a custom-sensor folder",
         {{"C:\\PRTG_Path.Txt", "D:\\Tools"}, {"D:\\Tools\\PRD.P00", "found"}},
         "",
         invalid},
        {"last qualifying line wins, bare words ignored",
         {{"C:\\PRTG_Path.Txt", "D:\\One\nword\nE:\\Two\nlast\n"},
          {"E:\\Two\\Custom Sensors\\ExeXml\\PRD.P00", "found"},
          {"D:\\One\\Custom Sensors\\ExeXml\\PRD.P00", "other"}},
         "E:\\Two\\Custom Sensors\\ExeXml\\",
         ""},
        {"third character a separator qualifies",
         {{"C:\\PRTG_Path.Txt", "ab\\ExeXml"}, {"ab\\ExeXml\\PRD.P00", "found"}},
         "ab\\ExeXml\\",
         ""},
        {"pointer without qualifying line: drive root",
         {{"C:\\PRTG_Path.Txt", "nothing here"}, {"\\PRD.P00", "found"}},
         "",
         invalid},
        {"pointer present: default folders are not tried",
         {{"C:\\PRTG_Path.Txt", "D:\\Tools"}, {std::string(kProgramFiles) + "PRD.P00", "other"}},
         "",
         missing},
        {"pointer present: working folder is not tried",
         {{"C:\\PRTG_Path.Txt", "D:\\Tools"}, {"PRD.P00", "other"}},
         "",
         missing},
    };
    for (const SearchCase& c : cases) {
        CheckSearch(c);
    }
}

TEST(ProfileLocationTest, PointerLineInQuotesOrWithByteOrderMark) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string folder;
    } cases[] = {
        {"copied as path", "\"D:\\Monitoring\\PRTG Network Monitor\"\r\n",
         "D:\\Monitoring\\PRTG Network Monitor\\"},
        {"blanks after the quote", "\"D:\\Tools\\\" \t\r\n", "D:\\Tools\\"},
        {"server share in quotes", "\"\\\\srv\\prtg\"", "\\\\srv\\prtg\\"},
        {"unbalanced quote is kept", "\"D:\\Tools", "\\"},
        {"lone quote", "\"", "\\"},
        {"word in quotes", "\"word\"\nD:\\Kept", "D:\\Kept\\"},
        {"empty quotes", "D:\\Kept\n\"\"", "D:\\Kept\\"},
        {"quote inside stays", "D:\\A\"B\"", "D:\\A\"B\"\\"},
        {"UTF-8 mark", "\xEF\xBB\xBF\"D:\\Tools\"\r\n", "D:\\Tools\\"},
        {"UTF-16 little endian", testing::Utf16WithMark("\"D:\\Tools\"\r\n"), "D:\\Tools\\"},
        {"UTF-16 big endian", testing::Utf16WithMark("D:\\T\xE9\r\n", true), "D:\\T\xE9\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PointerFileFolder(c.bytes), c.folder) << c.name;
    }
}

TEST(ProfileLocationTest, PointerLinesAreReadInPiecesOf99) {
    // The second piece of a long line ("\\ExeXml\\" after 99 characters) qualifies on its own.
    const std::string line = std::string(99, 'x') + "\\ExeXml\\";
    CheckSearch({"long line",
                 {{"C:\\PRTG_Path.Txt", line}, {"\\ExeXml\\PRD.P00", "found"}},
                 "\\ExeXml\\",
                 ""});
}

TEST(ProfileLocationTest, FolderFromNameIsUsedWithoutSearch) {
    const SearchCase cases[] = {
        {"found in the named folder", {{"D:\\Sensors\\PRD.P00", "found"}}, "D:\\Sensors\\", ""},
        {"missing quotes the path",
         {{std::string(kProgramFiles) + "PRD.P00", "other"}},
         "",
         "Error 1002: Profile D:\\Sensors\\PRD.P00 is missing..."},
    };
    for (const SearchCase& c : cases) {
        CheckSearch(c, LocatePolicy::FolderFromName, "D:\\Sensors\\PRD");
    }
    CheckSearch({"working folder", {{"PRD.P00", "found"}}, "", ""}, LocatePolicy::FolderFromName);
}

TEST(ProfileLocationTest, SearchIsDroppedForFrontEndModesAndAt) {
    EXPECT_EQ(LocatePolicyFor(OutputMode::Exexml, false), LocatePolicy::SearchCustomSensorFolder);
    EXPECT_EQ(LocatePolicyFor(OutputMode::Exexml, true), LocatePolicy::FolderFromName);
    EXPECT_EQ(LocatePolicyFor(OutputMode::Kestrin, false), LocatePolicy::FolderFromName);
    EXPECT_EQ(LocatePolicyFor(OutputMode::Morvale, false), LocatePolicy::FolderFromName);
}

}  // namespace
}  // namespace trevalunda

namespace trevalunda {
namespace {

TEST(ProfileLocationTest, TrailNotesEveryPlaceInTheOrderOfTheSearch) {
    const std::string prtgBelow = "D:\\Tools\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\";
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> files;
        LocatePolicy policy;
        SearchTrail trail;
    } cases[] = {
        {"pointer file and PRTG's sub-folder",
         {{"C:\\PRTG_Path.Txt", "D:\\Tools\r\n"}, {prtgBelow + "PRD.P00", "found"}},
         LocatePolicy::SearchCustomSensorFolder,
         {{"C:\\PRTG_Path.Txt", "names the folder D:\\Tools\\"},
          {prtgBelow + "PRD.P00", "found"},
          {prtgBelow + "Custom Sensors\\ExeXml\\PRD.P00", "not there"},
          {prtgBelow + "PRD.P00", "found"}}},
        {"working folder refused",
         {{"PRD.P00", "found"}},
         LocatePolicy::SearchCustomSensorFolder,
         {{"C:\\PRTG_Path.Txt", "not there, so the working folder is next"},
          {"PRD.P00", "found"},
          {"PRD.P00", "refused: a profile must lie in a folder whose name ends in ExeXml"}}},
        {"nowhere",
         {},
         LocatePolicy::SearchCustomSensorFolder,
         {{"C:\\PRTG_Path.Txt", "not there, so the working folder is next"},
          {"PRD.P00", "not there"},
          {std::string(kProgramme) + "PRD.P00", "not there"},
          {std::string(kProgramFiles) + "PRD.P00", "not there"},
          {std::string(kProgramFilesX86) + "PRD.P00", "not there"}}},
        {"folder from the name", {}, LocatePolicy::FolderFromName, {{"PRD.P00", "not there"}}},
    };
    for (const Case& c : cases) {
        testing::FakeFileSystem files;
        for (const auto& [path, content] : c.files) {
            files.Add(path, content);
        }
        SearchTrail trail;
        const Result<ProfileLocation> traced =
            LocateProfile(NameProfile("PRD", false), c.policy, files, &trail);
        const Result<ProfileLocation> plain =
            LocateProfile(NameProfile("PRD", false), c.policy, files);
        ASSERT_EQ(trail.size(), c.trail.size()) << c.name;
        for (std::size_t i = 0; i < trail.size(); ++i) {
            EXPECT_EQ(trail[i].path, c.trail[i].path) << c.name << " " << i;
            EXPECT_EQ(trail[i].finding, c.trail[i].finding) << c.name << " " << i;
        }
        ASSERT_EQ(traced.ok(), plain.ok()) << c.name;
        if (traced.ok()) {
            EXPECT_EQ(traced.value().ProfilePath, plain.value().ProfilePath) << c.name;
        } else {
            EXPECT_EQ(traced.fatal().message, plain.fatal().message) << c.name;
        }
    }
}

}  // namespace
}  // namespace trevalunda
