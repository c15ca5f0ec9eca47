#pragma once

#include "run/sensor_run.h"

namespace trevalunda {

// Measures the one system whose profile the run located: logon, identity check, lock
// waiters, result document.
Result<ExitCode> SingleSystemRun(RunRecords& records, RunServices& services);

}  // namespace trevalunda
