#pragma once

#include "run/sensor_run.h"

namespace trevalunda {

// Serves every system of the sensor's listing: one channel per measured system, written as
// soon as the system is done, and a summary of the systems served, processed and failed.
Result<ExitCode> MultiSystemRun(RunRecords& records, RunServices& services);

}  // namespace trevalunda
