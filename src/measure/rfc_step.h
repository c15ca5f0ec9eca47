#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace trevalunda {

// A remote step of the RFC library that the run waits for.
struct RfcStep {
    std::string destination;
    std::string step;  // "logon", "RFC_SYSTEM_INFO" or "S_DB_EXCLUSIVE_LOCK_WAITERS"
};

// The remote step under way, kept by the measuring path and read by the run's deadline from
// another thread, so that a system that does not answer can be named with the step it hangs
// in.
class RfcStepTracker {
  public:
    void Enter(std::string_view destination, std::string_view step) {
        const std::lock_guard lock(mutex_);
        current_ = RfcStep{std::string(destination), std::string(step)};
    }
    void Leave() {
        const std::lock_guard lock(mutex_);
        current_.reset();
    }
    std::optional<RfcStep> Current() const {
        const std::lock_guard lock(mutex_);
        return current_;
    }

  private:
    mutable std::mutex mutex_;
    std::optional<RfcStep> current_;
};

}  // namespace trevalunda
