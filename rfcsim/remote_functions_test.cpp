#include "rfcsim/remote_functions.h"

#include <gtest/gtest.h>

#include <cstring>

#include "rfcsim/test_support/caller_records.h"

namespace trevalunda::rfcsim {
namespace {

SapSystem TestSystem() {
    return ParseLandscape(
               "[PRD]\nDestination=PRDDEST\nHostName=sapprd01xyz\nDatabaseSystem=ORACLE\n")
        .systems.at(0);
}

std::string Text(const char* record, std::size_t position, std::size_t length) {
    return std::string(record + position, length);
}

std::int32_t Integer(const char* record, std::size_t position) {
    std::int32_t value = 0;
    std::memcpy(&value, record + position, sizeof value);
    return value;
}

TEST(RemoteFunctionsTest, SystemInfoRecordHoldsTheSystemsIdentity) {
    const auto record = SystemInfoRecord(TestSystem());
    struct Case {
        const char* field;
        std::size_t position;
        std::size_t length;
        std::string value;
    } cases[] = {
        {"RFCDEST", 13, 32, "PRDDEST" + std::string(25, ' ')},
        {"RFCHOST", 45, 8, "sapprd01"},
        {"RFCSYSID", 53, 8, "PRD     "},
        {"RFCDBSYS", 101, 10, "ORACLE    "},
        {"RFCSI_RESV", 156, 44, std::string(44, ' ')},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Text(record.data(), c.position, c.length), c.value) << c.field;
    }
    EXPECT_EQ(std::memchr(record.data(), '\0', record.size()), nullptr) << "no zero bytes";
}

TEST(RemoteFunctionsTest, DestinationFallsBackToTheSectionName) {
    const auto record = SystemInfoRecord(ParseLandscape("[QAS]\n").systems.at(0));
    EXPECT_EQ(Text(record.data(), 13, 4), "QAS ");
}

TEST(RemoteFunctionsTest, FillsEveryImportingField) {
    testing::SystemInfoReceiver receiver(101);
    FillSystemInfo(TestSystem(), receiver.entries.data());
    EXPECT_EQ(receiver.currentResources, 3);
    EXPECT_EQ(receiver.maximalResources, 10);
    EXPECT_EQ(receiver.recommendedDelay, 0);
    EXPECT_EQ(receiver.dialogUserType, ' ');
    EXPECT_EQ(receiver.loginComplete, 'X');
    EXPECT_EQ(receiver.Field(101, 10), "ORACLE");
}

TEST(RemoteFunctionsTest, LockWaiterLineHasItsFieldsInPlace) {
    const auto line = LockWaiterLine(TestSystem(), 2);
    EXPECT_EQ(Text(line.data(), 0, 11), "SAPSR3.NRIV") << "OBJ_NAME";
    EXPECT_EQ(Integer(line.data(), 84), 202) << "HOLDER_SID";
    EXPECT_EQ(Text(line.data(), 88, 8), "sapprd01") << "H_HOSTNAME";
    EXPECT_EQ(Integer(line.data(), 124), 302) << "WAITER_SID";
    std::int16_t level = 0;
    std::memcpy(&level, line.data() + 172, sizeof level);
    EXPECT_EQ(level, 6) << "LOCK_LEVEL";
    EXPECT_EQ(Text(line.data(), 174, 23), "simulated lock waiter 2") << "ADD_INFO";
    EXPECT_EQ(Text(line.data(), 274, 2), std::string(2, '\0')) << "padding";
}

TEST(RemoteFunctionsTest, FaultCodesBelongToTheirFunction) {
    Faults faults;
    faults.systemInfoCallCode = 1;
    faults.systemInfoReceiveCode = 2;
    faults.lockWaitersCallCode = 3;
    faults.lockWaitersReceiveCode = 4;
    EXPECT_EQ(CallCode(faults, RemoteFunction::SystemInfo), 1);
    EXPECT_EQ(ReceiveCode(faults, RemoteFunction::SystemInfo), 2);
    EXPECT_EQ(CallCode(faults, RemoteFunction::LockWaiters), 3);
    EXPECT_EQ(ReceiveCode(faults, RemoteFunction::LockWaiters), 4);
    EXPECT_EQ(FindRemoteFunction("S_DB_EXCLUSIVE_LOCK_WAITERS"), RemoteFunction::LockWaiters);
    EXPECT_EQ(FindRemoteFunction("rfc_system_info"), std::nullopt);
}

}  // namespace
}  // namespace trevalunda::rfcsim
