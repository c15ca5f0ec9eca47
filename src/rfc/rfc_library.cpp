#include "rfc/rfc_library.h"

#include <optional>
#include <utility>

#include "platform/file_system.h"
#include "platform/process.h"

namespace trevalunda {

namespace {

Fatal CannotLoad(std::string_view name, const platform::LoadedLibrary& loaded) {
    return Fatal{"Error 1050: RFC library " + std::string(name) + " cannot be loaded (" +
                 platform::LoadFailureInWords(loaded) + ")..."};
}

// The library's file beside the executable, when it lies there.
std::optional<std::string> BesideExecutable(const std::string& name,
                                            const std::string& executablePath,
                                            const platform::FileSystem& files) {
    if (!platform::FolderOf(name).empty()) {
        return std::nullopt;
    }
    std::string beside = std::string(platform::FolderOf(executablePath)) + name;
    if (!files.CanOpenForReading(beside)) {
        return std::nullopt;
    }
    return beside;
}

Result<LoadedRfcLibrary> Load(const std::string& path, const std::string& name) {
    platform::LoadedLibrary loaded = platform::LoadSharedLibrary(path);
    if (!loaded.library) {
        return CannotLoad(name, loaded);
    }
    return LoadedRfcLibrary{std::move(loaded.library), name};
}

}  // namespace

std::vector<std::string> DefaultRfcLibraryNames() {
    if (platform::UsesWindowsLibraries()) {
        return {"librfc32.dll", "sapnwrfc.dll"};
    }
    return {"librfccm.so", "libsapnwrfc.so"};
}

Result<LoadedRfcLibrary> LoadRfcLibrary(const std::string& name, const std::string& executablePath,
                                        const platform::FileSystem& files) {
    if (!name.empty()) {
        return Load(BesideExecutable(name, executablePath, files).value_or(name), name);
    }
    const std::vector<std::string> defaults = DefaultRfcLibraryNames();
    for (const std::string& library : defaults) {
        if (auto beside = BesideExecutable(library, executablePath, files)) {
            return Load(*beside, library);
        }
    }
    // Neither lies beside the executable: the first that the system's folders hold is loaded,
    // and one that lies there but cannot be loaded says why.
    platform::LoadedLibrary notFound;
    for (const std::string& library : defaults) {
        platform::LoadedLibrary loaded = platform::LoadSharedLibrary(library);
        if (loaded.library) {
            return LoadedRfcLibrary{std::move(loaded.library), library};
        }
        if (loaded.fault != platform::LibraryFault::NotFound) {
            return CannotLoad(library, loaded);
        }
        notFound = std::move(loaded);
    }
    return CannotLoad(defaults[0] + " or " + defaults[1], notFound);
}

}  // namespace trevalunda
