#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/output_mode.h"
#include "base/result.h"

namespace trevalunda {

namespace platform {
class FileSystem;
}

inline constexpr std::string_view kGlobalListingName = "SAP Vantorix.Gbl";
inline constexpr std::string_view kItemListingName = "Vantorix.Prf";

// The profile name as the command line gives it, completed: extension, global listing,
// folder split.
struct ProfileNaming {
    std::string ProfileName;     // file name without folder, with extension
    std::string folderFromName;  // up to and including the last separator; may be empty
    bool MultiSystemRun = false;
};

// Names the profile from the first argument; an "ITEM=" run always reads "Vantorix.Prf".
ProfileNaming NameProfile(std::string_view firstArgument, bool itemRun);

// Where the profile was found, and its content as it was read when it was opened.
struct ProfileLocation {
    std::string ProfileName;
    std::string InstallationFolder;  // empty (the working folder) or ending with a separator
    std::string ProfilePath;         // InstallationFolder + ProfileName
    bool MultiSystemRun = false;
    std::string content;
};

// How the profile is looked for: in the folder the name gives (front-end modes, or "@" in the
// parameter text), or by searching PRTG's custom-sensor folders.
enum class LocatePolicy { FolderFromName, SearchCustomSensorFolder };

LocatePolicy LocatePolicyFor(OutputMode mode, bool noSearchRequested);

// The folder that the pointer file "C:\PRTG_Path.Txt" names: its last line that names a folder
// ("D:\Tools", "\\server", "D:"), ending with a separator; "\" when no line names one. A line
// in double quotes ("D:\Tools") counts as the text inside them.
std::string PointerFileFolder(std::string_view bytes);

// The failure for a profile that cannot be found or opened, quoting its name or path.
Fatal MissingProfile(std::string_view quoted);

// One place where the profile search looked, and what it found there ("not there", "found",
// ...), in the order of the search: for a person who wants to know why a profile is missing.
struct SearchedPlace {
    std::string path;
    std::string finding;
};
using SearchTrail = std::vector<SearchedPlace>;

// Finds and opens the named profile. A failure is the error that ends the run. With a trail,
// every place looked at is noted in it; the search itself is the same.
Result<ProfileLocation> LocateProfile(const ProfileNaming& naming, LocatePolicy policy,
                                      const platform::FileSystem& files,
                                      SearchTrail* trail = nullptr);

}  // namespace trevalunda
