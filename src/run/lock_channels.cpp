#include "run/lock_channels.h"

namespace trevalunda {

ChannelLimits LockChannelLimits(const InstallationSettings& settings) {
    return {settings.lockWarning, settings.lockError};
}

ChannelLimits UnmeasuredChannelLimits() {
    return {std::nullopt, 0};
}

}  // namespace trevalunda
