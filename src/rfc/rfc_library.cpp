#include "rfc/rfc_library.h"

#include <utility>

#include "platform/file_system.h"
#include "platform/process.h"

namespace trevalunda {

std::string DefaultRfcLibraryName() {
    return platform::UsesWindowsLibraries() ? "librfc32.dll" : "librfccm.so";
}

Result<LoadedRfcLibrary> LoadRfcLibrary(const std::string& name, const std::string& executablePath,
                                        const platform::FileSystem& files) {
    const std::string library = name.empty() ? DefaultRfcLibraryName() : name;
    std::string path = library;
    if (platform::FolderOf(library).empty()) {
        const std::string beside = std::string(platform::FolderOf(executablePath)) + library;
        if (files.CanOpenForReading(beside)) {
            path = beside;
        }
    }
    platform::LoadedLibrary loaded = platform::LoadSharedLibrary(path);
    if (!loaded.library) {
        return Fatal{"Error 1050: RFC library " + library + " cannot be loaded (" +
                     platform::LoadFailureInWords(loaded) + ")..."};
    }
    return LoadedRfcLibrary{std::move(loaded.library), library};
}

}  // namespace trevalunda
