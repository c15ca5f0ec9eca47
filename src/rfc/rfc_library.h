#pragma once

#include <memory>
#include <string>

#include "base/result.h"
#include "platform/process.h"

namespace trevalunda {

namespace platform {
class FileSystem;
}

// An RFC library loaded into the process, with the name its messages quote.
struct LoadedRfcLibrary {
    std::unique_ptr<platform::SharedLibrary> library;
    std::string name;
};

// The file name under which the RFC library is installed on this operating system.
std::string DefaultRfcLibraryName();

// Loads the named library (the default library when the name is empty). A name without a
// folder is looked for beside the executable first, then where the operating system looks
// for libraries. A library that cannot be loaded is a failure that names it.
Result<LoadedRfcLibrary> LoadRfcLibrary(const std::string& name, const std::string& executablePath,
                                        const platform::FileSystem& files);

}  // namespace trevalunda
