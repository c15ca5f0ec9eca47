#pragma once

#include <chrono>
#include <optional>
#include <string_view>

#include "rfcsim/landscape.h"

namespace trevalunda::rfcsim {

// The steps a system can be told to hang at (Hang=<step>), besides the two function names.
inline constexpr std::string_view kHangAtLogon = "logon";
inline constexpr std::string_view kHangAtClose = "close";

// How long the step waits on a system with these faults; nullopt when it does not wait. The
// step compares in any letter case.
std::optional<std::chrono::seconds> HangTime(const Faults& faults, std::string_view step);

}  // namespace trevalunda::rfcsim
