// Text files as Windows programs save them: with a byte-order mark in UTF-8 (Notepad) or
// UTF-16 (PowerShell 5's ">"), and a pointer-file line in double quotes as Explorer's
// "Copy as path" writes it. Each reads as the same file saved as ANSI would.

#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/rfc_installation.h"
#include "support/windows_text.h"

namespace trevalunda::testing {
namespace {

const std::string kPrdResult =
    "\n<Prtg>\n\n<Text>(PRD) Oracle-Locks: No_of_Locks=5 </Text>\n\n<Result><Channel>"
    "No_of_Locks</Channel>\n<Value>5</Value></Result>\n\n</Prtg>\n";

// A profile whose first line is a field, where a mark that is not decoded does harm.
std::string ProfileWithoutComment(const ProfileValues& values = {}) {
    const std::string text = ProfileText(values);
    return text.substr(text.find('\n') + 1);
}

// A file as a Windows program may save it.
struct Encoding {
    const char* name;
    std::string (*encode)(std::string_view text);
};

const Encoding kEncodings[] = {
    {"UTF-8 with mark", [](std::string_view text) { return Utf8WithMark(text); }},
    {"UTF-16 little endian", [](std::string_view text) { return Utf16WithMark(text); }},
    {"UTF-16 big endian", [](std::string_view text) { return Utf16WithMark(text, true); }},
};

class TextFilesTest : public ::testing::Test {
  protected:
    TextFilesTest() { installation_.Landscape(SystemSection("PRD") + SystemSection("QAS")); }

    RfcInstallation installation_;
};

TEST_F(TextFilesTest, SettingsFileWithAByteOrderMark) {
    const std::string library = StandInFile(installation_.Kind());
    installation_.Profile("PRD.P00");
    installation_.Write("Work/PRD.P00", ProfileText());  // a front-end mode reads the named folder
    for (const Encoding& encoding : kEncodings) {
        installation_.WriteInSensorFolder("trevalunda.ini",
                                          encoding.encode("; settings\r\nRfcLibrary=\"" + library +
                                                          "\"\r\nOutputMode=Kestrin\r\n"));
        const platform::ChildResult result = installation_.Run({"PRD"});
        EXPECT_EQ(result.output,
                  AsStandardOutput("\n# (PRD) Oracle-Locks: No_of_Locks=5 \n> No_of_Locks: 5 #\n"))
            << encoding.name;
        EXPECT_EQ(result.exitCode, 0) << encoding.name;

        installation_.WriteInSensorFolder(
            "trevalunda.ini",
            encoding.encode("RfcLibrary=" + library + "\r\nOutputMode=exexml\r\n"));
        const platform::ChildResult wrong = installation_.Run({"PRD"});
        EXPECT_EQ(wrong.output,
                  ErrorDocumentFor("Error 1042: Unknown OutputMode exexml in trevalunda.ini line 2 "
                                   "(valid: EXEXML, Lumotex, Morvale, Brevanta, Kestrin)..."))
            << encoding.name;
        EXPECT_EQ(wrong.exitCode, 2) << encoding.name;
    }
}

TEST_F(TextFilesTest, CharacterWithoutAnAnsiFormInTheSettings) {
    installation_.Profile("PRD.P00");
    installation_.WriteInSensorFolder("trevalunda.ini",
                                      Utf16WithMark(u"RfcLibrary=x\r\nTimeout=\u0665\u0660\r\n"));
    const platform::ChildResult result = installation_.Run({"PRD"});
    EXPECT_EQ(result.output, ErrorDocumentFor("Error 1043: Invalid Timeout ?? in trevalunda.ini "
                                              "line 2..."));
    EXPECT_EQ(result.exitCode, 2);
}

TEST_F(TextFilesTest, ProfileWithAByteOrderMark) {
    for (const Encoding& encoding : kEncodings) {
        // Readable by its owner alone, as the profile tool writes profiles.
        std::filesystem::permissions(
            installation_.WriteInSensorFolder("PRD.P00", encoding.encode(ProfileWithoutComment())),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
        const platform::ChildResult result = installation_.Run({"PRD"});
        EXPECT_EQ(result.output, AsStandardOutput(kPrdResult)) << encoding.name;
        EXPECT_EQ(result.exitCode, 0) << encoding.name;

        const platform::ChildResult checked = installation_.RunProfileTool({"check", "PRD.P00"});
        EXPECT_EQ(
            checked.output,
            AsStandardOutput("PRD.P00: the sensor accepts this profile\n"
                             "PRD.P00: password: well formed, check digit right, length right\n"))
            << encoding.name;
        EXPECT_EQ(checked.exitCode, 0) << encoding.name;
    }
}

TEST_F(TextFilesTest, ListingsWithAByteOrderMark) {
    installation_.Profile("PRD.P00");
    installation_.Profile("QAS.P00", {.destination = "QAS", .hostname = "sapqas"});
    installation_.Profile("PRD");  // an item run names its profiles as the listing does
    installation_.Profile("QAS", {.destination = "QAS", .hostname = "sapqas"});
    const std::string opening = "\n<Prtg>\n\n";
    const std::string channels =
        "\n<Result><Channel>PRD</Channel>\n<Value>5</Value></Result>\n"
        "\n<Result><Channel>QAS</Channel>\n<Value>5</Value></Result>\n";
    for (const Encoding& encoding : kEncodings) {
        installation_.WriteInSensorFolder(
            "SAP Vantorix.Gbl",
            encoding.encode(
                "# GSNG: LOCKS     : PRD.P00#QAS.P00#\r\n"
                "# GSNX: LOCKS     : Item=No_of_Locks,Sensor=\"SAP Trevalunda\",Alias\r\n"));
        const platform::ChildResult global = installation_.Run({"GLOBAL", "locks"});
        EXPECT_EQ(global.output,
                  AsStandardOutput(opening + channels +
                                   "\n<Text>(***) No_of_Locks: NoSystems=2, Processed=2, Failed=0 "
                                   "</Text>\n\n</Prtg>\n\n"))
            << encoding.name;
        EXPECT_EQ(global.exitCode, 0) << encoding.name;

        installation_.WriteInSensorFolder("Vantorix.Prf",
                                          encoding.encode("# Gsng: any 12 charsPRD#QAS#\r\n"));
        const platform::ChildResult item = installation_.Run({"whatever", "ITEM=No_of_Locks"});
        EXPECT_EQ(item.output,
                  AsStandardOutput(opening + channels +
                                   "\n<Text>(***) No_of_Locks: NoSystems=2, Processed=2, Failed=0 "
                                   "</Text>\n\n</Prtg>\n\n"))
            << encoding.name;
        EXPECT_EQ(item.exitCode, 0) << encoding.name;
    }
}

// The pointer file names C:\Apps, where the profile lacks its user; the default folder holds
// one that lacks its password. A pointer file that is not understood names no folder, and the
// search then ends without the default folders.
TEST(PointerFileTest, QuotedLinesAndByteOrderMarks) {
    struct Case {
        const char* name;
        std::string pointer;
        std::string message;
    } cases[] = {
        {"copied as path", "\"C:\\Apps\\PRTG Network Monitor\"\r\n",
         "Error 1006: Username in Profile PRD.P00 is missing..."},
        {"copied as path, echoed with a blank", "\"C:\\Apps\" \r\n",
         "Error 1006: Username in Profile PRD.P00 is missing..."},
        {"UTF-16 as PowerShell writes it", Utf16WithMark("C:\\Apps\r\n"),
         "Error 1006: Username in Profile PRD.P00 is missing..."},
        {"UTF-16 copied as path", Utf16WithMark("\"C:\\Apps\\PRTG Network Monitor\"\r\n"),
         "Error 1006: Username in Profile PRD.P00 is missing..."},
        {"UTF-8 with mark", Utf8WithMark("C:\\Apps"),
         "Error 1006: Username in Profile PRD.P00 is missing..."},
        {"unbalanced quote names no folder", "\"C:\\Apps\r\n",
         "Error 1002: Profile PRD.P00 is missing..."},
    };
    for (const Case& c : cases) {
        Installation installation;
        installation.Write("PRTG_Path.Txt", c.pointer);
        installation.Write("Apps/PRTG Network Monitor/Custom Sensors/ExeXml/PRD.P00",
                           ProfileText({.user = ""}));
        installation.Write("Program Files/PRTG Network Monitor/Custom Sensors/ExeXml/PRD.P00",
                           ProfileText({.password = ""}));
        const platform::ChildResult result = installation.Run({"PRD"});
        EXPECT_EQ(result.output, ErrorDocumentFor(c.message)) << c.name;
        EXPECT_EQ(result.exitCode, 2) << c.name;
    }
}

}  // namespace
}  // namespace trevalunda::testing
