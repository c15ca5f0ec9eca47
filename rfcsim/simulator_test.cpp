#include "rfcsim/simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "rfcsim/test_support/session.h"

namespace trevalunda::rfcsim {
namespace {

using testing::HandlerCalls;
using testing::kSapRfcIni;
using testing::OpenRequest;
using testing::Session;
using testing::SystemInfoReceiver;

using Opener = std::function<RfcHandle(Session&)>;

OpenRequest Changed(const std::function<void(OpenRequest&)>& change) {
    OpenRequest request;
    change(request);
    return request;
}

Opener OpenWith(const std::function<void(OpenRequest&)>& change) {
    return [change](Session& t) { return t.Open(Changed(change)); };
}

Opener OpenExWith(std::string connectString) {
    return [connectString](Session& t) { return t.OpenEx(connectString); };
}

TEST(SimulatorTest, JournalOfAWholeRun) {
    Session t;
    t.Start();
    const RfcHandle handle = t.Open(Changed([](auto& r) { r.gatewayHost = "gwprd"; }));
    SystemInfoReceiver receiver(t.Install(testing::SystemInfoDescription()));
    ASSERT_EQ(t.SystemInfo(handle, receiver), 0);
    t.lockWaiterType = t.Install(testing::LockWaiterDescription());
    void* table = t.CreateTable();
    ASSERT_EQ(t.LockWaiters(handle, table), 0);
    for (std::uint32_t line = 1; t.sim.ItFill(table) >= line; ++line) {
        EXPECT_NE(t.sim.ItGetLine(table, line), nullptr) << "line " << line;
    }
    EXPECT_EQ(t.sim.ItDelete(table), 0);
    t.sim.RfcClose(handle);
    RfcErrorRecord error{};
    t.sim.RfcLastError(&error);
    t.sim.RfcClose(0);

    EXPECT_EQ(t.Journal(),
              (std::vector<std::string>{
                  "RfcEnvironment handler=set allocator=null",
                  "RfcOpen destination=\"PRD\" mode=0 client=\"100\" user=\"MONITOR     \" "
                  "password=\"******    \" language=\"E\" trace=0 host=\"sapprd\" sysnr=0 "
                  "gwhost=\"gwprd\" gwservice=null -> 1",
                  "RfcInstallStructure \"RFCSI\" rows=18 -> 101",
                  "RfcCall 1 \"RFC_SYSTEM_INFO\" -> 0",
                  "RfcReceive 1 \"RFC_SYSTEM_INFO\" -> 0",
                  "RfcInstallStructure \"EXCLLCKWTS\" rows=11 -> 102",
                  "ItCreate \"EXCLUSIVE_LOCK_WAITERS\" 276",
                  "RfcCall 1 \"S_DB_EXCLUSIVE_LOCK_WAITERS\" -> 0",
                  "RfcReceive 1 \"S_DB_EXCLUSIVE_LOCK_WAITERS\" -> 0",
                  "ItFill -> 3",
                  "ItGetLine 1",
                  "ItFill -> 3",
                  "ItGetLine 2",
                  "ItFill -> 3",
                  "ItGetLine 3",
                  "ItFill -> 3",
                  "ItDelete -> 0",
                  "RfcClose 1",
                  "RfcLastError",
                  "RfcClose 0",
              }));
    EXPECT_FALSE(t.folder.Read("Dev_Rfc.Trc").has_value()) << "nothing traced on success";
}

TEST(SimulatorTest, SystemInfoDescribesTheReachedSystem) {
    Session t;
    t.Start();
    SystemInfoReceiver receiver(t.Install(testing::SystemInfoDescription()));
    ASSERT_EQ(t.SystemInfo(t.Open(), receiver), 0);
    EXPECT_EQ(receiver.Field(101, 10), "ORACLE") << "RFCDBSYS";
    EXPECT_EQ(receiver.Field(45, 8), "sapprd01") << "RFCHOST";
    EXPECT_EQ(receiver.Field(53, 8), "PRD") << "RFCSYSID";
    EXPECT_EQ(receiver.Field(13, 32), "PRD") << "RFCDEST";
    EXPECT_EQ(receiver.currentResources, 3);
    EXPECT_EQ(receiver.loginComplete, 'X');
}

TEST(SimulatorTest, EveryWayOfLogonReachesItsSystem) {
    struct Case {
        const char* name;
        Opener open;
        const char* system;
    } cases[] = {
        {"R/3 by host", OpenWith([](auto&) {}), "PRD"},
        {"R/3 by host in other case", OpenWith([](auto& r) { r.host = "SAPPRD"; }), "PRD"},
        {"R/3 by destination", OpenWith([](auto& r) {
             r.host = nullptr;
             r.destination = "prd";
         }),
         "PRD"},
        {"R/2 by gateway", OpenWith([](auto& r) {
             r.mode = kRfcModeR2;
             r.gatewayHost = "gw";
             r.gatewayService = "sapgw00";
         }),
         "R2S"},
        {"R/2 by destination", OpenWith([](auto& r) {
             r.mode = kRfcModeR2;
             r.destination = "R2SYS";
         }),
         "R2S"},
        {"SapRfc.ini", OpenExWith("CLIENT=100 USER=MONITOR PASSWD=se cret LANG=D DEST=C11"), "C11"},
    };
    for (const Case& c : cases) {
        Session t;
        t.folder.Write("SapRfc.ini", kSapRfcIni);
        t.Start();
        const RfcHandle handle = c.open(t);
        ASSERT_EQ(handle, 1u) << c.name;
        EXPECT_EQ(t.SystemOf(handle), c.system) << c.name;
        EXPECT_FALSE(t.folder.Read("Dev_Rfc.Trc").has_value()) << c.name;
    }
}

TEST(SimulatorTest, FailedLogonsReturnNoHandleAndTraceTheirReason) {
    struct Case {
        const char* name;
        bool withLandscape;
        bool withSapRfcIni;
        Opener open;
        const char* reason;
    } cases[] = {
        {"no rfcsim.ini", false, false, OpenWith([](auto&) {}), "no landscape"},
        {"unknown host", true, false, OpenWith([](auto& r) { r.host = "other"; }),
         "partner not reached (host other, system number 0)"},
        {"other system number", true, false, OpenWith([](auto& r) { r.systemNumber = 1; }),
         "partner not reached (host sapprd, system number 1)"},
        {"unknown destination", true, false, OpenWith([](auto& r) {
             r.host = nullptr;
             r.destination = "XYZ";
         }),
         "partner not reached (destination XYZ)"},
        {"unknown gateway", true, false, OpenWith([](auto& r) {
             r.mode = kRfcModeR2;
             r.gatewayHost = "gw";
             r.gatewayService = "sapgw01";
         }),
         "partner not reached (gateway gw, service sapgw01)"},
        {"wrong client", true, false, OpenWith([](auto& r) { r.client = "200"; }),
         "Client 200 is not available in this system"},
        {"wrong user", true, false, OpenWith([](auto& r) { r.user = "GUEST       "; }),
         "Name or password is incorrect"},
        {"wrong password", true, false, OpenWith([](auto& r) { r.password = "Secret    "; }),
         "Name or password is incorrect"},
        {"no SapRfc.ini", true, false,
         OpenExWith("CLIENT=100 USER=MONITOR PASSWD=se cret LANG=D DEST=C11"),
         "SapRfc.ini not found (destination C11)"},
        {"wrong password through SapRfc.ini", true, true,
         OpenExWith("CLIENT=100 USER=MONITOR PASSWD=secret LANG=D DEST=C11"),
         "Name or password is incorrect"},
    };
    for (const Case& c : cases) {
        Session t;
        if (c.withLandscape) {
            t.Start();
        }
        if (c.withSapRfcIni) {
            t.folder.Write("SapRfc.ini", kSapRfcIni);
        }
        EXPECT_EQ(c.open(t), 0u) << c.name;
        const std::vector<std::string> trace = t.Trace();
        ASSERT_EQ(trace.size(), 2u) << c.name;
        EXPECT_TRUE(trace[0].starts_with("**** ERROR file opened at ")) << c.name;
        EXPECT_TRUE(trace[0].ends_with(", rfcsim")) << c.name;
        EXPECT_EQ(trace[1], "ERROR       " + std::string(c.reason)) << c.name;
        EXPECT_TRUE(t.Journal().back().ends_with(" -> 0")) << c.name;
    }
}

TEST(SimulatorTest, HandlesCountUpOverSuccessfulLogons) {
    Session t;
    t.Start();
    EXPECT_EQ(t.Open(), 1u);
    EXPECT_EQ(t.Open(Changed([](auto& r) { r.client = "999"; })), 0u) << "failed logon";
    t.sim.RfcClose(1);
    EXPECT_EQ(t.Open(), 2u) << "numbers are not reused";
    EXPECT_EQ(t.Open(), 3u) << "several connections at once";
}

TEST(SimulatorTest, OpenExJournalMasksThePassword) {
    Session t;
    t.folder.Write("SapRfc.ini", kSapRfcIni);
    t.Start();
    EXPECT_EQ(t.OpenEx("CLIENT=100 USER=MONITOR PASSWD=se cret LANG=D DEST=C11"), 1u);
    EXPECT_EQ(t.Journal().back(),
              "RfcOpenEx \"CLIENT=100 USER=MONITOR PASSWD=** **** LANG=D DEST=C11\" -> 1");
}

TEST(SimulatorTest, CallFaultsGiveTheirCodes) {
    struct Case {
        const char* keys;
        bool lockWaiters;
        int code;
        const char* reason;
        const char* exception;
    } cases[] = {
        {"SystemInfoCallCode=1", false, 1, "RFC_SYSTEM_INFO failed with code 1", nullptr},
        {"SystemInfoReceiveCode=3\nException=BOOM", false, 3, "RFC_SYSTEM_INFO failed with code 3",
         "BOOM"},
        {"LockWaitersCallCode=7", true, 7, "S_DB_EXCLUSIVE_LOCK_WAITERS failed with code 7",
         nullptr},
        {"LockWaitersReceiveCode=2\nException=NOT_FOUND", true, 2,
         "S_DB_EXCLUSIVE_LOCK_WAITERS failed with code 2", "NOT_FOUND"},
        {"LockWaitersReceiveCode=1\nException=UNUSED", true, 1,
         "S_DB_EXCLUSIVE_LOCK_WAITERS failed with code 1", nullptr},
    };
    for (const Case& c : cases) {
        Session t;
        t.Start(c.keys);
        const RfcHandle handle = t.Open();
        SystemInfoReceiver receiver(t.Install(testing::SystemInfoDescription()));
        int code = t.SystemInfo(handle, receiver);
        if (c.lockWaiters) {
            ASSERT_EQ(code, 0) << c.keys;
            t.lockWaiterType = t.Install(testing::LockWaiterDescription());
            code = t.LockWaiters(handle, t.CreateTable());
        }
        EXPECT_EQ(code, c.code) << c.keys;
        EXPECT_EQ(t.TraceReasons(), std::vector<std::string>{c.reason}) << c.keys;
        if (c.exception != nullptr) {
            ASSERT_NE(t.exception, nullptr) << c.keys;
            EXPECT_STREQ(t.exception, c.exception) << c.keys;
        } else {
            EXPECT_EQ(t.exception, nullptr) << c.keys;
        }
    }
}

TEST(SimulatorTest, TraceLinesReplaceTheDefaultLines) {
    struct Case {
        const char* name;
        const char* keys;
        Opener open;
    } cases[] = {
        {"failed call", "SystemInfoCallCode=1", OpenWith([](auto&) {})},
        {"failed logon", "", OpenWith([](auto& r) { r.password = "wrong     "; })},
    };
    for (const Case& c : cases) {
        Session t;
        t.Start(std::string(c.keys) + "\nTraceLine=**** ERROR first\nTraceLine=T:0001 ======> abc");
        const RfcHandle handle = c.open(t);
        if (handle != 0) {
            SystemInfoReceiver receiver(t.Install(testing::SystemInfoDescription()));
            t.SystemInfo(handle, receiver);
        }
        EXPECT_EQ(t.Trace(), (std::vector<std::string>{"**** ERROR first", "T:0001 ======> abc"}))
            << c.name;
    }
}

TEST(SimulatorTest, HandlerErrorsGoToTheRegisteredHandler) {
    struct Case {
        const char* handlerError;
        const char* operation;
        const char* journalLine;
    } cases[] = {
        {"RfcOpen", "RfcOpen", "RfcOpen "},
        {"RfcCall RFC_SYSTEM_INFO", "RfcCall", "RfcCall 1 \"RFC_SYSTEM_INFO\" -> 1"},
        {"rfcreceive rfc_system_info", "RfcReceive", "RfcReceive 1 \"RFC_SYSTEM_INFO\" -> 1"},
        {"RfcCall S_DB_EXCLUSIVE_LOCK_WAITERS", "RfcCall",
         "RfcCall 1 \"S_DB_EXCLUSIVE_LOCK_WAITERS\" -> 1"},
        {"RfcReceive S_DB_EXCLUSIVE_LOCK_WAITERS", "RfcReceive",
         "RfcReceive 1 \"S_DB_EXCLUSIVE_LOCK_WAITERS\" -> 1"},
    };
    for (const Case& c : cases) {
        Session t;
        t.Start(std::string("HandlerError=") + c.handlerError +
                "\nLastError=RFC_ERROR_COMMUNICATION|CMSTAT|connection closed|CPIC 17");
        const RfcHandle handle = t.Open();
        if (handle != 0) {
            SystemInfoReceiver receiver(t.Install(testing::SystemInfoDescription()));
            if (t.SystemInfo(handle, receiver) == 0) {
                t.lockWaiterType = t.Install(testing::LockWaiterDescription());
                t.LockWaiters(handle, t.CreateTable());
            }
        }
        EXPECT_EQ(HandlerCalls(), std::vector<std::string>{c.operation}) << c.handlerError;
        const std::vector<std::string> journal = t.Journal();
        ASSERT_GE(journal.size(), 2u) << c.handlerError;
        EXPECT_TRUE(journal[journal.size() - 2].starts_with(c.journalLine)) << c.handlerError;
        EXPECT_EQ(journal.back(), "ErrorHandler \"" + std::string(c.operation) + "\"")
            << c.handlerError;
        EXPECT_EQ(t.TraceReasons(), std::vector<std::string>{"connection closed"})
            << c.handlerError;

        RfcErrorRecord error{};
        EXPECT_EQ(t.sim.RfcLastError(&error), 0) << c.handlerError;
        EXPECT_STREQ(error.key, "RFC_ERROR_COMMUNICATION") << c.handlerError;
        EXPECT_STREQ(error.status, "CMSTAT") << c.handlerError;
        EXPECT_STREQ(error.message, "connection closed") << c.handlerError;
        EXPECT_STREQ(error.internalStatus, "CPIC 17") << c.handlerError;
    }
}

TEST(SimulatorTest, LastErrorWithoutFaultHasEmptyTexts) {
    Session t;
    t.Start();
    RfcErrorRecord error;
    std::memset(&error, 'x', sizeof error);
    EXPECT_EQ(t.sim.RfcLastError(&error), 0);
    EXPECT_STREQ(error.key, "");
    EXPECT_STREQ(error.status, "");
    EXPECT_STREQ(error.message, "");
    EXPECT_STREQ(error.internalStatus, "");
}

TEST(SimulatorTest, LastErrorTextsAreCutToTheirFields) {
    Session t;
    t.Start("LastError=" + std::string(40, 'k') + "|s|m|i");
    t.Open();
    RfcErrorRecord error{};
    t.sim.RfcLastError(&error);
    EXPECT_EQ(std::string(error.key), std::string(32, 'k'));
}

TEST(SimulatorTest, StructureAndTableFaults) {
    {
        Session t;
        t.Start("FailInstallStructure=EXCLLCKWTS");
        t.Open();
        EXPECT_NE(t.Install(testing::SystemInfoDescription()), 0u) << "other structure";
        EXPECT_EQ(t.Install(testing::LockWaiterDescription()), 0u) << "FailInstallStructure";
        EXPECT_EQ(t.Journal().back(), "RfcInstallStructure \"EXCLLCKWTS\" rows=11 -> 1");
    }
    {
        Session t;
        t.Start("FailItCreate=yes");
        t.Open();
        EXPECT_EQ(t.CreateTable(), nullptr) << "FailItCreate";
    }
    {
        Session t;
        t.Start("FailItGetLine=2");
        const RfcHandle handle = t.Open();
        t.Install(testing::SystemInfoDescription());
        t.lockWaiterType = t.Install(testing::LockWaiterDescription());
        void* table = t.CreateTable();
        ASSERT_EQ(t.LockWaiters(handle, table), 0);
        EXPECT_NE(t.sim.ItGetLine(table, 1), nullptr) << "FailItGetLine, line 1";
        EXPECT_EQ(t.sim.ItGetLine(table, 2), nullptr) << "FailItGetLine, line 2";
        EXPECT_NE(t.sim.ItGetLine(table, 3), nullptr) << "FailItGetLine, line 3";
    }
    {
        Session t;
        t.Start("FailItDelete=yes");
        t.Open();
        void* table = t.CreateTable();
        EXPECT_EQ(t.sim.ItDelete(table), 1) << "FailItDelete";
        EXPECT_EQ(t.sim.ItFill(table), 0u) << "the table is still there";
    }
}

TEST(SimulatorTest, FaultsFollowTheMostRecentLogon) {
    Session t;
    t.folder.Write("SapRfc.ini", kSapRfcIni);
    t.Start("FailItCreate=yes");
    EXPECT_NE(t.CreateTable(), nullptr) << "before any logon";
    t.Open();
    EXPECT_EQ(t.CreateTable(), nullptr) << "after logon to PRD";
    t.OpenEx("CLIENT=100 USER=MONITOR PASSWD=se cret LANG=D DEST=C11");
    EXPECT_NE(t.CreateTable(), nullptr) << "after logon to C11";
}

TEST(SimulatorTest, LockWaitersArriveInTheTable) {
    Session t;
    t.Start();
    const RfcHandle handle = t.Open();
    t.Install(testing::SystemInfoDescription());
    t.lockWaiterType = t.Install(testing::LockWaiterDescription());
    void* table = t.CreateTable();
    EXPECT_EQ(t.sim.ItFill(table), 0u) << "before the call";
    ASSERT_EQ(t.LockWaiters(handle, table), 0);
    EXPECT_EQ(t.sim.ItFill(table), 3u) << "LockWaiters=3";
    EXPECT_EQ(t.sim.ItGetLine(table, 0), nullptr) << "line 0";
    EXPECT_EQ(t.sim.ItGetLine(table, 4), nullptr) << "line 4";
    const char* line = static_cast<const char*>(t.sim.ItGetLine(table, 1));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(std::string(line, 12), "SAPSR3.VBHDR");
}

TEST(SimulatorTest, HangWaitsBeforeTheStepGoesOn) {
    struct Case {
        const char* hang;
        const char* hangLine;
        const char* callLine;  // the line of the call that waited
    } cases[] = {
        {"Logon", "Hang logon 0 s", "RfcOpen "},
        {"rfc_system_info", "Hang RFC_SYSTEM_INFO 0 s", "RfcReceive 1 \"RFC_SYSTEM_INFO\" -> 0"},
        {"S_DB_EXCLUSIVE_LOCK_WAITERS", "Hang S_DB_EXCLUSIVE_LOCK_WAITERS 0 s",
         "RfcReceive 1 \"S_DB_EXCLUSIVE_LOCK_WAITERS\" -> 0"},
        {"close", "Hang close 0 s", "RfcClose 1"},
    };
    for (const Case& c : cases) {
        Session t;
        t.Start(std::string("Hang=") + c.hang + "\nHangSeconds=0");
        const RfcHandle handle = t.Open();
        SystemInfoReceiver receiver(t.Install(testing::SystemInfoDescription()));
        EXPECT_EQ(t.SystemInfo(handle, receiver), 0) << c.hang;
        t.lockWaiterType = t.Install(testing::LockWaiterDescription());
        void* table = t.CreateTable();
        EXPECT_EQ(t.LockWaiters(handle, table), 0) << c.hang;
        t.sim.ItDelete(table);
        t.sim.RfcClose(handle);
        testing::ExpectOneHangBefore(t.Journal(), c.hangLine, c.callLine, c.hang);
    }
}

}  // namespace
}  // namespace trevalunda::rfcsim
