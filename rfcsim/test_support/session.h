#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "rfcsim/simulator.h"
#include "rfcsim/test_support/caller_records.h"
#include "rfcsim/test_support/temporary_folder.h"

namespace trevalunda::rfcsim::testing {

// What the error handler was called with; the handler returns, so the call fails instead of
// ending the test.
inline std::vector<std::string>& HandlerCalls() {
    static std::vector<std::string> calls;
    return calls;
}

inline void RecordingHandler(char* operation) {
    HandlerCalls().emplace_back(operation);
}

// PRD is reached by host or destination, R2S by gateway, C11 through SapRfc.ini; a test
// adds keys to PRD's section.
inline std::string TestLandscape(const std::string& prdKeys) {
    return "[PRD]\nDestination=PRD\nHost=sapprd\nSystemNumber=0\nClient=100\nUser=MONITOR\n"
           "Password=secret\nDatabaseSystem=ORACLE\nHostName=sapprd01\nLockWaiters=3\n" +
           prdKeys +
           "\n[R2S]\nDestination=R2SYS\nGatewayHost=gw\nGatewayService=sapgw00\nClient=100\n"
           "User=MONITOR\nPassword=secret\n"
           "[C11]\nDestination=C11\nHost=sapc11\nSystemNumber=1\nClient=100\nUser=MONITOR\n"
           "Password=se cret\nLockWaiters=1\n";
}

inline constexpr const char* kSapRfcIni = "DEST=C11\nTYPE=A\nASHOST=sapc11\nSYSNR=01\n";

// The reason lines of the folder's trace file, the part from the 13th character on.
inline std::vector<std::string> TraceReasonsIn(const TemporaryFolder& folder) {
    std::vector<std::string> reasons;
    for (const std::string& line : folder.Lines("Dev_Rfc.Trc")) {
        if (line.starts_with("ERROR       ")) {
            reasons.push_back(line.substr(12));
        }
    }
    return reasons;
}

// The journal of a run whose system hangs at one step: exactly one hang line, the one given,
// right before the line of the call that waited (which begins as given).
inline void ExpectOneHangBefore(const std::vector<std::string>& journal,
                                const std::string& hangLine, const std::string& callLine,
                                const std::string& name) {
    const auto hang = std::find(journal.begin(), journal.end(), hangLine);
    ASSERT_NE(hang, journal.end()) << name;
    ASSERT_NE(hang + 1, journal.end()) << name;
    EXPECT_TRUE(hang[1].starts_with(callLine)) << name << ": " << hang[1];
    EXPECT_EQ(std::count_if(journal.begin(), journal.end(),
                            [](const std::string& line) { return line.starts_with("Hang "); }),
              1)
        << name;
}

// A library in a folder of its own, called the way the sensor calls it.
class Session {
  public:
    Session() { HandlerCalls().clear(); }

    // Writes the landscape and registers the error handler.
    void Start(const std::string& prdKeys = "") {
        folder.Write("rfcsim.ini", TestLandscape(prdKeys));
        Environment();
    }

    void Environment() {
        RfcEnvironmentRecord environment{&RecordingHandler, nullptr};
        sim.RfcEnvironment(&environment);
    }

    RfcHandle Open(OpenRequest request = {}) { return sim.RfcOpen(request.Options()); }

    RfcHandle OpenEx(std::string connectString) {
        std::array<char, kRfcOpenExErrorBufferSize> error{};
        return sim.RfcOpenEx(connectString.data(), error.data());
    }

    std::uint32_t Install(StructureDescription&& description) { return Install(description); }
    std::uint32_t Install(StructureDescription& description) {
        std::uint32_t handle = 0;
        const int result = sim.RfcInstallStructure(description.name.data(), description.rows.data(),
                                                   description.Count(), &handle);
        return result == 0 ? handle : 0;
    }

    // RFC_SYSTEM_INFO as the sensor calls it: receive only after a successful send.
    int SystemInfo(RfcHandle handle, SystemInfoReceiver& receiver) {
        std::string function = "RFC_SYSTEM_INFO";
        const int sent = sim.RfcCall(handle, function.data(), &empty.parameters, &empty.tables);
        if (sent != 0) {
            return sent;
        }
        return sim.RfcReceive(handle, receiver.entries.data(), &empty.tables, &exception);
    }

    int LockWaiters(RfcHandle handle, void* table) {
        LockWaiterTables tables(lockWaiterType, table);
        std::string function = "S_DB_EXCLUSIVE_LOCK_WAITERS";
        const int sent = sim.RfcCall(handle, function.data(), &empty.parameters, tables.List());
        if (sent != 0) {
            return sent;
        }
        return sim.RfcReceive(handle, &empty.parameters, tables.List(), &exception);
    }

    void* CreateTable() {
        std::string name = "EXCLUSIVE_LOCK_WAITERS";
        return sim.ItCreate(name.data(), 276, 0, 0);
    }

    // The system a connection reached, by the system ID it reports.
    std::string SystemOf(RfcHandle handle) {
        SystemInfoReceiver receiver(Install(SystemInfoDescription()));
        EXPECT_EQ(SystemInfo(handle, receiver), 0);
        return receiver.Field(53, 8);
    }

    std::vector<std::string> Journal() const { return folder.Lines("rfcsim.journal"); }
    std::vector<std::string> Trace() const { return folder.Lines("Dev_Rfc.Trc"); }
    // The reason lines of the trace file, the part from the 13th character on.
    std::vector<std::string> TraceReasons() const { return TraceReasonsIn(folder); }

    TemporaryFolder folder;
    Simulator sim{folder.Path()};
    EmptyLists empty;
    char* exception = nullptr;
    std::uint32_t lockWaiterType = 0;
};

}  // namespace trevalunda::rfcsim::testing
