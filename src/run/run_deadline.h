#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "measure/rfc_step.h"

namespace trevalunda {

// A thread beside the run that waits for the run's deadline. When the deadline passes before
// the run has stopped it, the thread calls the expiry action, which answers in the run's
// place and ends the process: the run may be waiting inside a library call that never
// returns.
class RunDeadline {
  public:
    RunDeadline() = default;
    ~RunDeadline();
    RunDeadline(const RunDeadline&) = delete;
    RunDeadline& operator=(const RunDeadline&) = delete;

    void Start(std::chrono::steady_clock::time_point deadline, std::function<void()> onExpiry);
    // The run has ended: the thread ends without acting (unless it is acting already).
    void Stop();

  private:
    std::mutex mutex_;
    std::condition_variable stopped_;
    bool stopping_ = false;
    std::thread thread_;
};

// The message of a run that did not end in time: it names the system and the remote step
// that did not answer, when one was under way.
std::string DeadlineMessage(int seconds, const std::optional<RfcStep>& step);

}  // namespace trevalunda
