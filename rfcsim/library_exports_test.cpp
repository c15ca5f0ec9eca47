// The stand-in libraries as the sensor sees them: which functions each exports decides which
// interface the sensor speaks to it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/process.h"

namespace trevalunda::rfcsim {
namespace {

constexpr const char* kClassicFunctions[] = {
    "RfcEnvironment", "RfcOpen",  "RfcOpenEx",    "RfcCall",
    "RfcReceive",     "RfcClose", "RfcLastError", "RfcInstallStructure",
    "ItCreate",       "ItFill",   "ItGetLine",    "ItDelete"};
constexpr const char* kNetWeaverFunctions[] = {
    "RfcSetIniPath",     "RfcOpenConnection",  "RfcCloseConnection", "RfcGetFunctionDesc",
    "RfcCreateFunction", "RfcDestroyFunction", "RfcInvoke",          "RfcGetStructure",
    "RfcGetChars",       "RfcGetTable",        "RfcGetRowCount",     "RfcCancel"};

// A library built beside the test binary.
std::string BuiltLibrary(const char* name) {
    return (std::filesystem::path(platform::ExecutablePath()).parent_path() / name).string();
}

TEST(LibraryExportsTest, EachStandInExportsItsOwnInterfaceOnly) {
    struct Case {
        const char* library;
        bool netWeaver;
    } cases[] = {
        {TREVALUNDA_RFCSIM_FILE, false},
        {TREVALUNDA_RFCSIM_NW_FILE, true},
    };
    for (const Case& c : cases) {
        const platform::LoadedLibrary loaded = platform::LoadSharedLibrary(BuiltLibrary(c.library));
        ASSERT_NE(loaded.library, nullptr) << c.library << ": " << loaded.error;
        for (const char* function : kClassicFunctions) {
            EXPECT_EQ(loaded.library->Resolve(function) != nullptr, !c.netWeaver)
                << c.library << " " << function;
        }
        for (const char* function : kNetWeaverFunctions) {
            EXPECT_EQ(loaded.library->Resolve(function) != nullptr, c.netWeaver)
                << c.library << " " << function;
        }
    }
}

}  // namespace
}  // namespace trevalunda::rfcsim
