#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "classic_rfc_api.h"
#include "rfc/classic/classic_functions.h"

namespace trevalunda::testing {

// A scripted RFC library for unit tests: plain C functions over one shared state, which each
// test resets. It records what the sensor passed and answers as the test says.
struct FakeRfcState {
    // What the calls received.
    std::vector<std::string> calls;
    RfcOpenOptions openOptions{};
    RfcR2Options r2Options{};
    RfcR3Options r3Options{};
    std::string user;
    std::string password;
    std::string connectString;
    std::vector<std::string> installedStructures;
    // How the library answers.
    RfcHandle handle = 7;
    int callCode = 0;
    int receiveCode = 0;
    const char* exception = nullptr;
    std::uint32_t lines = 0;
    std::uint32_t failingLine = 0;  // ItGetLine of this line gives nothing
    bool itCreateFails = false;
    int itDeleteResult = 0;
    int installResult = 0;
    RfcErrorRecord lastError{};
    std::vector<char> tableLine = std::vector<char>(kLockWaiterLineLength);
    std::string systemInformation;  // the RFCSI record RFC_SYSTEM_INFO hands back
};

inline FakeRfcState fakeRfc;

inline std::string Text(const char* text) {
    return text != nullptr ? text : "(null)";
}

extern "C" {
inline void FakeRfcEnvironment(RfcEnvironmentRecord*) {
    fakeRfc.calls.push_back("RfcEnvironment");
}
inline RfcHandle FakeRfcOpen(RfcOpenOptions* options) {
    fakeRfc.calls.push_back("RfcOpen");
    fakeRfc.openOptions = *options;
    fakeRfc.user = Text(options->user);
    fakeRfc.password = Text(options->password);
    if (options->mode == kRfcModeR2) {
        fakeRfc.r2Options = *static_cast<RfcR2Options*>(options->connectionOptions);
    } else {
        fakeRfc.r3Options = *static_cast<RfcR3Options*>(options->connectionOptions);
    }
    return fakeRfc.handle;
}
inline RfcHandle FakeRfcOpenEx(char* connect, void*) {
    fakeRfc.calls.push_back("RfcOpenEx");
    fakeRfc.connectString = connect;
    return fakeRfc.handle;
}
inline int FakeRfcCall(RfcHandle, char* function, RfcParameterEntry*, RfcTableEntry*) {
    fakeRfc.calls.push_back(std::string("RfcCall ") + function);
    return fakeRfc.callCode;
}
inline int FakeRfcReceive(RfcHandle, RfcParameterEntry* importing, RfcTableEntry*,
                          char** exception) {
    fakeRfc.calls.push_back("RfcReceive");
    for (RfcParameterEntry* entry = importing; entry->name != nullptr; ++entry) {
        if (std::string(entry->name) == "RFCSI_EXPORT") {
            std::memcpy(entry->value, fakeRfc.systemInformation.data(),
                        std::min<std::size_t>(entry->length, fakeRfc.systemInformation.size()));
        }
    }
    *exception = const_cast<char*>(fakeRfc.exception);
    return fakeRfc.receiveCode;
}
inline void FakeRfcClose(RfcHandle handle) {
    fakeRfc.calls.push_back("RfcClose " + std::to_string(handle));
}
inline int FakeRfcLastError(RfcErrorRecord* record) {
    fakeRfc.calls.push_back("RfcLastError");
    *record = fakeRfc.lastError;
    return 0;
}
inline int FakeRfcInstallStructure(char* name, RfcElementRow*, std::uint32_t count,
                                   std::uint32_t* handle) {
    fakeRfc.installedStructures.push_back(std::string(name) + "/" + std::to_string(count));
    *handle = 100 + static_cast<std::uint32_t>(fakeRfc.installedStructures.size());
    return fakeRfc.installResult;
}
inline void* FakeItCreate(char*, std::uint32_t, std::uint32_t, std::uint32_t) {
    fakeRfc.calls.push_back("ItCreate");
    return fakeRfc.itCreateFails ? nullptr : &fakeRfc.tableLine;
}
inline std::uint32_t FakeItFill(void*) {
    return fakeRfc.lines;
}
inline void* FakeItGetLine(void*, std::uint32_t line) {
    return line == fakeRfc.failingLine ? nullptr : fakeRfc.tableLine.data();
}
inline int FakeItDelete(void*) {
    fakeRfc.calls.push_back("ItDelete");
    return fakeRfc.itDeleteResult;
}
}

inline RfcFunctions FakeRfcFunctions() {
    fakeRfc = FakeRfcState{};
    return {FakeRfcEnvironment, FakeRfcOpen,  FakeRfcOpenEx,    FakeRfcCall,
            FakeRfcReceive,     FakeRfcClose, FakeRfcLastError, FakeRfcInstallStructure,
            FakeItCreate,       FakeItFill,   FakeItGetLine,    FakeItDelete};
}

}  // namespace trevalunda::testing
