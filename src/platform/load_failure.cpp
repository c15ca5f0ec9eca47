#include "platform/process.h"

namespace trevalunda::platform {

std::string LoadFailureInWords(const LoadedLibrary& loaded) {
    switch (loaded.fault) {
        case LibraryFault::None:
            return "loaded";
        case LibraryFault::NotFound:
            return "not found";
        case LibraryFault::Unreadable:
            return "cannot be read";
        case LibraryFault::NotALibrary:
            return "not a library";
        case LibraryFault::Incomplete:
            return "not a complete library";
        case LibraryFault::ThirtyTwoBit:
            return "a 32-bit library; the sensor needs a 64-bit one";
        case LibraryFault::OtherMachine:
            return "a library for another machine type";
        case LibraryFault::OtherSystem:
            return "a library for another operating system";
        case LibraryFault::MissingDependency:
            return loaded.error.empty() ? "a library it needs is missing"
                                        : "needs " + loaded.error + ", which is missing";
        case LibraryFault::Refused:
            break;
    }
    return loaded.error.empty() ? "refused by the system" : loaded.error;
}

}  // namespace trevalunda::platform
