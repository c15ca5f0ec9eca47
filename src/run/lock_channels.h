#pragma once

#include "config/installation_settings.h"
#include "output/channel_limits.h"

namespace trevalunda {

// The limits that the installation sets for every lock-count channel: the single-system run's
// "No_of_Locks" and each system's channel of a multi-system run of the lock item.
ChannelLimits LockChannelLimits(const InstallationSettings& settings);

// The limit of the summary channel "Unmeasured": an error as soon as one listed system got no
// value.
ChannelLimits UnmeasuredChannelLimits();

}  // namespace trevalunda
