#include "measure/system_identity.h"

#include <cstring>

#include "rfc/remote_calls.h"
#include "rfc/structures.h"

namespace trevalunda {
namespace {

// A fixed-width text field of the record, ending early at a zero byte.
std::string FieldText(const SystemInfoFields& fields, RecordField field) {
    const char* start = fields.systemInformation.data() + field.offset;
    return {start, ::strnlen(start, field.width)};
}

}  // namespace

Result<SystemInfoOutcome> ReadSystemInfo(RemoteCalls& calls, RfcHandle handle) {
    SystemInfoFields fields;
    std::string exception;
    Result<int> code = calls.CallSystemInfo(handle, fields, exception);
    if (!code.ok()) {
        return code.fatal();
    }
    SystemInfoOutcome outcome;
    outcome.code = code.value();
    if (outcome.code != kRfcOk) {
        outcome.failureText = OutcomeText(outcome.code, exception);
        return outcome;
    }
    outcome.databaseSystem = FieldText(fields, kRfcDatabaseSystem);
    outcome.hostName = FieldText(fields, kRfcHost);
    return outcome;
}

bool RunsOnOracle(std::string_view databaseSystem) {
    return databaseSystem.starts_with("ORA");
}

}  // namespace trevalunda
