#pragma once

#include "base/result.h"
#include "rfc/rfc_client.h"

namespace trevalunda {

struct RunRecords;
struct RunServices;
struct SystemProfile;
class ParameterText;

// Opens the RFC client when the run first needs it; it serves every later system too.
Status StartRfcClient(RunRecords& records, RunServices& services);

// The logon data of a system: its profile's values, with the host and system number that the
// parameter text gives instead (",HOST=", ",NO="; an empty value keeps the profile's).
LogonData LogonDataFor(const SystemProfile& profile, const ParameterText& parameters);

}  // namespace trevalunda
