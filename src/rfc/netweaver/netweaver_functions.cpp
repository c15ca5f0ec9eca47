#include "rfc/netweaver/netweaver_functions.h"

#include "rfc/library_functions.h"

namespace trevalunda {

bool IsNetWeaverLibrary(const platform::SharedLibrary& library) {
    return library.Resolve("RfcOpenConnection") != nullptr;
}

const char* ResolveNetWeaverFunctions(const platform::SharedLibrary& library, NwRfcFunctions& f) {
    FunctionResolver resolve(library);
    resolve("RfcOpenConnection", f.RfcOpenConnection)("RfcCloseConnection", f.RfcCloseConnection)(
        "RfcGetFunctionDesc", f.RfcGetFunctionDesc)("RfcCreateFunction", f.RfcCreateFunction)(
        "RfcDestroyFunction", f.RfcDestroyFunction)("RfcInvoke", f.RfcInvoke)(
        "RfcGetStructure", f.RfcGetStructure)("RfcGetChars", f.RfcGetChars)(
        "RfcGetTable", f.RfcGetTable)("RfcGetRowCount", f.RfcGetRowCount)("RfcSetIniPath",
                                                                          f.RfcSetIniPath);
    return resolve.Missing();
}

}  // namespace trevalunda
