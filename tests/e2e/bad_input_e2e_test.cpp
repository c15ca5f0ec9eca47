// Bad input of every kind, one row each: what stands in place of the sensor's files, files of
// 10 MB, libraries that are none, a working folder that cannot be written or has gone, links
// where the sensor writes and standard output that takes nothing. Each row gives the exact
// standard output and exit code: a clear document, never a signal or a hang.
//
// A new row needs a name, what to put in place (prepare), the arguments and the expected
// output; rows that need POSIX (links, /dev/full, removing a working folder, permissions)
// say so and are left out on Windows.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "e2e/rfc_installation.h"
#include "support/library_bytes.h"

namespace trevalunda::testing {
namespace {

namespace fs = std::filesystem;

const std::string kSettings = std::string("RfcLibrary=") + TREVALUNDA_RFCSIM_FILE + "\n";
const std::string kSensorFolder = "\\Program Files\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\";
const std::string kPrdResult =
    "\n<Prtg>\n\n<Text>(PRD) Oracle-Locks: No_of_Locks=5 </Text>\n\n<Result><Channel>"
    "No_of_Locks</Channel>\n<Value>5</Value></Result>\n\n</Prtg>\n";
const std::string kPrdListingResult =
    "\n<Prtg>\n\n\n<Result><Channel>PRD</Channel>\n<Value>5</Value></Result>\n"
    "\n<Text>(***) No_of_Locks: NoSystems=1, Processed=1, Failed=0 </Text>\n\n</Prtg>\n\n";
const std::string kPrdListing = "# Gsng: any 12 charsPRD#\r\n";
const std::string kPreparedConfiguration = "DEST=PRD\r\nTYPE=A\r\nASHOST=sapprd\r\nSYSNR=00\r\n";

// 10 MB of comment lines, which every reader of the sensor passes over.
std::string TenMegabytesOfLines() {
    const std::string line = "; " + std::string(76, '-') + "\r\n";
    std::string text;
    text.reserve(10 << 20);
    while (text.size() < (10 << 20)) {
        text += line;
    }
    return text;
}

std::string Error(const std::string& message) {
    return ErrorDocumentText(message);
}

std::string LibraryError(const std::string& name, const std::string& reason) {
    return Error("Error 1050: RFC library " + name + " cannot be loaded (" + reason + ")...");
}

// An installation with rfcsim, the profile PRD.P00 and a landscape in which PRD answers.
class BadInputInstallation : public RfcInstallation {
  public:
    BadInputInstallation() {
        Profile("PRD.P00");
        Landscape(SystemSection("PRD"));
    }

    fs::path InSensorFolder(const std::string& name) const { return CustomSensorFolder() / name; }
    fs::path InWorkingFolder(const std::string& name) const { return WorkingFolder() / name; }

    // A folder where the sensor expects a file.
    void FolderInPlaceOf(const fs::path& path) const {
        fs::remove(path);
        fs::create_directories(path);
    }

    // rfcsim, changed, as a library of another name beside the sensor.
    void LibraryBesideTheSensor(const std::string& name,
                                const std::function<std::string(std::string)>& change) {
        WriteInSensorFolder(name, change(FileBytes(BuildFolder() / TREVALUNDA_RFCSIM_FILE)));
        Settings("");
        WriteInSensorFolder("trevalunda.ini", "RfcLibrary=" + name + "\n");
    }

    // What the run changed in the settings file; empty when it is as it was.
    std::string SettingsHarm() const {
        const std::string now = FileBytes(InSensorFolder("trevalunda.ini"));
        return now == kSettings ? "" : "the settings file now reads: " + now.substr(0, 80);
    }
};

// How a row starts the sensor.
enum class Start { Normally, Unprivileged, WorkingFolderRemoved, OutputOnFullDisk, OutputUnread };

platform::ChildRun StartedAs(Start start) {
    platform::ChildRun run;
    run.unprivileged = start == Start::Unprivileged;
    run.workingFolderRemoved = start == Start::WorkingFolderRemoved;
    if (start == Start::OutputOnFullDisk) {
        run.output = platform::ChildOutput::FullDevice;
    } else if (start == Start::OutputUnread) {
        run.output = platform::ChildOutput::ClosedPipe;
    }
    return run;
}

struct BadInput {
    const char* name;
    std::function<void(BadInputInstallation&)> prepare;
    std::vector<std::string> arguments = {"PRD"};
    std::string output;  // with "\n" line ends
    int exitCode = 2;
    Start start = Start::Normally;
    bool needsPosix = false;
    // What the run damaged outside its own output; empty when nothing.
    std::function<std::string(const BadInputInstallation&)> harm = nullptr;
};

const std::string kLibrary = std::string("library") + TREVALUNDA_LIBRARY_SUFFIX;

std::vector<BadInput> BadInputs() {
    using Install = BadInputInstallation;
    return {
        // Folders in place of files.
        {.name = "folder as the settings file",
         .prepare = [](Install& i) { i.FolderInPlaceOf(i.InSensorFolder("trevalunda.ini")); },
         .output = Error("Error 1040: Settings file trevalunda.ini cannot be read...")},
        {.name = "folder as the profile",
         .prepare = [](Install& i) { i.FolderInPlaceOf(i.InSensorFolder("PRD.P00")); },
         .output = Error("Error 1002: Profile PRD.P00 is missing...")},
        {.name = "folder as the global listing",
         .prepare = [](Install& i) { i.FolderInPlaceOf(i.InSensorFolder("SAP Vantorix.Gbl")); },
         .arguments = {"GLOBAL"},
         .output = Error("Error 1002: Profile SAP Vantorix.Gbl is missing...")},
        {.name = "folder as the profile listing",
         .prepare = [](Install& i) { i.FolderInPlaceOf(i.InSensorFolder("Vantorix.Prf")); },
         .arguments = {"PRD", "ITEM=No_of_Locks"},
         .output = Error("Error 1002: Profile Vantorix.Prf is missing...")},
        {.name = "folder as the prepared configuration SapRfc.PRD",
         .prepare = [](Install& i) { i.FolderInPlaceOf(i.InWorkingFolder("SapRfc.PRD")); },
         .output = kPrdResult,
         .exitCode = 0},
        {.name = "folder as the library",
         .prepare =
             [](Install& i) {
                 i.FolderInPlaceOf(i.InSensorFolder(kLibrary));
                 i.WriteInSensorFolder("trevalunda.ini", "RfcLibrary=" + kSensorFolder + kLibrary);
             },
         .output = LibraryError(kSensorFolder + kLibrary, "not a library")},

        // Files of 10 MB.
        {.name = "10 MB profile",
         .prepare =
             [](Install& i) {
                 i.WriteInSensorFolder("PRD.P00", ProfileText() + TenMegabytesOfLines());
             },
         .output = kPrdResult,
         .exitCode = 0},
        {.name = "10 MB listing",
         .prepare =
             [](Install& i) {
                 i.Profile("PRD");  // a listing names its profiles' files
                 i.WriteInSensorFolder("Vantorix.Prf", kPrdListing + TenMegabytesOfLines());
             },
         .arguments = {"PRD", "ITEM=No_of_Locks"},
         .output = kPrdListingResult,
         .exitCode = 0},
        {.name = "10 MB settings file",
         .prepare =
             [](Install& i) {
                 i.WriteInSensorFolder("trevalunda.ini", kSettings + TenMegabytesOfLines());
             },
         .output = kPrdResult,
         .exitCode = 0},

        // Files that are no complete library of this machine.
        {.name = "truncated library",
         .prepare =
             [](Install& i) {
                 i.LibraryBesideTheSensor(kLibrary,
                                          [](std::string b) { return b.substr(0, 4096); });
             },
         .output = LibraryError(kLibrary, "not a complete library")},
        {.name = "32-bit library",
         .prepare = [](Install& i) { i.LibraryBesideTheSensor(kLibrary, ThirtyTwoBitCopy); },
         .output = LibraryError(kLibrary, "a 32-bit library; the sensor needs a 64-bit one")},
        {.name = "text file named as the library",
         .prepare =
             [](Install& i) {
                 i.LibraryBesideTheSensor(kLibrary,
                                          [](std::string) { return "not a library\r\n"; });
             },
         .output = LibraryError(kLibrary, "not a library")},

        // The working folder.
        {.name = "working folder that cannot be written",
         .prepare =
             [](Install& i) {
                 fs::permissions(i.WorkingFolder(),
                                 fs::perms::owner_read | fs::perms::owner_exec |
                                     fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
             },
         .arguments = {"PRD", ",SYSLOG"},
         .output = kPrdResult,
         .exitCode = 0,
         .start = Start::Unprivileged,
         .needsPosix = true},
        // The sensor still finds its settings (rfcsim, not the default library), while rfcsim,
        // which reads its landscape in the working folder, reaches no system.
        {.name = "working folder removed",
         .prepare = [](Install& i) { fs::remove(i.InWorkingFolder("rfcsim.ini")); },
         .output = Error("Error 1011: RFC-Open for PRD failed !"),
         .start = Start::WorkingFolderRemoved,
         .needsPosix = true},
        {.name = "working folder removed, the sensor's own path beyond the drive",
         .prepare =
             [](Install& i) {
                 fs::remove(i.InWorkingFolder("rfcsim.ini"));
                 i.InstallSensor(i.Drive().parent_path() / "Elsewhere");
             },
         .output = Error("Error 1047: The path of trevalunda cannot be found..."),
         .start = Start::WorkingFolderRemoved,
         .needsPosix = true},

        // Links where the sensor writes.
        {.name = "link as SapRfc.ini to the settings file",
         .prepare =
             [](Install& i) {
                 i.Write("Work/SapRfc.PRD", kPreparedConfiguration);
                 fs::create_symlink(i.InSensorFolder("trevalunda.ini"),
                                    i.InWorkingFolder("SapRfc.ini"));
             },
         .output = kPrdResult,
         .exitCode = 0,
         .needsPosix = true,
         .harm =
             [](const Install& i) {
                 const std::string installed = FileBytes(i.InWorkingFolder("SapRfc.ini"));
                 return i.SettingsHarm() + (fs::is_symlink(i.InWorkingFolder("SapRfc.ini")) ||
                                                    installed != kPreparedConfiguration
                                                ? "SapRfc.ini is not the prepared file"
                                                : "");
             }},
        {.name = "link as the run log to the settings file",
         .prepare =
             [](Install& i) {
                 fs::create_symlink(i.InSensorFolder("trevalunda.ini"),
                                    i.InWorkingFolder("trevalunda.log"));
             },
         .arguments = {"PRD", ",SYSLOG"},
         .output = kPrdResult,
         .exitCode = 0,
         .needsPosix = true,
         .harm = [](const Install& i) { return i.SettingsHarm(); }},

        // Standard output that takes nothing.
        {.name = "standard output on a full disk",
         .prepare = [](Install&) {},
         .output = "",
         .start = Start::OutputOnFullDisk,
         .needsPosix = true},
        {.name = "standard output a pipe nobody reads",
         .prepare = [](Install&) {},
         .output = "",
         .start = Start::OutputUnread},
        {.name = "standard output a pipe nobody reads, after a failure",
         .prepare = [](Install& i) { i.Profile("PRD.P00", {.user = ""}); },
         .output = "",
         .start = Start::OutputUnread},
        {.name = "standard output a pipe nobody reads, the library reporting an error",
         .prepare =
             [](Install& i) {
                 i.Landscape(SystemSection("PRD", "HandlerError=RfcReceive RFC_SYSTEM_INFO"));
             },
         .output = "",
         .start = Start::OutputUnread},
    };
}

TEST(BadInputTest, EveryRowEndsWithItsDocumentAndExitCode) {
    for (const BadInput& row : BadInputs()) {
        if (row.needsPosix && !platform::HasPosixFileSystem()) {
            std::cout << "[ LEFT OUT ] " << row.name << ": needs POSIX\n";
            continue;
        }
        BadInputInstallation installation;
        row.prepare(installation);
        const platform::ChildResult result =
            installation.RunStarted(StartedAs(row.start), row.arguments);
        EXPECT_EQ(result.output, AsStandardOutput(row.output)) << row.name;
        EXPECT_EQ(result.exitCode, row.exitCode) << row.name << "\n" << result.errors;
        if (row.harm) {
            EXPECT_EQ(row.harm(installation), "") << row.name;
        }
        // Let the installation remove what the row made unwritable.
        std::error_code ignored;
        fs::permissions(installation.WorkingFolder(), fs::perms::owner_all, fs::perm_options::add,
                        ignored);
    }
}

}  // namespace
}  // namespace trevalunda::testing
