#include "run/single_system_run.h"

#include "config/system_profile.h"

namespace trevalunda {

Result<ExitCode> SingleSystemRun(RunRecords& records, RunServices& /*services*/) {
    RunContext& run = records.context;
    Result<SystemProfile> profile =
        ReadSystemProfile(records.location.content, records.location.ProfileName,
                          ReadPolicy::Strict, records.profileKey);
    if (!profile.ok()) {
        return profile.fatal();
    }
    records.log.WriteTraceLine(0, "program started", run.programPath);
    return Fatal{"Error 1099: The RFC step is not built yet..."};
}

}  // namespace trevalunda
