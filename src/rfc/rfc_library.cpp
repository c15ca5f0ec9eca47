#include "rfc/rfc_library.h"

#include <utility>

#include "platform/file_system.h"
#include "platform/process.h"

namespace trevalunda {
namespace {

// Resolves functions by name into the slots of the table, remembering the first one missing.
class Resolver {
  public:
    explicit Resolver(const platform::SharedLibrary& library) : library_(library) {}

    template <typename Function>
    Resolver& operator()(const char* name, Function& slot) {
        void* address = library_.Resolve(name);
        // Converting an object pointer to a function pointer is how every dynamic loader hands
        // out functions; both have the same size on the platforms the sensor runs on.
        slot = reinterpret_cast<Function>(address);
        if (address == nullptr && missing_ == nullptr) {
            missing_ = name;
        }
        return *this;
    }

    const char* Missing() const { return missing_; }

  private:
    const platform::SharedLibrary& library_;
    const char* missing_ = nullptr;
};

// Fills the table; the name of the first missing function, or nothing when all were found.
const char* ResolveAll(const platform::SharedLibrary& library, RfcFunctions& f) {
    Resolver resolve(library);
    resolve("RfcEnvironment", f.RfcEnvironment)("RfcOpen", f.RfcOpen)("RfcOpenEx", f.RfcOpenEx)(
        "RfcCall", f.RfcCall)("RfcReceive", f.RfcReceive)("RfcClose", f.RfcClose)(
        "RfcLastError", f.RfcLastError)("RfcInstallStructure", f.RfcInstallStructure)(
        "ItCreate", f.ItCreate)("ItFill", f.ItFill)("ItGetLine", f.ItGetLine)("ItDelete",
                                                                              f.ItDelete);
    return resolve.Missing();
}

}  // namespace

RfcLibrary::RfcLibrary(std::unique_ptr<platform::SharedLibrary> library,
                       const RfcFunctions& functions)
    : library_(std::move(library)), functions_(functions) {}

RfcLibrary::~RfcLibrary() = default;

Result<std::unique_ptr<RfcLibrary>> LoadRfcLibrary(const std::string& name,
                                                   const std::string& executablePath,
                                                   const platform::FileSystem& files) {
    const std::string library = name.empty() ? platform::DefaultRfcLibraryName() : name;
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
    RfcFunctions functions;
    if (const char* missing = ResolveAll(*loaded.library, functions)) {
        return Fatal{"Error 1051: Function " + std::string(missing) + " missing in RFC library " +
                     library + "..."};
    }
    return std::make_unique<RfcLibrary>(std::move(loaded.library), functions);
}

}  // namespace trevalunda
