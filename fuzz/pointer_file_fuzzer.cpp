// The pointer file "C:\PRTG_Path.Txt": the folder it names is one line without zero bytes and
// ends with a separator, and looking for a profile through it ends in a location or a message
// whose error document parses.

#include "config/profile_location.h"
#include "fuzz_support.h"
#include "platform/file_system.h"
#include "support/fake_file_system.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trevalunda;
    const std::string bytes(fuzz::AsText(data, size));
    const std::string folder = PointerFileFolder(bytes);
    fuzz::Require(!folder.empty() && platform::IsPathSeparator(folder.back()),
                  "the folder ends with a separator", folder);
    fuzz::Require(folder.find_first_of(std::string("\0\n", 2)) == std::string::npos,
                  "the folder is one line without zero bytes", folder);

    testing::FakeFileSystem files;
    files.Add("C:\\PRTG_Path.Txt", bytes);
    files.Add(folder + "PRD.P00", "profile");
    files.Add(folder + "Custom Sensors\\ExeXml\\PRD.P00", "profile");
    const Result<ProfileLocation> located =
        LocateProfile(NameProfile("PRD", false), LocatePolicy::SearchCustomSensorFolder, files);
    if (located.ok()) {
        fuzz::Require(located.value().ProfilePath ==
                          located.value().InstallationFolder + located.value().ProfileName,
                      "the path is the folder and the name", located.value().ProfilePath);
        fuzz::Require(files.Read(located.value().ProfilePath).status == platform::ReadStatus::Ok,
                      "the located profile is the one read", located.value().ProfilePath);
    } else {
        fuzz::RequireErrorDocumentParses(located.fatal().message);
    }
    return 0;
}
