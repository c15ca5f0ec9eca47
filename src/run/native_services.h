#pragma once

#include "run/sensor_run.h"

namespace trevalunda {

// The services of a run on the machine itself: its file system, standard output, clock,
// the executable's own path and the RFC libraries installed there.
RunServices NativeRunServices(platform::FileSystem& files, platform::OutputSink& out);

}  // namespace trevalunda
