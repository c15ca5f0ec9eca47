// The profile search on the drive that the sensor sees: the pointer file C:\PRTG_Path.Txt, the
// three default custom-sensor folders on the current drive, and names with a drive letter or a
// folder. On Windows this is the real drive of a disposable prefix, where C:\ and D:\ are one.

#include <gtest/gtest.h>

#include "e2e/installation.h"
#include "support/profiles.h"

namespace trevalunda::testing {
namespace {

struct File {
    std::string path;  // below the drive root
    std::string bytes;
};

struct Case {
    const char* name;
    std::vector<File> files;
    std::vector<std::string> arguments;
    std::string message;  // the text of the error document
};

// Profiles that each fail in their own way once read, so that the message tells which of the
// files the sensor found.
const std::string kWithoutUser = ProfileText({.user = ""});
const std::string kWithoutPassword = ProfileText({.password = ""});
const std::string kShortClient = ProfileText({.client = "1"});
constexpr const char* kReadWithoutUser = "Error 1006: Username in Profile PRD.P00 is missing...";
constexpr const char* kReadWithoutPassword =
    "Error 1007: Password in Profile PRD.P00 is missing...";
constexpr const char* kReadShortClient = "Error 1003: Invalid Parameter(s) at PRD.P00 found...";
constexpr const char* kNotFound = "Error 1002: Profile PRD.P00 is missing...";
constexpr const char* kPathUsage = "Sorry, invalid Path-Usage...";

constexpr const char* kSensorFolder = "PRTG Network Monitor/Custom Sensors/ExeXml/PRD.P00";
const std::string kProgramme = "Programme/PRTG Network Monitor/Custom Sensors/ExeXml/";
const std::string kProgramFiles = "Program Files/PRTG Network Monitor/Custom Sensors/ExeXml/";
const std::string kProgramFilesX86 =
    "Program Files (x86)/PRTG Network Monitor/Custom Sensors/ExeXml/";

// Each case in an installation of its own, which holds the sensor but no profile.
void ExpectEach(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        Installation installation;
        for (const File& file : c.files) {
            installation.Write(file.path, file.bytes);
        }
        const platform::ChildResult result = installation.Run(c.arguments);
        EXPECT_EQ(result.output, ErrorDocumentFor(c.message)) << c.name;
        EXPECT_EQ(result.exitCode, 2) << c.name;
    }
}

TEST(SearchTest, DefaultFoldersOnTheCurrentDriveInOrder) {
    ExpectEach({
        {"all three",
         {{kProgramme + "PRD.P00", kWithoutUser},
          {kProgramFiles + "PRD.P00", kWithoutPassword},
          {kProgramFilesX86 + "PRD.P00", kShortClient}},
         {"PRD"},
         kReadWithoutUser},
        {"second and third",
         {{kProgramFiles + "PRD.P00", kWithoutPassword},
          {kProgramFilesX86 + "PRD.P00", kShortClient}},
         {"PRD"},
         kReadWithoutPassword},
        {"third only", {{kProgramFilesX86 + "PRD.P00", kShortClient}}, {"PRD"}, kReadShortClient},
        {"none", {}, {"PRD"}, kNotFound},
        {"a folder in the name is dropped",
         {{"Sensors/PRD.P00", kShortClient}, {kProgramFiles + "PRD.P00", kWithoutUser}},
         {"C:\\Sensors\\PRD"},
         kReadWithoutUser},
    });
}

TEST(SearchTest, PointerFileNamesTheFolder) {
    ExpectEach({
        {"folder with drive letter, PRTG's folders below it",
         {{"PRTG_Path.Txt", "C:\\Apps\r\n"}, {"Apps/" + std::string(kSensorFolder), kWithoutUser}},
         {"PRD"},
         kReadWithoutUser},
        {"folder on the current drive, custom-sensor folder below it",
         {{"PRTG_Path.Txt", "\\Apps\\PRTG Network Monitor\\"},
          {"Apps/PRTG Network Monitor/Custom Sensors/ExeXml/PRD.P00", kWithoutUser}},
         {"PRD"},
         kReadWithoutUser},
        {"last qualifying line wins, others ignored",
         {{"PRTG_Path.Txt", "C:\\First\r\nnot a folder\r\nD:\\Second\r\nLast\r\n"},
          {"First/" + std::string(kSensorFolder), kWithoutPassword},
          {"Second/" + std::string(kSensorFolder), kWithoutUser}},
         {"PRD"},
         kReadWithoutUser},
        {"no default folder once the pointer file exists",
         {{"PRTG_Path.Txt", "C:\\Apps"}, {kProgramFiles + "PRD.P00", kWithoutUser}},
         {"PRD"},
         kNotFound},
        {"folder that is no custom-sensor folder",
         {{"PRTG_Path.Txt", "C:\\Apps"}, {"Apps/PRD.P00", kWithoutUser}},
         {"PRD"},
         kPathUsage},
    });
}

TEST(SearchTest, WithoutSearchTheNameGivesTheFolder) {
    ExpectEach({
        {"drive letter and folder",
         {{"Sensors/PRD.P00", kWithoutUser}},
         {"C:\\Sensors\\PRD", "@"},
         kReadWithoutUser},
        {"other drive letter",
         {{"Sensors/PRD.P00", kWithoutUser}},
         {"D:\\Sensors\\PRD", "@"},
         kReadWithoutUser},
        {"folder on the current drive",
         {{"Sensors/PRD.P00", kWithoutUser}},
         {"\\Sensors\\PRD", "@"},
         kReadWithoutUser},
        {"folder below the working folder",
         {{"Work/Sensors/PRD.P00", kWithoutUser}},
         {"Sensors\\PRD", "@"},
         kReadWithoutUser},
        {"missing file quotes the path",
         {{kProgramFiles + "PRD.P00", kWithoutUser}},
         {"C:\\Sensors\\PRD", "@"},
         "Error 1002: Profile C:\\Sensors\\PRD.P00 is missing..."},
    });
}

}  // namespace
}  // namespace trevalunda::testing
