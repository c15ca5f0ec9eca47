#include "tool/profile_writer.h"

namespace trevalunda::tool {
namespace {

std::string TextOf(const SystemProfile& values, const std::string_view* storedPassword) {
    std::string text;
    for (const ProfileField& field : ProfileFields()) {
        const bool credential =
            field.member == &SystemProfile::User || field.member == &SystemProfile::Password;
        if (credential && storedPassword == nullptr) {
            continue;
        }
        const std::string_view value = field.member == &SystemProfile::Password
                                           ? *storedPassword
                                           : std::string_view(values.*field.member);
        text.append(field.label).append(" ").append(value).append("\r\n");
    }
    return text;
}

}  // namespace

std::string ProfileText(const SystemProfile& values, std::string_view storedPassword) {
    return TextOf(values, &storedPassword);
}

std::string ProfileTextWithoutCredentials(const SystemProfile& values) {
    return TextOf(values, nullptr);
}

}  // namespace trevalunda::tool
