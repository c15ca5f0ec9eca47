#include "tool/profile_writer.h"

namespace trevalunda::tool {

std::string ProfileText(const SystemProfile& values, std::string_view storedPassword) {
    std::string text;
    for (const ProfileField& field : ProfileFields()) {
        const std::string_view value = field.member == &SystemProfile::Password
                                           ? storedPassword
                                           : std::string_view(values.*field.member);
        text.append(field.label).append(" ").append(value).append("\r\n");
    }
    return text;
}

}  // namespace trevalunda::tool
