#include "run/run_deadline.h"

#include <utility>

namespace trevalunda {

RunDeadline::~RunDeadline() {
    Stop();
}

void RunDeadline::Start(std::chrono::steady_clock::time_point deadline,
                        std::function<void()> onExpiry) {
    thread_ = std::thread([this, deadline, action = std::move(onExpiry)] {
        std::unique_lock lock(mutex_);
        if (!stopped_.wait_until(lock, deadline, [this] { return stopping_; })) {
            lock.unlock();
            action();
        }
    });
}

void RunDeadline::Stop() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stopped_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::string DeadlineMessage(int seconds, const std::optional<RfcStep>& step) {
    const std::string within = " within " + std::to_string(seconds) + " s";
    if (step) {
        return "Error 1060: " + step->destination + " did not answer" + within + " (" + step->step +
               ")...";
    }
    return "Error 1060: The run did not end" + within + "...";
}

}  // namespace trevalunda
