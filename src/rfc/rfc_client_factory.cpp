#include "rfc/rfc_client_factory.h"

#include <utility>

#include "rfc/classic/classic_rfc_client.h"
#include "rfc/netweaver/netweaver_rfc_client.h"
#include "rfc/rfc_library.h"

namespace trevalunda {
namespace {

Fatal MissingFunction(std::string_view function, std::string_view library) {
    return Fatal{"Error 1051: Function " + std::string(function) + " missing in RFC library " +
                 std::string(library) + "..."};
}

}  // namespace

Result<std::unique_ptr<RfcClient>> OpenRfcClient(const std::string& libraryName,
                                                 const std::string& executablePath,
                                                 const RfcClientServices& services) {
    Result<LoadedRfcLibrary> loaded = LoadRfcLibrary(libraryName, executablePath, services.files);
    if (!loaded.ok()) {
        return loaded.fatal();
    }
    LoadedRfcLibrary& library = loaded.value();
    // The kind of library shows in what it exports.
    if (IsNetWeaverLibrary(*library.library)) {
        NwRfcFunctions functions;
        if (const char* missing = ResolveNetWeaverFunctions(*library.library, functions)) {
            return MissingFunction(missing, library.name);
        }
        return std::unique_ptr<RfcClient>(std::make_unique<NetWeaverRfcClient>(
            std::move(library.library), functions, services, executablePath));
    }
    RfcFunctions functions;
    if (const char* missing = ResolveClassicFunctions(*library.library, functions)) {
        return MissingFunction(missing, library.name);
    }
    return std::unique_ptr<RfcClient>(
        std::make_unique<ClassicRfcClient>(std::move(library.library), functions, services));
}

}  // namespace trevalunda
