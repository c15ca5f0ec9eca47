#include "rfcsim/hang.h"

#include "rfcsim/text.h"

namespace trevalunda::rfcsim {

std::optional<std::chrono::seconds> HangTime(const Faults& faults, std::string_view step) {
    if (faults.hang.empty() || !EqualsIgnoringCase(faults.hang, step)) {
        return std::nullopt;
    }
    return std::chrono::seconds(faults.hangSeconds);
}

}  // namespace trevalunda::rfcsim
