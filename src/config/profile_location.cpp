#include "config/profile_location.h"

#include <array>
#include <optional>
#include <utility>

#include "base/text.h"
#include "platform/file_system.h"
#include "platform/text_reader.h"

namespace trevalunda {
namespace {

constexpr std::string_view kDefaultExtension = ".P00";
constexpr std::string_view kGlobalProfileName = "GLOBAL.P00";
constexpr std::string_view kPointerFile = "C:\\PRTG_Path.Txt";
constexpr std::string_view kPrtgSubFolder = "PRTG Network Monitor\\Custom Sensors\\ExeXml\\";
constexpr std::string_view kCustomSensorSubFolder = "Custom Sensors\\ExeXml\\";
constexpr std::array<std::string_view, 3> kDefaultFolders{
    "\\Programme\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\",
    "\\Program Files\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\",
    "\\Program Files (x86)\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\",
};
constexpr std::size_t kPointerLineRead = 99;

void NameGlobalListing(std::string& name, bool& multiSystemRun) {
    if (EqualsIgnoringCase(name, kGlobalProfileName)) {
        name = kGlobalListingName;
        multiSystemRun = true;
    }
}

// A line of the pointer file names a folder when it begins with a separator, has one as its
// third character, or has a colon as its second ("D:\Tools", "\\server", "D:").
bool NamesFolder(std::string_view line) {
    return (!line.empty() && platform::IsPathSeparator(line[0])) ||
           (line.size() >= 3 && platform::IsPathSeparator(line[2])) ||
           (line.size() >= 2 && line[1] == ':');
}

// A line in double quotes, as Explorer's "Copy as path" writes it, stands for the text inside
// them; blanks after the closing quote (as "echo" leaves them) do not count. Any other line
// stands for itself.
std::string_view InsideQuotes(std::string_view line) {
    const std::size_t last = line.find_last_not_of(" \t");
    if (!line.starts_with('"') || last == 0 || last == std::string_view::npos ||
        line[last] != '"') {
        return line;
    }
    return line.substr(1, last - 1);
}

void Note(SearchTrail* trail, const std::string& path, std::string finding) {
    if (trail != nullptr) {
        trail->push_back({path, std::move(finding)});
    }
}

std::string_view ReadFinding(platform::ReadStatus status) {
    switch (status) {
        case platform::ReadStatus::Ok:
            return "found";
        case platform::ReadStatus::Unreadable:
            return "there, but it cannot be read";
        case platform::ReadStatus::NotAFile:
            return "not a file";
        case platform::ReadStatus::Missing:
            break;
    }
    return "not there";
}

std::optional<std::string> Open(const platform::FileSystem& files, const std::string& path,
                                SearchTrail* trail) {
    platform::FileContent file = files.Read(path);
    Note(trail, path, std::string(ReadFinding(file.status)));
    if (file.status != platform::ReadStatus::Ok) {
        return std::nullopt;
    }
    return std::move(file.bytes);
}

// Searches PRTG's custom-sensor folder: the folder named in the pointer file (or PRTG's
// sub-folders below it), else the working folder, else the three default folders.
Result<ProfileLocation> SearchCustomSensorFolder(const std::string& name,
                                                 const platform::FileSystem& files,
                                                 SearchTrail* trail) {
    ProfileLocation found;
    const platform::FileContent pointer = files.Read(std::string(kPointerFile));
    if (pointer.status == platform::ReadStatus::Ok) {
        std::string folder = PointerFileFolder(pointer.bytes);
        Note(trail, std::string(kPointerFile), "names the folder " + folder);
        for (std::string_view subFolder : {kPrtgSubFolder, kCustomSensorSubFolder}) {
            const std::string below = folder + std::string(subFolder) + name;
            const bool there = files.CanOpenForReading(below);
            Note(trail, below, there ? "found" : "not there");
            if (there) {
                folder += subFolder;
            }
        }
        auto content = Open(files, folder + name, trail);
        if (!content) {
            return MissingProfile(name);
        }
        found.InstallationFolder = folder;
        found.content = std::move(*content);
    } else {
        Note(trail, std::string(kPointerFile),
             std::string(ReadFinding(pointer.status)) + ", so the working folder is next");
        if (auto content = Open(files, name, trail)) {
            found.content = std::move(*content);
            return found;
        }
        for (std::string_view folder : kDefaultFolders) {
            if (auto inFolder = Open(files, std::string(folder) + name, trail)) {
                found.InstallationFolder = folder;
                found.content = std::move(*inFolder);
                return found;
            }
        }
        return MissingProfile(name);
    }
    return found;
}

// The folder must end in "ExeXml" and one more character (the separator), in any case.
bool IsCustomSensorFolder(std::string_view folder) {
    constexpr std::string_view kFolderEnd = "EXEXML";
    if (folder.size() < kFolderEnd.size() + 1) {
        return false;
    }
    return UpperAscii(folder.substr(folder.size() - kFolderEnd.size() - 1, kFolderEnd.size())) ==
           kFolderEnd;
}

}  // namespace

std::string PointerFileFolder(std::string_view bytes) {
    std::string folder;
    platform::TextReader reader(bytes);
    while (auto line = reader.Read(kPointerLineRead)) {
        platform::StripLineEnd(*line);
        // A folder ends at a zero byte, where the file system's calls end it too: the folder
        // checks and the opening see the same folder.
        const std::string_view named = InsideQuotes(UpToZeroByte(*line));
        if (NamesFolder(named)) {
            folder = named;
        }
    }
    if (folder.empty() || !platform::IsPathSeparator(folder.back())) {
        folder += '\\';
    }
    return folder;
}

Fatal MissingProfile(std::string_view quoted) {
    return {"Error 1002: Profile " + std::string(quoted) + " is missing..."};
}

ProfileNaming NameProfile(std::string_view firstArgument, bool itemRun) {
    ProfileNaming naming;
    if (itemRun) {
        naming.ProfileName = kItemListingName;
        naming.MultiSystemRun = true;
        return naming;
    }
    std::string name(firstArgument);
    if (name.size() < 4 || name[name.size() - 4] != '.') {
        name += kDefaultExtension;
    }
    NameGlobalListing(name, naming.MultiSystemRun);
    const std::size_t folderLength = platform::FolderOf(name).size();
    if (folderLength > 1) {
        naming.folderFromName = name.substr(0, folderLength);
        name.erase(0, folderLength);
    }
    NameGlobalListing(name, naming.MultiSystemRun);
    naming.ProfileName = std::move(name);
    return naming;
}

LocatePolicy LocatePolicyFor(OutputMode mode, bool noSearchRequested) {
    return mode == OutputMode::Exexml && !noSearchRequested ? LocatePolicy::SearchCustomSensorFolder
                                                            : LocatePolicy::FolderFromName;
}

Result<ProfileLocation> LocateProfile(const ProfileNaming& naming, LocatePolicy policy,
                                      const platform::FileSystem& files, SearchTrail* trail) {
    Result<ProfileLocation> located = ProfileLocation{};
    if (policy == LocatePolicy::FolderFromName) {
        ProfileLocation location;
        location.InstallationFolder = naming.folderFromName;
        auto content = Open(files, naming.folderFromName + naming.ProfileName, trail);
        if (!content) {
            return MissingProfile(naming.folderFromName + naming.ProfileName);
        }
        location.content = std::move(*content);
        located = std::move(location);
    } else {
        located = SearchCustomSensorFolder(naming.ProfileName, files, trail);
        if (!located.ok()) {
            return located;
        }
        if (!IsCustomSensorFolder(located.value().InstallationFolder)) {
            Note(trail, located.value().InstallationFolder + naming.ProfileName,
                 "refused: a profile must lie in a folder whose name ends in ExeXml");
            return Fatal{"Sorry, invalid Path-Usage..."};
        }
    }
    ProfileLocation& location = located.value();
    location.ProfileName = naming.ProfileName;
    location.ProfilePath = location.InstallationFolder + naming.ProfileName;
    location.MultiSystemRun = naming.MultiSystemRun;
    return located;
}

}  // namespace trevalunda
