#include "rfcsim/interface_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "rfcsim/test_support/session.h"

namespace trevalunda::rfcsim {
namespace {

using testing::OpenRequest;
using testing::Session;
using testing::StructureDescription;

void Handler(char*) {}
void* Allocator(void*, std::size_t) {
    return nullptr;
}

// One way to break the interface and the start of what the library then says.
struct MismatchCase {
    const char* name;
    std::function<void(Session&)> act;
    const char* message;
};

// Runs each case in a session that has logged on to PRD and expects it to crash with its
// message.
void ExpectEachToCrash(const std::vector<MismatchCase>& cases) {
    for (const MismatchCase& c : cases) {
        Session t;
        t.Start();
        ASSERT_EQ(t.Open(), 1u) << c.name;
        EXPECT_DEATH(c.act(t), std::string("rfcsim: interface mismatch: ") + c.message) << c.name;
    }
}

std::function<void(Session&)> OpenWith(const std::function<void(OpenRequest&)>& change) {
    return [change](Session& t) {
        OpenRequest request;
        change(request);
        t.Open(request);
    };
}

std::function<void(Session&)> InstallWith(
    StructureDescription (*description)(),
    const std::function<void(StructureDescription&)>& change) {
    return [description, change](Session& t) {
        StructureDescription changed = description();
        change(changed);
        t.Install(changed);
    };
}

TEST(InterfaceChecksTest, EnvironmentNeedsAHandlerAndNoAllocator) {
    ExpectEachToCrash({
        {"null record", [](Session& t) { t.sim.RfcEnvironment(nullptr); },
         "RfcEnvironment: record is null"},
        {"null handler",
         [](Session& t) {
             RfcEnvironmentRecord record{nullptr, nullptr};
             t.sim.RfcEnvironment(&record);
         },
         "RfcEnvironment: error handler is null"},
        {"allocator",
         [](Session& t) {
             RfcEnvironmentRecord record{&Handler, &Allocator};
             t.sim.RfcEnvironment(&record);
         },
         "RfcEnvironment: allocator is not null"},
    });
}

TEST(InterfaceChecksTest, OpenOptionsAsTheSensorMustPassThem) {
    ExpectEachToCrash({
        {"null options", [](Session& t) { t.sim.RfcOpen(nullptr); }, "RfcOpen: options are null"},
        {"null destination", OpenWith([](auto& r) { r.destination = nullptr; }),
         "RfcOpen: destination is null"},
        {"null client", OpenWith([](auto& r) { r.client = nullptr; }), "RfcOpen: client is null"},
        {"null user", OpenWith([](auto& r) { r.user = nullptr; }), "RfcOpen: user is null"},
        {"null password", OpenWith([](auto& r) { r.password = nullptr; }),
         "RfcOpen: password is null"},
        {"null language", OpenWith([](auto& r) { r.language = nullptr; }),
         "RfcOpen: language is null"},
        {"trace on", OpenWith([](auto& r) { r.trace = 1; }), "RfcOpen: trace 1"},
        {"mode 2", OpenWith([](auto& r) { r.mode = 2; }), "RfcOpen: mode 2"},
        {"user not padded", OpenWith([](auto& r) { r.user = "MONITOR"; }),
         "RfcOpen: user \"MONITOR\" not padded to 12 characters"},
        {"password not padded", OpenWith([](auto& r) { r.password = "secret"; }),
         "RfcOpen: password not padded to 10 characters"},
        {"no connection options", OpenWith([](auto& r) { r.withoutConnectionOptions = true; }),
         "RfcOpen: connection options are null"},
        {"empty host", OpenWith([](auto& r) { r.host = ""; }),
         "RfcOpen: R/3 host is an empty text instead of null"},
        {"empty R/3 gateway service", OpenWith([](auto& r) { r.gatewayService = ""; }),
         "RfcOpen: R/3 gateway service is an empty text"},
        {"empty R/2 gateway host", OpenWith([](auto& r) {
             r.mode = kRfcModeR2;
             r.gatewayHost = "";
         }),
         "RfcOpen: R/2 gateway host is an empty text"},
        {"empty R/2 gateway service", OpenWith([](auto& r) {
             r.mode = kRfcModeR2;
             r.gatewayService = "";
         }),
         "RfcOpen: R/2 gateway service is an empty text"},
        {"null connect string", [](Session& t) { t.sim.RfcOpenEx(nullptr, &t); },
         "RfcOpenEx: connect string is null"},
        {"null error record",
         [](Session& t) {
             std::string text = "CLIENT=100 USER=MONITOR PASSWD=secret LANG=D DEST=C11";
             t.sim.RfcOpenEx(text.data(), nullptr);
         },
         "RfcOpenEx: error record is null"},
        {"connect string of another form",
         [](Session& t) { t.OpenEx("CLIENT=100 USER=MONITOR DEST=C11"); },
         "RfcOpenEx: connect string not of the form"},
    });
}

TEST(InterfaceChecksTest, StructureDescriptionsMustMatch) {
    const auto rfcsi = &testing::SystemInfoDescription;
    const auto lockWaiters = &testing::LockWaiterDescription;
    ExpectEachToCrash({
        {"unknown structure", InstallWith(rfcsi, [](auto& d) { d.name = "RFCSI2"; }),
         "RfcInstallStructure: unknown structure \"RFCSI2\""},
        {"row missing", InstallWith(rfcsi, [](auto& d) { d.rows.pop_back(); }),
         "RfcInstallStructure RFCSI: 17 rows"},
        {"other name",
         InstallWith(rfcsi,
                     [](auto& d) {
                         static std::string other = "RFCDESTX";
                         d.rows[4].name = other.data();
                     }),
         "RfcInstallStructure RFCSI row 5 \"RFCDESTX\": expected RFCDEST"},
        {"other type", InstallWith(lockWaiters, [](auto& d) { d.rows[9].type = 8; }),
         "RfcInstallStructure EXCLLCKWTS row 10 type 8"},
        {"other length", InstallWith(lockWaiters, [](auto& d) { d.rows[10].length = 99; }),
         "RfcInstallStructure EXCLLCKWTS row 11 length 99"},
        {"decimals", InstallWith(rfcsi, [](auto& d) { d.rows[0].decimals = 1; }),
         "RfcInstallStructure RFCSI row 1 decimals 1"},
        {"offset", InstallWith(rfcsi, [](auto& d) { d.rows[1].offset = 3; }),
         "RfcInstallStructure RFCSI row 2 offset 3"},
        {"rows of the other structure", InstallWith(rfcsi, [](auto& d) { d.name = "EXCLLCKWTS"; }),
         "RfcInstallStructure EXCLLCKWTS: 18 rows"},
        {"no type handle address",
         [](Session& t) {
             StructureDescription d = testing::SystemInfoDescription();
             t.sim.RfcInstallStructure(d.name.data(), d.rows.data(), d.Count(), nullptr);
         },
         "RfcInstallStructure RFCSI: type handle address is null"},
    });
}

// Sends a call of the function with the lists made by the caller.
void Call(Session& t, const char* function, RfcParameterEntry* exporting, RfcTableEntry* tables,
          RfcHandle handle = 1) {
    std::string name = function;
    t.sim.RfcCall(handle, name.data(), exporting, tables);
}

// The lock-waiter table list with one entry changed.
std::function<void(Session&)> CallLockWaitersWith(
    const std::function<void(Session&, testing::LockWaiterTables&)>& change) {
    return [change](Session& t) {
        t.lockWaiterType = t.Install(testing::LockWaiterDescription());
        testing::LockWaiterTables tables(t.lockWaiterType, t.CreateTable());
        change(t, tables);
        Call(t, "S_DB_EXCLUSIVE_LOCK_WAITERS", &t.empty.parameters, tables.List());
    };
}

TEST(InterfaceChecksTest, CallsMustNameAnOpenConnectionAndTheRightLists) {
    ExpectEachToCrash({
        {"handle not open",
         [](Session& t) { Call(t, "RFC_SYSTEM_INFO", &t.empty.parameters, &t.empty.tables, 2); },
         "RfcCall: handle 2 is not open"},
        {"closed handle",
         [](Session& t) {
             t.sim.RfcClose(1);
             Call(t, "RFC_SYSTEM_INFO", &t.empty.parameters, &t.empty.tables);
         },
         "RfcCall: handle 1 is not open"},
        {"unknown function",
         [](Session& t) { Call(t, "RFC_PING", &t.empty.parameters, &t.empty.tables); },
         "RfcCall: unknown function \"RFC_PING\""},
        {"exporting parameter",
         [](Session& t) {
             std::string name = "X";
             RfcParameterEntry exporting[2] = {{name.data(), 1, 0, 1, name.data()}, {}};
             Call(t, "RFC_SYSTEM_INFO", exporting, &t.empty.tables);
         },
         "RfcCall: exporting list holds \"X\""},
        {"table for the system information",
         [](Session& t) {
             testing::LockWaiterTables tables(0, nullptr);
             Call(t, "RFC_SYSTEM_INFO", &t.empty.parameters, tables.List());
         },
         "RfcCall: table list holds \"EXCLUSIVE_LOCK_WAITERS\" for RFC_SYSTEM_INFO"},
        {"no lock-waiter table",
         [](Session& t) {
             Call(t, "S_DB_EXCLUSIVE_LOCK_WAITERS", &t.empty.parameters, &t.empty.tables);
         },
         "RfcCall: table list is empty for S_DB_EXCLUSIVE_LOCK_WAITERS"},
        {"other table name", CallLockWaitersWith([](Session&, auto& tables) {
             static std::string other = "LOCK_WAITERS";
             tables.entries[0].name = other.data();
             tables.entries[0].nameLength = 12;
         }),
         "RfcCall: table \"LOCK_WAITERS\": unexpected table"},
        {"table name length",
         CallLockWaitersWith([](Session&, auto& tables) { tables.entries[0].nameLength = 21; }),
         "RfcCall: table \"EXCLUSIVE_LOCK_WAITERS\": name length 21"},
        {"table type",
         CallLockWaitersWith([](Session&, auto& tables) { tables.entries[0].type = 101; }),
         "RfcCall: table \"EXCLUSIVE_LOCK_WAITERS\": type 101"},
        {"structure not installed",
         [](Session& t) {
             testing::LockWaiterTables tables(102, t.CreateTable());
             Call(t, "S_DB_EXCLUSIVE_LOCK_WAITERS", &t.empty.parameters, tables.List());
         },
         "structure EXCLLCKWTS not installed"},
        {"table not made by ItCreate",
         CallLockWaitersWith([](Session& t, auto& tables) { tables.entries[0].table = &t; }),
         "RfcCall: table \"EXCLUSIVE_LOCK_WAITERS\": not a table made by ItCreate"},
        {"second table",
         CallLockWaitersWith([](Session&, auto& tables) { tables.entries[1] = tables.entries[0]; }),
         "RfcCall: table list holds \"EXCLUSIVE_LOCK_WAITERS\" for S_DB"},
        {"call while another awaits its receive",
         [](Session& t) {
             t.Install(testing::SystemInfoDescription());
             Call(t, "RFC_SYSTEM_INFO", &t.empty.parameters, &t.empty.tables);
             Call(t, "RFC_SYSTEM_INFO", &t.empty.parameters, &t.empty.tables);
         },
         "RfcCall: handle 1 still awaits RfcReceive"},
    });
}

// Receives the system information with the importing list changed.
std::function<void(Session&)> ReceiveSystemInfoWith(
    const std::function<void(testing::SystemInfoReceiver&)>& change) {
    return [change](Session& t) {
        testing::SystemInfoReceiver receiver(t.Install(testing::SystemInfoDescription()));
        change(receiver);
        Call(t, "RFC_SYSTEM_INFO", &t.empty.parameters, &t.empty.tables);
        t.sim.RfcReceive(1, receiver.entries.data(), &t.empty.tables, &t.exception);
    };
}

TEST(InterfaceChecksTest, ReceiveMustFollowItsCallWithTheRightLists) {
    ExpectEachToCrash({
        {"without call",
         [](Session& t) {
             t.sim.RfcReceive(1, &t.empty.parameters, &t.empty.tables, &t.exception);
         },
         "RfcReceive: no RfcCall on handle 1"},
        {"importing missing",
         ReceiveSystemInfoWith([](auto& r) { r.entries.erase(r.entries.begin()); }),
         "RfcReceive: importing CURRENT_RESOURCES missing"},
        {"importing twice", ReceiveSystemInfoWith([](auto& r) { r.entries[1] = r.entries[0]; }),
         "RfcReceive: importing \"CURRENT_RESOURCES\" twice"},
        {"unexpected importing", ReceiveSystemInfoWith([](auto& r) {
             static std::string extra = "EXTRA";
             r.entries[5].name = extra.data();
             r.entries[5].nameLength = 5;
         }),
         "RfcReceive: unexpected importing \"EXTRA\" for RFC_SYSTEM_INFO"},
        {"record type", ReceiveSystemInfoWith([](auto& r) { r.entries[4].type = 0; }),
         "RfcReceive: importing RFCSI_EXPORT: type 0"},
        {"integer length", ReceiveSystemInfoWith([](auto& r) { r.entries[0].length = 2; }),
         "RfcReceive: importing CURRENT_RESOURCES: length 2"},
        {"name length", ReceiveSystemInfoWith([](auto& r) { r.entries[5].nameLength = 17; }),
         "RfcReceive: importing \"RFC_LOGIN_COMPLETE\": name length 17"},
        {"null value", ReceiveSystemInfoWith([](auto& r) { r.entries[1].value = nullptr; }),
         "RfcReceive: importing DIALOG_USER_TYPE: value is null"},
        {"null exception address",
         [](Session& t) {
             testing::SystemInfoReceiver receiver(t.Install(testing::SystemInfoDescription()));
             Call(t, "RFC_SYSTEM_INFO", &t.empty.parameters, &t.empty.tables);
             t.sim.RfcReceive(1, receiver.entries.data(), &t.empty.tables, nullptr);
         },
         "RfcReceive: exception text address is null"},
        {"importing for the lock waiters",
         [](Session& t) {
             testing::SystemInfoReceiver receiver(t.Install(testing::SystemInfoDescription()));
             t.lockWaiterType = t.Install(testing::LockWaiterDescription());
             testing::LockWaiterTables tables(t.lockWaiterType, t.CreateTable());
             Call(t, "S_DB_EXCLUSIVE_LOCK_WAITERS", &t.empty.parameters, tables.List());
             t.sim.RfcReceive(1, receiver.entries.data(), tables.List(), &t.exception);
         },
         "RfcReceive: unexpected importing \"CURRENT_RESOURCES\" for S_DB"},
        {"another table than the call's",
         [](Session& t) {
             t.lockWaiterType = t.Install(testing::LockWaiterDescription());
             testing::LockWaiterTables called(t.lockWaiterType, t.CreateTable());
             testing::LockWaiterTables received(t.lockWaiterType, t.CreateTable());
             Call(t, "S_DB_EXCLUSIVE_LOCK_WAITERS", &t.empty.parameters, called.List());
             t.sim.RfcReceive(1, &t.empty.parameters, received.List(), &t.exception);
         },
         "RfcReceive: another table than the one passed to RfcCall"},
    });
}

TEST(InterfaceChecksTest, TablesMustBeMadeByItCreate) {
    ExpectEachToCrash({
        {"other table name",
         [](Session& t) {
             std::string name = "LOCK_WAITERS";
             t.sim.ItCreate(name.data(), 276, 0, 0);
         },
         "ItCreate: table name \"LOCK_WAITERS\""},
        {"other line length",
         [](Session& t) {
             std::string name = "EXCLUSIVE_LOCK_WAITERS";
             t.sim.ItCreate(name.data(), 275, 0, 0);
         },
         "ItCreate: line length 275"},
        {"extra arguments",
         [](Session& t) {
             std::string name = "EXCLUSIVE_LOCK_WAITERS";
             t.sim.ItCreate(name.data(), 276, 0, 1);
         },
         "ItCreate: extra arguments 0 1"},
        {"ItFill of no table", [](Session& t) { t.sim.ItFill(&t); }, "ItFill: unknown table"},
        {"ItGetLine of null", [](Session& t) { t.sim.ItGetLine(nullptr, 1); },
         "ItGetLine: unknown table"},
        {"ItDelete twice",
         [](Session& t) {
             void* table = t.CreateTable();
             t.sim.ItDelete(table);
             t.sim.ItDelete(table);
         },
         "ItDelete: unknown table"},
    });
}

TEST(InterfaceChecksTest, CloseOnlyOpenHandles) {
    ExpectEachToCrash({
        {"never opened", [](Session& t) { t.sim.RfcClose(5); }, "RfcClose: handle 5 is not open"},
        {"closed twice",
         [](Session& t) {
             t.sim.RfcClose(1);
             t.sim.RfcClose(1);
         },
         "RfcClose: handle 1 is not open"},
        {"last error without record", [](Session& t) { t.sim.RfcLastError(nullptr); },
         "RfcLastError: record is null"},
    });
}

}  // namespace
}  // namespace trevalunda::rfcsim
