#include "measure/lock_waiters.h"

#include <gtest/gtest.h>

#include "measure/system_identity.h"
#include "output/result_document.h"

namespace trevalunda {
namespace {

TEST(LockResultTest, TextIsGroupedChannelIsNot) {
    struct Case {
        std::uint32_t count;
        std::string text;
        std::string value;
    } cases[] = {{0, "No_of_Locks=0 ", "0"},
                 {999, "No_of_Locks=999 ", "999"},
                 {1000, "No_of_Locks=1.000 ", "1000"},
                 {1234567, "No_of_Locks=1.234.567 ", "1234567"}};
    for (const Case& c : cases) {
        ResultDocument document;
        WriteLockResult(document, "C11", c.count);
        EXPECT_EQ(document.Text(),
                  "\n<Prtg>\n\n<Text>(C11) Oracle-Locks: " + c.text +
                      "</Text>\n\n<Result><Channel>No_of_Locks</Channel>\n<Value>" + c.value +
                      "</Value></Result>\n\n</Prtg>\n");
    }
}

TEST(SystemIdentityTest, OnlyOracleIsMeasured) {
    for (const char* name : {"ORACLE", "ORA"}) {
        EXPECT_TRUE(RunsOnOracle(name)) << name;
    }
    for (const char* name : {"ora", "MSSQL", "DB6", "OR", ""}) {
        EXPECT_FALSE(RunsOnOracle(name)) << name;
    }
}

}  // namespace
}  // namespace trevalunda
