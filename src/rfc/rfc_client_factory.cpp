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

std::string_view RfcLibraryKindWords(RfcLibraryKind kind) {
    return kind == RfcLibraryKind::Classic ? "the classic RFC library"
                                           : "SAP's NetWeaver RFC library";
}

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
        std::unique_ptr<RfcClient> client = std::make_unique<NetWeaverRfcClient>(
            std::move(library.library), functions, services, executablePath);
        client->SetLibraryName(library.name);
        return client;
    }
    RfcFunctions functions;
    if (const char* missing = ResolveClassicFunctions(*library.library, functions)) {
        return MissingFunction(missing, library.name);
    }
    std::unique_ptr<RfcClient> client =
        std::make_unique<ClassicRfcClient>(std::move(library.library), functions, services);
    client->SetLibraryName(library.name);
    return client;
}

}  // namespace trevalunda
