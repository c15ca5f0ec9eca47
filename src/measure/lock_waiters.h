#pragma once

#include <cstdint>
#include <string_view>

#include "output/channel_limits.h"

namespace trevalunda {

class ResultDocument;

// The result of a single-system run: the count as text, grouped by thousands, and as the
// channel "No_of_Locks" with the installation's limits of the lock channels.
void WriteLockResult(ResultDocument& document, std::string_view destination, std::uint32_t count,
                     const ChannelLimits& limits = {});

}  // namespace trevalunda
