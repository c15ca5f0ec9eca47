#include "rfcsim/netweaver_simulator.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "rfcsim/test_support/netweaver_session.h"

namespace trevalunda::rfcsim {
namespace {

using testing::DestinationLogon;
using testing::HostLogon;
using testing::LogonRequest;
using testing::NetWeaverSession;
using testing::U16;

constexpr const char* kNetWeaverIni =
    "DEST = C11 \nASHOST=sapc11\nSYSNR=01\nSAPROUTER=/H/router/S/3299/H/\n"
    "\n"
    "DEST=PRDLB\nMSHOST=msprd\nMSSERV=3600\nGROUP=SPACE\n"
    "DEST=PRDPUBLIC\nmshost=MSPRD\n"
    "DEST=BAD\nSAPROUTER=/H/router/S/3299/H/\n";

TEST(NetWeaverSimulatorTest, JournalOfAWholeRun) {
    NetWeaverSession t;
    t.Start();
    EXPECT_EQ(t.sim.RfcSetIniPath(u".", &t.error), kNwRfcOk);
    NwRfcConnectionHandle connection =
        t.Open(HostLogon().Set("gwhost", "gwprd").Set("gwserv", "sapgw00"));
    ASSERT_NE(connection, nullptr) << t.Message();
    EXPECT_EQ(t.error.code, kNwRfcOk);
    EXPECT_EQ(t.Key(), "RFC_OK");
    std::u16string databaseSystem;
    std::u16string host;
    EXPECT_EQ(t.Call(connection, "RFC_SYSTEM_INFO",
                     [&](NwRfcFunctionHandle function) {
                         NwRfcStructureHandle structure = t.SystemInfoExport(function);
                         databaseSystem = t.Chars(structure, "RFCDBSYS", 10);
                         host = t.Chars(structure, "RFCHOST", 8);
                     }),
              kNwRfcOk);
    EXPECT_EQ(databaseSystem, u"ORACLE    ");
    EXPECT_EQ(host, u"sapprd01");
    unsigned count = 0;
    EXPECT_EQ(t.Call(connection, "S_DB_EXCLUSIVE_LOCK_WAITERS",
                     [&](NwRfcFunctionHandle function) {
                         NwRfcTableHandle table = nullptr;
                         EXPECT_EQ(t.sim.RfcGetTable(function, u"EXCLUSIVE_LOCK_WAITERS", &table,
                                                     &t.error),
                                   kNwRfcOk);
                         EXPECT_EQ(t.sim.RfcGetRowCount(table, &count, &t.error), kNwRfcOk);
                     }),
              kNwRfcOk);
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(t.Close(connection), kNwRfcOk);
    t.sim.CheckAllReleasedAtUnload();

    EXPECT_EQ(t.Journal(),
              (std::vector<std::string>{
                  "RfcSetIniPath \".\" -> 0",
                  "RfcOpenConnection client=\"100\" user=\"MONITOR\" passwd=\"******\" "
                  "lang=\"E\" ashost=\"sapprd\" sysnr=\"00\" gwhost=\"gwprd\" gwserv=\"sapgw00\" "
                  "-> 1",
                  "RfcGetFunctionDesc 1 \"RFC_SYSTEM_INFO\" -> 2",
                  "RfcCreateFunction 2 -> 3",
                  "RfcInvoke 1 3 -> 0",
                  "RfcGetStructure 3 \"RFCSI_EXPORT\" -> 0 structure=4",
                  "RfcGetChars 4 \"RFCDBSYS\" 10 -> 0",
                  "RfcGetChars 4 \"RFCHOST\" 8 -> 0",
                  "RfcDestroyFunction 3 -> 0",
                  "RfcGetFunctionDesc 1 \"S_DB_EXCLUSIVE_LOCK_WAITERS\" -> 5",
                  "RfcCreateFunction 5 -> 6",
                  "RfcInvoke 1 6 -> 0",
                  "RfcGetTable 6 \"EXCLUSIVE_LOCK_WAITERS\" -> 0 table=7",
                  "RfcGetRowCount 7 -> 0 count=3",
                  "RfcDestroyFunction 6 -> 0",
                  "RfcCloseConnection 1 -> 0",
              }));
    EXPECT_FALSE(t.folder.Read("Dev_Rfc.Trc").has_value()) << "nothing traced on success";
}

TEST(NetWeaverSimulatorTest, EveryWayOfLogonReachesItsSystem) {
    struct Case {
        const char* name;
        const char* prdKeys;
        const char* iniPath;  // null: RfcSetIniPath is not called
        LogonRequest request;
        const char* system;
    } cases[] = {
        {"host and system number", "", nullptr, HostLogon(), "PRD"},
        {"host in other case", "", nullptr, HostLogon().Set("ashost", "SAPPRD"), "PRD"},
        {"with a gateway", "", nullptr, HostLogon().Set("gwhost", "gw").Set("gwserv", "x"), "PRD"},
        {"destination by host", "", nullptr, DestinationLogon("C11"), "C11"},
        {"destination in other case", "", nullptr, DestinationLogon("c11"), "C11"},
        {"destination by message server and group", "MessageServer=msprd\nLogonGroup=space",
         nullptr, DestinationLogon("PRDLB").Set("passwd", "secret"), "PRD"},
        {"message server without group", "MessageServer=msprd", nullptr,
         DestinationLogon("PRDPUBLIC").Set("passwd", "secret"), "PRD"},
        {"sapnwrfc.ini in the folder of RfcSetIniPath", "", "ini", DestinationLogon("C11"), "C11"},
    };
    for (Case& c : cases) {
        NetWeaverSession t;
        t.Start(c.prdKeys);
        if (c.iniPath != nullptr) {
            std::filesystem::create_directory(t.folder.Path() / c.iniPath);
            t.folder.Write(std::string(c.iniPath) + "/sapnwrfc.ini", kNetWeaverIni);
            t.sim.RfcSetIniPath(U16(c.iniPath).c_str(), &t.error);
        } else {
            t.folder.Write("sapnwrfc.ini", kNetWeaverIni);
        }
        NwRfcConnectionHandle connection = t.Open(c.request);
        ASSERT_NE(connection, nullptr) << c.name << ": " << t.Message();
        EXPECT_EQ(t.SystemOf(connection), c.system) << c.name;
        t.Close(connection);
        EXPECT_FALSE(t.folder.Read("Dev_Rfc.Trc").has_value()) << c.name;
    }
}

TEST(NetWeaverSimulatorTest, FailedLogonsGiveTheirCodeAndMessage) {
    struct Case {
        const char* name;
        bool withLandscape;
        const char* iniPath;  // where RfcSetIniPath points; null: not called
        LogonRequest request;
        NwRfcReturnCode code;
        std::int32_t group;
        const char* message;
    } cases[] = {
        {"no rfcsim.ini", false, nullptr, HostLogon(), 1, 4, "no landscape"},
        {"unknown host", true, nullptr, HostLogon().Set("ashost", "other"), 1, 4,
         "partner not reached (host other, system number 0)"},
        {"other system number", true, nullptr, HostLogon().Set("sysnr", "01"), 1, 4,
         "partner not reached (host sapprd, system number 1)"},
        {"R/2 system by its gateway host", true, nullptr, HostLogon().Set("ashost", "gw"), 1, 4,
         "partner not reached (host gw, system number 0)"},
        {"no server at all", true, nullptr, HostLogon().Remove("ashost"), 20, 5,
         "no application server given (ashost or dest)"},
        {"wrong client", true, nullptr, HostLogon().Set("client", "200"), 2, 3,
         "Client 200 is not available in this system"},
        {"wrong user", true, nullptr, HostLogon().Set("user", "GUEST"), 2, 3,
         "Name or password is incorrect"},
        {"wrong password", true, nullptr, HostLogon().Set("passwd", "Secret"), 2, 3,
         "Name or password is incorrect"},
        {"wrong password through sapnwrfc.ini", true, nullptr,
         DestinationLogon("C11").Set("passwd", "secret"), 2, 3, "Name or password is incorrect"},
        {"destination not in sapnwrfc.ini", true, nullptr, DestinationLogon("C12"), 20, 5,
         "destination C12 not in sapnwrfc.ini"},
        {"entry without host", true, nullptr, DestinationLogon("BAD"), 20, 5,
         "destination BAD in sapnwrfc.ini has neither ASHOST nor MSHOST"},
        {"no system behind the message server", true, nullptr, DestinationLogon("PRDLB"), 1, 4,
         "partner not reached (message server msprd, logon group SPACE)"},
        {"RfcSetIniPath to a folder without sapnwrfc.ini", true, "elsewhere",
         DestinationLogon("C11"), 20, 5, "sapnwrfc.ini not found (destination C11)"},
    };
    for (Case& c : cases) {
        NetWeaverSession t;
        if (c.withLandscape) {
            t.Start();
        }
        t.folder.Write("sapnwrfc.ini", kNetWeaverIni);
        if (c.iniPath != nullptr) {
            t.sim.RfcSetIniPath(U16(c.iniPath).c_str(), &t.error);
        }
        EXPECT_EQ(t.Open(c.request), nullptr) << c.name;
        EXPECT_EQ(t.error.code, c.code) << c.name;
        EXPECT_EQ(t.error.group, c.group) << c.name;
        EXPECT_EQ(t.Key(), KeyOf(c.code)) << c.name;
        EXPECT_EQ(t.Message(), c.message) << c.name;
        EXPECT_EQ(t.TraceReasons(), std::vector<std::string>{c.message}) << c.name;
        EXPECT_TRUE(t.Journal().back().ends_with(" -> 0 code=" + std::to_string(c.code))) << c.name;
    }
}

TEST(NetWeaverSimulatorTest, CallFaultsGiveTheirCodeKeyAndMessage) {
    struct Case {
        const char* keys;
        bool lockWaiters;  // the lock-waiter call fails, after a good system information
        NwRfcReturnCode code;
        std::int32_t group;
        const char* key;
        const char* message;
    } cases[] = {
        {"SystemInfoCallCode=1", false, 1, 4, "RFC_COMMUNICATION_FAILURE",
         "RFC_SYSTEM_INFO failed with code 1"},
        {"SystemInfoReceiveCode=1", false, 1, 4, "RFC_COMMUNICATION_FAILURE",
         "RFC_SYSTEM_INFO failed with code 1"},
        {"SystemInfoReceiveCode=2\nException=SYSTEM_FAILURE", false, 5, 1, "SYSTEM_FAILURE",
         "RFC_SYSTEM_INFO failed with code 2"},
        {"SystemInfoReceiveCode=3\nException=UNUSED", false, 3, 2, "RFC_ABAP_RUNTIME_FAILURE",
         "RFC_SYSTEM_INFO failed with code 3"},
        {"SystemInfoReceiveCode=7", false, 28, 5, "RFC_UNKNOWN_ERROR",
         "RFC_SYSTEM_INFO failed with code 7"},
        {"SystemInfoInvokeCode=4", false, 4, 2, "RFC_ABAP_MESSAGE",
         "RFC_SYSTEM_INFO failed with code 4"},
        {"SystemInfoInvokeCode=13\nSystemInfoReceiveCode=2", false, 13, 5, "RFC_INVALID_HANDLE",
         "RFC_SYSTEM_INFO failed with code 13"},
        {"LockWaitersCallCode=3", true, 3, 2, "RFC_ABAP_RUNTIME_FAILURE",
         "S_DB_EXCLUSIVE_LOCK_WAITERS failed with code 3"},
        {"LockWaitersReceiveCode=1", true, 1, 4, "RFC_COMMUNICATION_FAILURE",
         "S_DB_EXCLUSIVE_LOCK_WAITERS failed with code 1"},
        {"LockWaitersReceiveCode=2\nException=NOT_FOUND", true, 5, 1, "NOT_FOUND",
         "S_DB_EXCLUSIVE_LOCK_WAITERS failed with code 2"},
        {"LockWaitersReceiveCode=3", true, 3, 2, "RFC_ABAP_RUNTIME_FAILURE",
         "S_DB_EXCLUSIVE_LOCK_WAITERS failed with code 3"},
        {"LockWaitersInvokeCode=29", true, 29, 7, "RFC_AUTHORIZATION_FAILURE",
         "S_DB_EXCLUSIVE_LOCK_WAITERS failed with code 29"},
        {"LockWaitersInvokeCode=99", true, 99, 5, "RFC_UNKNOWN_ERROR",
         "S_DB_EXCLUSIVE_LOCK_WAITERS failed with code 99"},
    };
    for (const Case& c : cases) {
        NetWeaverSession t;
        t.Start(c.keys);
        NwRfcConnectionHandle connection = t.Open();
        NwRfcReturnCode code = t.Call(connection, "RFC_SYSTEM_INFO");
        if (c.lockWaiters) {
            ASSERT_EQ(code, kNwRfcOk) << c.keys;
            code = t.Call(connection, "S_DB_EXCLUSIVE_LOCK_WAITERS");
        }
        EXPECT_EQ(code, c.code) << c.keys;
        EXPECT_EQ(t.error.code, c.code) << c.keys;
        EXPECT_EQ(t.error.group, c.group) << c.keys;
        EXPECT_EQ(t.Key(), c.key) << c.keys;
        EXPECT_EQ(t.Message(), c.message) << c.keys;
        EXPECT_EQ(t.TraceReasons(), std::vector<std::string>{c.message}) << c.keys;
        t.Close(connection);
    }
}

TEST(NetWeaverSimulatorTest, ErrorMessageReplacesTheMessageOfTheSystemsFailures) {
    struct Case {
        const char* name;
        const char* keys;
        LogonRequest request;
        const char* message;
    } cases[] = {
        {"refused logon", "ErrorMessage=  Logon \\n refused\\r\\n\\tnow  ",
         HostLogon().Set("passwd", "wrong"), "Logon \n refused\r\n\tnow"},
        {"failed call", "SystemInfoReceiveCode=1\nErrorMessage=\\n  lost   connection \\n",
         HostLogon(), "\n  lost   connection \n"},
        {"empty message", "SystemInfoReceiveCode=3\nErrorMessage=", HostLogon(), ""},
        {"not UTF-8", "SystemInfoReceiveCode=3\nErrorMessage=caf\xE9!", HostLogon(),
         "caf\xEF\xBF\xBD!"},
    };
    for (Case& c : cases) {
        NetWeaverSession t;
        t.Start(c.keys);
        NwRfcConnectionHandle connection = t.Open(c.request);
        const bool failed = connection == nullptr || t.Call(connection, "RFC_SYSTEM_INFO") != 0;
        EXPECT_TRUE(failed) << c.name;
        EXPECT_EQ(t.Message(), c.message) << c.name;
        if (connection != nullptr) {
            t.Close(connection);
        }
        EXPECT_EQ(t.TraceReasons().size(), 1u) << c.name << ": the trace keeps its reason";
    }
}

TEST(NetWeaverSimulatorTest, MessagesAreCutToTheirFields) {
    NetWeaverSession t;
    t.Start("SystemInfoReceiveCode=2\nException=" + std::string(200, 'K') +
            "\nErrorMessage=" + std::string(600, 'm'));
    NwRfcConnectionHandle connection = t.Open();
    EXPECT_EQ(t.Call(connection, "RFC_SYSTEM_INFO"), kNwRfcAbapException);
    EXPECT_EQ(t.Key(), std::string(127, 'K'));
    EXPECT_EQ(t.Message(), std::string(511, 'm'));
    t.Close(connection);
}

TEST(NetWeaverSimulatorTest, SystemInfoFieldsAreBlankPaddedToTheirLength) {
    struct Case {
        const char* keys;
        const char* field;
        unsigned length;
        std::u16string value;
    } cases[] = {
        {"", "RFCDBSYS", 10, u"ORACLE    "},
        {"DatabaseSystem=ORACLE_AND_MORE", "RFCDBSYS", 10, u"ORACLE_AND"},
        {"", "RFCHOST", 8, u"sapprd01"},
        {"HostName=sapprd0123", "RFCHOST", 8, u"sapprd01"},
        {"HostName=h\xC3\xA4st", "RFCHOST", 8, u"h\u00E4st    "},
        {"", "RFCDEST", 32, u"PRD" + std::u16string(29, u' ')},
        {"", "RFCSAPRL", 4, u"740 "},
        {"", "RFCDAYST", 1, u" "},
    };
    for (const Case& c : cases) {
        NetWeaverSession t;
        t.Start(c.keys);
        NwRfcConnectionHandle connection = t.Open();
        std::u16string value;
        t.Call(connection, "RFC_SYSTEM_INFO", [&](NwRfcFunctionHandle function) {
            value = t.Chars(t.SystemInfoExport(function), c.field, c.length);
        });
        EXPECT_EQ(value, c.value) << c.keys << " " << c.field;
        t.Close(connection);
    }
}

TEST(NetWeaverSimulatorTest, HangWaitsBeforeTheStepGoesOn) {
    struct Case {
        const char* hang;
        const char* hangLine;
        const char* callLine;  // the line of the call that waited
    } cases[] = {
        {"logon", "Hang logon 0 s", "RfcOpenConnection "},
        {"RFC_SYSTEM_INFO", "Hang RFC_SYSTEM_INFO 0 s", "RfcInvoke 1 3 "},
        {"s_db_exclusive_lock_waiters", "Hang S_DB_EXCLUSIVE_LOCK_WAITERS 0 s", "RfcInvoke 1 5 "},
        {"Close", "Hang close 0 s", "RfcCloseConnection 1 "},
    };
    for (const Case& c : cases) {
        NetWeaverSession t;
        t.Start(std::string("Hang=") + c.hang + "\nHangSeconds=0");
        NwRfcConnectionHandle connection = t.Open();
        EXPECT_EQ(t.Call(connection, "RFC_SYSTEM_INFO"), kNwRfcOk) << c.hang;
        EXPECT_EQ(t.Call(connection, "S_DB_EXCLUSIVE_LOCK_WAITERS"), kNwRfcOk) << c.hang;
        EXPECT_EQ(t.Close(connection), kNwRfcOk) << c.hang;
        testing::ExpectOneHangBefore(t.Journal(), c.hangLine, c.callLine, c.hang);
    }
}

TEST(NetWeaverSimulatorTest, CancelEndsAHangingInvoke) {
    NetWeaverSession t;
    t.Start("Hang=RFC_SYSTEM_INFO\nHangSeconds=120");
    NwRfcConnectionHandle connection = t.Open();
    NwRfcReturnCode code = kNwRfcOk;
    NwRfcErrorInfo callError{};
    std::thread call([&] {
        NwRfcFunctionHandle function = t.Function(connection, "RFC_SYSTEM_INFO");
        code = t.sim.RfcInvoke(connection, function, &callError);
        NwRfcErrorInfo destroyError{};
        t.sim.RfcDestroyFunction(function, &destroyError);
    });
    while (!t.sim.Waiting()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_FALSE(t.sim.CheckAllReleasedAtUnload()) << "a call under way: no check, no abort";
    NwRfcErrorInfo cancelError{};
    EXPECT_EQ(t.sim.RfcCancel(connection, &cancelError), kNwRfcOk);
    call.join();
    EXPECT_EQ(code, kNwRfcCanceled);
    EXPECT_EQ(testing::U8(callError.key), "RFC_CANCELED");
    EXPECT_EQ(testing::U8(callError.message), "RFC_SYSTEM_INFO canceled");
    EXPECT_EQ(t.Close(connection), kNwRfcOk) << "the connection stays usable";
    const std::vector<std::string> journal = t.Journal();
    EXPECT_EQ(std::vector<std::string>(journal.end() - 5, journal.end()),
              (std::vector<std::string>{"Hang RFC_SYSTEM_INFO 120 s", "RfcCancel 1 -> 0",
                                        "RfcInvoke 1 3 -> 7", "RfcDestroyFunction 3 -> 0",
                                        "RfcCloseConnection 1 -> 0"}));
}

TEST(NetWeaverSimulatorTest, DescriptionsAreHandedOutOncePerSystem) {
    NetWeaverSession t;
    t.Start();
    t.folder.Write("sapnwrfc.ini", kNetWeaverIni);
    NwRfcConnectionHandle prd = t.Open();
    NwRfcFunctionDescHandle first = t.sim.RfcGetFunctionDesc(prd, u"RFC_SYSTEM_INFO", &t.error);
    NwRfcFunctionDescHandle again = t.sim.RfcGetFunctionDesc(prd, u"RFC_SYSTEM_INFO", &t.error);
    EXPECT_EQ(first, again) << "same system, same function";
    t.Close(prd);
    NwRfcConnectionHandle c11 = t.Open(DestinationLogon("C11"));
    EXPECT_NE(t.sim.RfcGetFunctionDesc(c11, u"RFC_SYSTEM_INFO", &t.error), first)
        << "another system";
    NwRfcFunctionHandle function = t.sim.RfcCreateFunction(first, &t.error);
    EXPECT_EQ(t.sim.RfcInvoke(c11, function, &t.error), kNwRfcOk)
        << "a description outlives its connection";
    t.Destroy(function);
    t.Close(c11);
}

}  // namespace
}  // namespace trevalunda::rfcsim
