#pragma once

#include <memory>
#include <string>

#include "base/result.h"
#include "classic_rfc_api.h"

namespace trevalunda {

namespace platform {
class FileSystem;
class SharedLibrary;
}  // namespace platform

// The twelve functions of the RFC library that the sensor calls.
struct RfcFunctions {
    RfcEnvironmentFunction RfcEnvironment = nullptr;
    RfcOpenFunction RfcOpen = nullptr;
    RfcOpenExFunction RfcOpenEx = nullptr;
    RfcCallFunction RfcCall = nullptr;
    RfcReceiveFunction RfcReceive = nullptr;
    RfcCloseFunction RfcClose = nullptr;
    RfcLastErrorFunction RfcLastError = nullptr;
    RfcInstallStructureFunction RfcInstallStructure = nullptr;
    ItCreateFunction ItCreate = nullptr;
    ItFillFunction ItFill = nullptr;
    ItGetLineFunction ItGetLine = nullptr;
    ItDeleteFunction ItDelete = nullptr;
};

// The RFC library, loaded and its functions resolved by name; it stays loaded while it lives.
class RfcLibrary {
  public:
    RfcLibrary(std::unique_ptr<platform::SharedLibrary> library, const RfcFunctions& functions);
    ~RfcLibrary();
    RfcLibrary(const RfcLibrary&) = delete;
    RfcLibrary& operator=(const RfcLibrary&) = delete;

    const RfcFunctions& Functions() const { return functions_; }

  private:
    std::unique_ptr<platform::SharedLibrary> library_;
    RfcFunctions functions_;
};

// Loads the named library (the platform's usual RFC library when the name is empty). A name
// without a folder is looked for beside the executable first, then where the operating system
// looks for libraries. A library that cannot be loaded, or lacks a function, is a failure that
// names it.
Result<std::unique_ptr<RfcLibrary>> LoadRfcLibrary(const std::string& name,
                                                   const std::string& executablePath,
                                                   const platform::FileSystem& files);

}  // namespace trevalunda
