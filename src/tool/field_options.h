#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/system_profile.h"

namespace trevalunda::tool {

// An option of the new command and the profile field that it fills.
struct FieldOption {
    std::string_view name;     // as typed: "--client"
    std::string_view label;    // the field's label: "Client.....:"
    std::string_view meaning;  // for the help text
};

// One option for every field but the password, in the order of the profile's lines.
const std::vector<FieldOption>& FieldOptions();

// The most characters a value may have: the field's capacity, and never more than the
// sensor takes from a line.
std::size_t LongestValue(const ProfileField& field);

// Why the sensor would refuse or cut the value in that field, or nothing when it takes it as
// it is. A value holds no control characters, which would break or end its line.
std::optional<std::string> ValueProblem(const ProfileField& field, std::string_view value);

}  // namespace trevalunda::tool
