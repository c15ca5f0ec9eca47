// The installation settings file: accepted settings hold a library name without zero bytes or
// line ends, and a refused file's message gives an error document that parses.

#include "config/installation_settings.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trevalunda;
    const Result<InstallationSettings> read =
        ParseInstallationSettings(fuzz::AsText(data, size), "trevalunda.ini");
    if (!read.ok()) {
        fuzz::Require(read.fatal().message.starts_with("Error 104"), "settings messages",
                      read.fatal().message);
        fuzz::RequireErrorDocumentParses(read.fatal().message);
        return 0;
    }
    const std::string& library = read.value().rfcLibrary;
    fuzz::Require(library.find_first_of(std::string("\0\n", 2)) == std::string::npos,
                  "a library name on one line without zero bytes", library);
    return 0;
}
