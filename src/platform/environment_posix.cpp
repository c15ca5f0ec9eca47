#include <cstdlib>

#include "platform/environment.h"

namespace trevalunda::platform {

std::optional<std::string> EnvironmentVariable(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

}  // namespace trevalunda::platform
