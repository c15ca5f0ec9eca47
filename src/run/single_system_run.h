#pragma once

#include "config/system_profile.h"
#include "run/sensor_run.h"

namespace trevalunda {

// The located profile as the run reads it; when the installation takes the credentials from
// PRTG, with PRTG's user and password in place of any that the profile gives.
Result<SystemProfile> ReadProfileOfTheRun(const RunRecords& records, const RunServices& services);

// Measures the one system whose profile the run located: logon, identity check, lock
// waiters, result document.
Result<ExitCode> SingleSystemRun(RunRecords& records, RunServices& services);

}  // namespace trevalunda
