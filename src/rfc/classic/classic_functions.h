#pragma once

#include "classic_rfc_api.h"

namespace trevalunda {

namespace platform {
class SharedLibrary;
}

// The twelve functions of the classic RFC library that the sensor calls.
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

// Resolves the twelve functions by name into the table; the name of the first one the library
// lacks, or null when all were found.
const char* ResolveClassicFunctions(const platform::SharedLibrary& library,
                                    RfcFunctions& functions);

}  // namespace trevalunda
