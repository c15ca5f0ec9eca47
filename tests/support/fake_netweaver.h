#pragma once

#include <map>
#include <string>
#include <vector>

#include "base/unicode.h"
#include "netweaver_rfc_api.h"
#include "rfc/netweaver/netweaver_functions.h"

namespace trevalunda::testing {

// A scripted NetWeaver RFC library for unit tests: plain C functions over one shared state,
// which each test resets. It records the calls and answers as the test says.
struct FakeNetWeaverState {
    std::vector<std::string> calls;
    std::map<std::string, std::string> logonParameters;
    std::string iniPath;
    // How the library answers: the step named here fails with this error info.
    std::string failingStep;  // "open", "desc", "create", "invoke", "structure", "chars", ...
    int failureCode = 0;
    std::u16string failureKey;
    std::u16string failureMessage;
    std::map<std::string, std::u16string> chars{{"RFCDBSYS", u"ORACLE    "},
                                                {"RFCHOST", u"hprd    "}};
    unsigned rows = 4;
    int liveFunctions = 0;
};

inline FakeNetWeaverState fakeNetWeaver;

inline std::string Narrow(const char16_t* text) {
    return text != nullptr ? TextFromUtf16(text) : "(null)";
}

// Fills the error info when the step is the one that fails; true then.
inline bool FailsAt(const char* step, NwRfcErrorInfo* info) {
    *info = NwRfcErrorInfo{};
    if (fakeNetWeaver.failingStep != step) {
        return false;
    }
    info->code = fakeNetWeaver.failureCode;
    fakeNetWeaver.failureKey.copy(info->key, 127);
    fakeNetWeaver.failureMessage.copy(info->message, 511);
    return true;
}

inline int kFakeConnection = 0;
inline int kFakeDescription = 0;
inline int kFakeFunction = 0;
inline int kFakeContainer = 0;

extern "C" {
inline NwRfcConnectionHandle FakeOpenConnection(const NwRfcConnectionParameter* parameters,
                                                unsigned count, NwRfcErrorInfo* info) {
    fakeNetWeaver.calls.push_back("RfcOpenConnection");
    for (unsigned i = 0; i < count; ++i) {
        fakeNetWeaver.logonParameters[Narrow(parameters[i].name)] = Narrow(parameters[i].value);
    }
    return FailsAt("open", info) ? nullptr
                                 : reinterpret_cast<NwRfcConnectionHandle>(&kFakeConnection);
}
inline NwRfcReturnCode FakeCloseConnection(NwRfcConnectionHandle, NwRfcErrorInfo*) {
    fakeNetWeaver.calls.push_back("RfcCloseConnection");
    return 0;
}
inline NwRfcFunctionDescHandle FakeGetFunctionDesc(NwRfcConnectionHandle, const char16_t* name,
                                                   NwRfcErrorInfo* info) {
    fakeNetWeaver.calls.push_back("RfcGetFunctionDesc " + Narrow(name));
    return FailsAt("desc", info) ? nullptr
                                 : reinterpret_cast<NwRfcFunctionDescHandle>(&kFakeDescription);
}
inline NwRfcFunctionHandle FakeCreateFunction(NwRfcFunctionDescHandle, NwRfcErrorInfo* info) {
    if (FailsAt("create", info)) {
        return nullptr;
    }
    ++fakeNetWeaver.liveFunctions;
    return reinterpret_cast<NwRfcFunctionHandle>(&kFakeFunction);
}
inline NwRfcReturnCode FakeDestroyFunction(NwRfcFunctionHandle, NwRfcErrorInfo*) {
    --fakeNetWeaver.liveFunctions;
    return 0;
}
inline NwRfcReturnCode FakeInvoke(NwRfcConnectionHandle, NwRfcFunctionHandle,
                                  NwRfcErrorInfo* info) {
    fakeNetWeaver.calls.push_back("RfcInvoke");
    return FailsAt("invoke", info) ? info->code : 0;
}
inline NwRfcReturnCode FakeGetStructure(NwRfcDataContainer, const char16_t* name,
                                        NwRfcStructureHandle* structure, NwRfcErrorInfo* info) {
    fakeNetWeaver.calls.push_back("RfcGetStructure " + Narrow(name));
    *structure = &kFakeContainer;
    return FailsAt("structure", info) ? info->code : 0;
}
inline NwRfcReturnCode FakeGetChars(NwRfcDataContainer, const char16_t* field, char16_t* buffer,
                                    unsigned length, NwRfcErrorInfo* info) {
    fakeNetWeaver.calls.push_back("RfcGetChars " + Narrow(field) + " " + std::to_string(length));
    if (FailsAt("chars", info)) {
        return info->code;
    }
    fakeNetWeaver.chars[Narrow(field)].copy(buffer, length);
    return 0;
}
inline NwRfcReturnCode FakeGetTable(NwRfcDataContainer, const char16_t* name,
                                    NwRfcTableHandle* table, NwRfcErrorInfo* info) {
    fakeNetWeaver.calls.push_back("RfcGetTable " + Narrow(name));
    *table = &kFakeContainer;
    return FailsAt("table", info) ? info->code : 0;
}
inline NwRfcReturnCode FakeGetRowCount(NwRfcTableHandle, unsigned* count, NwRfcErrorInfo* info) {
    if (FailsAt("rows", info)) {
        return info->code;
    }
    *count = fakeNetWeaver.rows;
    return 0;
}
inline NwRfcReturnCode FakeSetIniPath(const char16_t* folder, NwRfcErrorInfo*) {
    fakeNetWeaver.calls.push_back("RfcSetIniPath");
    fakeNetWeaver.iniPath = Narrow(folder);
    return 0;
}
}

inline NwRfcFunctions FakeNetWeaverFunctions() {
    fakeNetWeaver = FakeNetWeaverState{};
    return {FakeOpenConnection,  FakeCloseConnection, FakeGetFunctionDesc, FakeCreateFunction,
            FakeDestroyFunction, FakeInvoke,          FakeGetStructure,    FakeGetChars,
            FakeGetTable,        FakeGetRowCount,     FakeSetIniPath};
}

}  // namespace trevalunda::testing
