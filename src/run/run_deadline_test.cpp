#include "run/run_deadline.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>

#include "platform/output_sink.h"

namespace trevalunda {
namespace {

using std::chrono::steady_clock;

TEST(RunDeadlineTest, ActsWhenTheDeadlinePassesBeforeTheRunEnds) {
    std::promise<void> acted;
    RunDeadline deadline;
    deadline.Start(steady_clock::now() + std::chrono::milliseconds(20),
                   [&acted] { acted.set_value(); });
    EXPECT_EQ(acted.get_future().wait_for(std::chrono::seconds(30)), std::future_status::ready);
}

TEST(RunDeadlineTest, ARunThatEndsInTimeStopsIt) {
    std::atomic<bool> acted = false;
    {
        RunDeadline deadline;
        deadline.Start(steady_clock::now() + std::chrono::hours(1), [&acted] { acted = true; });
        deadline.Stop();
    }
    RunDeadline neverStarted;
    neverStarted.Stop();
    EXPECT_FALSE(acted);
}

TEST(RunDeadlineTest, MessageNamesTheSystemAndTheStep) {
    EXPECT_EQ(DeadlineMessage(50, RfcStep{"PRD", "logon"}),
              "Error 1060: PRD did not answer within 50 s (logon)...");
    EXPECT_EQ(DeadlineMessage(1, RfcStep{"QAS", "S_DB_EXCLUSIVE_LOCK_WAITERS"}),
              "Error 1060: QAS did not answer within 1 s (S_DB_EXCLUSIVE_LOCK_WAITERS)...");
    EXPECT_EQ(DeadlineMessage(3600, std::nullopt),
              "Error 1060: The run did not end within 3600 s...");
}

TEST(SharedOutputTest, TheDeadlineMayNotAnswerOnceTheRunAnswers) {
    platform::StringSink target;
    platform::SharedOutput output(target);
    bool runAnswers = true;
    output.TakeOver(runAnswers);
    EXPECT_FALSE(runAnswers);

    platform::SharedOutput answered(target);
    answered.BeginAnswer();
    answered.TakeOver(runAnswers);
    EXPECT_TRUE(runAnswers);
}

}  // namespace
}  // namespace trevalunda
