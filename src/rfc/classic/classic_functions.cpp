#include "rfc/classic/classic_functions.h"

#include "rfc/library_functions.h"

namespace trevalunda {

const char* ResolveClassicFunctions(const platform::SharedLibrary& library, RfcFunctions& f) {
    FunctionResolver resolve(library);
    resolve("RfcEnvironment", f.RfcEnvironment)("RfcOpen", f.RfcOpen)("RfcOpenEx", f.RfcOpenEx)(
        "RfcCall", f.RfcCall)("RfcReceive", f.RfcReceive)("RfcClose", f.RfcClose)(
        "RfcLastError", f.RfcLastError)("RfcInstallStructure", f.RfcInstallStructure)(
        "ItCreate", f.ItCreate)("ItFill", f.ItFill)("ItGetLine", f.ItGetLine)("ItDelete",
                                                                              f.ItDelete);
    return resolve.Missing();
}

}  // namespace trevalunda
