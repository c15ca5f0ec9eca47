#include "tool/field_options.h"

#include <algorithm>

#include "tool/wording.h"

namespace trevalunda::tool {
namespace {

bool IsControlCharacter(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 0x20 || code == 0x7F;
}

}  // namespace

const std::vector<FieldOption>& FieldOptions() {
    static const std::vector<FieldOption> kOptions{
        {"--company", "Extcompany.:", "company name (for people only)"},
        {"--destination", "Destination:", "RFC destination"},
        {"--client", "Client.....:", "SAP client"},
        {"--user", "User.......:", "logon user, read upper-cased"},
        {"--language", "Language...:", "logon language"},
        {"--mode", "Mode.......:", "R/2: by gateway only; else R/3"},
        {"--host", "Hostname...:", "application server host"},
        {"--system-number", "Sysnr......:", "system number"},
        {"--gateway-host", "Gwhost.....:", "gateway host"},
        {"--gateway-service", "Gwservice..:", "gateway service"},
    };
    return kOptions;
}

std::size_t LongestValue(const ProfileField& field) {
    return std::min(field.capacity, kValueLimit);
}

std::optional<std::string> ValueProblem(const ProfileField& field, std::string_view value) {
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (IsControlCharacter(value[i])) {
            return "holds a control character (character " + std::to_string(i + 1) +
                   "), which would break its line";
        }
    }
    if (value.size() < field.minimum) {
        return "has " + Characters(value.size()) + "; the sensor needs at least " +
               std::to_string(field.minimum);
    }
    if (value.size() > LongestValue(field)) {
        return "has " + Characters(value.size()) + "; the sensor takes at most " +
               std::to_string(LongestValue(field));
    }
    return std::nullopt;
}

}  // namespace trevalunda::tool
