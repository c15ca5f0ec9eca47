#pragma once

#include "netweaver_rfc_api.h"

namespace trevalunda {

namespace platform {
class SharedLibrary;
}

// The functions of SAP's NetWeaver RFC library that the sensor calls. RfcCancel may be
// missing in old releases; the sensor does not need it.
struct NwRfcFunctions {
    NwRfcOpenConnectionFunction RfcOpenConnection = nullptr;
    NwRfcCloseConnectionFunction RfcCloseConnection = nullptr;
    NwRfcGetFunctionDescFunction RfcGetFunctionDesc = nullptr;
    NwRfcCreateFunctionFunction RfcCreateFunction = nullptr;
    NwRfcDestroyFunctionFunction RfcDestroyFunction = nullptr;
    NwRfcInvokeFunction RfcInvoke = nullptr;
    NwRfcGetStructureFunction RfcGetStructure = nullptr;
    NwRfcGetCharsFunction RfcGetChars = nullptr;
    NwRfcGetTableFunction RfcGetTable = nullptr;
    NwRfcGetRowCountFunction RfcGetRowCount = nullptr;
    NwRfcSetIniPathFunction RfcSetIniPath = nullptr;
};

// True for a library that exports the NetWeaver interface: the function that opens its
// connections, which the classic library does not have.
bool IsNetWeaverLibrary(const platform::SharedLibrary& library);

// Resolves the functions by name into the table; the name of the first required one the
// library lacks, or null when all were found.
const char* ResolveNetWeaverFunctions(const platform::SharedLibrary& library,
                                      NwRfcFunctions& functions);

}  // namespace trevalunda
