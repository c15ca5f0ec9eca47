#include "rfc/rfc_client_factory.h"

#include <utility>

#include "rfc/classic/classic_rfc_client.h"
#include "rfc/rfc_library.h"

namespace trevalunda {

Result<std::unique_ptr<RfcClient>> OpenRfcClient(const std::string& libraryName,
                                                 const std::string& executablePath,
                                                 const RfcClientServices& services) {
    Result<LoadedRfcLibrary> loaded = LoadRfcLibrary(libraryName, executablePath, services.files);
    if (!loaded.ok()) {
        return loaded.fatal();
    }
    RfcFunctions functions;
    if (const char* missing = ResolveClassicFunctions(*loaded.value().library, functions)) {
        return Fatal{"Error 1051: Function " + std::string(missing) + " missing in RFC library " +
                     loaded.value().name + "..."};
    }
    return std::unique_ptr<RfcClient>(
        std::make_unique<ClassicRfcClient>(std::move(loaded.value().library), functions, services));
}

}  // namespace trevalunda
