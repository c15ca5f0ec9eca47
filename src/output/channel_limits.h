#pragma once

#include <cstdint>
#include <optional>

namespace trevalunda {

// The limits of a channel that PRTG takes when it creates the channel: above the warning
// limit the channel shows a warning, above the error limit an error. The XML form writes the
// limits that are set; the message and line forms have no place for them.
struct ChannelLimits {
    std::optional<std::uint32_t> maxWarning;
    std::optional<std::uint32_t> maxError;

    bool Any() const { return maxWarning.has_value() || maxError.has_value(); }
};

}  // namespace trevalunda
