#include "measure/measure_system.h"

#include "measure/rfc_step.h"
#include "measure/system_identity.h"
#include "rfc/rfc_client.h"

namespace trevalunda {
namespace {

// Runs one remote step of the library with the tracker naming it meanwhile.
template <typename Step>
auto InStep(RfcStepTracker& steps, const LogonData& system, std::string_view name, Step step) {
    steps.Enter(system.destination, name);
    auto outcome = step();
    steps.Leave();
    return outcome;
}

// The identity check of the reached system: it must answer and run on Oracle.
Status CheckIdentity(RfcClient& client, const LogonData& system, RfcStepTracker& steps,
                     SystemMeasurement& measurement) {
    Result<IdentityOutcome> identity =
        InStep(steps, system, "RFC_SYSTEM_INFO", [&] { return client.AskIdentity(); });
    if (!identity.ok()) {
        return identity.fatal();
    }
    if (identity.value().code != kRfcOk) {
        Fatal failed{identity.value().failureText + client.FailureFinding()};
        client.Close();
        return failed;
    }
    measurement.reportedHost = identity.value().hostName;
    if (!RunsOnOracle(identity.value().databaseSystem)) {
        client.Close();
        return Fatal{"Error 1018: DataBase mismatch !"};
    }
    return std::nullopt;
}

}  // namespace

Result<SystemMeasurement> MeasureSystem(RfcClient& client, const LogonData& system,
                                        RfcStepTracker& steps) {
    SystemMeasurement measurement;
    Result<LogonOutcome> logon =
        InStep(steps, system, "logon", [&] { return client.LogOn(system); });
    if (!logon.ok()) {
        return logon.fatal();
    }
    if (!logon.value().opened) {
        measurement.failureText = logon.value().reason;
        return measurement;
    }
    if (Status failed = CheckIdentity(client, system, steps, measurement)) {
        return *failed;
    }
    Result<LockWaitersOutcome> locks = InStep(steps, system, "S_DB_EXCLUSIVE_LOCK_WAITERS",
                                              [&] { return client.CountLockWaiters(); });
    if (!locks.ok()) {
        return locks.fatal();
    }
    client.Close();
    if (locks.value().code != kRfcOk) {
        measurement.ending = SystemEnding::LockWaitersFailed;
        measurement.failureText = locks.value().failureText;
        return measurement;
    }
    measurement.ending = SystemEnding::Measured;
    measurement.count = locks.value().count;
    return measurement;
}

}  // namespace trevalunda
