#include "rfc/classic/error_report.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/output_sink.h"
#include "support/fake_rfc.h"

namespace trevalunda {
namespace {

TEST(ErrorReportTest, PrintsTheLibrarysLastError) {
    const RfcFunctions functions = testing::FakeRfcFunctions();
    std::strcpy(testing::fakeRfc.lastError.key, "RFC_ERROR_LOGON_FAILURE");
    std::strcpy(testing::fakeRfc.lastError.status, "st");
    std::memset(testing::fakeRfc.lastError.message, 'm', sizeof testing::fakeRfc.lastError.message);
    platform::StringSink out;
    PrintRfcErrorReport(out, functions, "ItCreate EXCLUSIVE_LOCK_WAITERS");
    EXPECT_EQ(out.Text(),
              "RFC error\n"
              "operation/code  : ItCreate EXCLUSIVE_LOCK_WAITERS\n"
              "key             : RFC_ERROR_LOGON_FAILURE\n"
              "status          : st\n"
              "message         : " +
                  std::string(256, 'm') +
                  "\n"
                  "internal status : \n"
                  "\n"
                  "* Programm aborted...\n"
                  "* Error at EoXput-File...\n");
    EXPECT_EQ(testing::fakeRfc.calls, (std::vector<std::string>{"RfcLastError", "RfcClose 0"}));
}

}  // namespace
}  // namespace trevalunda
