#pragma once

#include <memory>
#include <string>
#include <vector>

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

// The file names of the RFC libraries on this operating system, in the order they are
// looked for when the installation names none: the classic library, then SAP's NetWeaver
// RFC library.
std::vector<std::string> DefaultRfcLibraryNames();

// Loads the named library, or the first default library that exists. A name without a folder
// is looked for beside the executable first, then where the operating system looks for
// libraries; of the default libraries, both are looked for beside the executable before the
// system's folders. A library that cannot be loaded is a failure that names it.
Result<LoadedRfcLibrary> LoadRfcLibrary(const std::string& name, const std::string& executablePath,
                                        const platform::FileSystem& files);

}  // namespace trevalunda
