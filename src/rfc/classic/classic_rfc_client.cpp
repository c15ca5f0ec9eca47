#include "rfc/classic/classic_rfc_client.h"

#include <cstring>
#include <utility>

#include "platform/process.h"
#include "rfc/classic/error_report.h"
#include "rfc/classic/structures.h"
#include "rfc/trace_scan.h"

namespace trevalunda {
namespace {

constexpr char kLockWaiterTable[] = "EXCLUSIVE_LOCK_WAITERS";

// A fixed-width text field of the system information record, ending early at a zero byte.
std::string FieldText(const SystemInfoFields& fields, RecordField field) {
    const char* start = fields.systemInformation.data() + field.offset;
    return {start, ::strnlen(start, field.width)};
}

// Counts the table's lines, fetching each one as the library hands them out.
Result<std::uint32_t> CountLines(const RfcFunctions& functions, void* table) {
    std::uint32_t count = 0;
    for (std::uint32_t line = 1; functions.ItFill(table) >= line; ++line) {
        ++count;
        if (functions.ItGetLine(table, line) == nullptr) {
            return Fatal::LibraryError("ItGetLine EXCLUSIVE_LOCK_WAITERS");
        }
    }
    return count;
}

}  // namespace

ClassicRfcClient::ClassicRfcClient(std::unique_ptr<platform::SharedLibrary> library,
                                   const RfcFunctions& functions, const RfcClientServices& services)
    : library_(std::move(library)),
      functions_(functions),
      services_(services),
      connector_(functions_, services_.files, services_.out, services_.log),
      calls_(functions_, services_.log) {}

ClassicRfcClient::~ClassicRfcClient() = default;

Result<LogonOutcome> ClassicRfcClient::LogOn(const LogonData& system) {
    // The error handler is registered anew before each logon.
    environment_ = {InstallRfcErrorHandler(services_.out, functions_), nullptr};
    functions_.RfcEnvironment(&environment_);
    connection_ = connector_.OpenConnection(system);
    return LogonOutcome{connection_ != 0, {}};
}

Result<IdentityOutcome> ClassicRfcClient::AskIdentity() {
    SystemInfoFields fields;
    std::string exception;
    Result<int> code = calls_.CallSystemInfo(connection_, fields, exception);
    if (!code.ok()) {
        return code.fatal();
    }
    IdentityOutcome outcome;
    outcome.code = code.value();
    if (outcome.code != kRfcOk) {
        outcome.failureText = OutcomeText(outcome.code, exception);
        return outcome;
    }
    outcome.databaseSystem = FieldText(fields, kRfcDatabaseSystem);
    outcome.hostName = FieldText(fields, kRfcHost);
    return outcome;
}

Result<LockWaitersOutcome> ClassicRfcClient::CountLockWaiters() {
    char tableName[sizeof kLockWaiterTable];
    std::copy(std::begin(kLockWaiterTable), std::end(kLockWaiterTable), tableName);
    void* table =
        functions_.ItCreate(tableName, static_cast<std::uint32_t>(kLockWaiterLineLength), 0, 0);
    if (table == nullptr) {
        return Fatal::LibraryError("ItCreate EXCLUSIVE_LOCK_WAITERS");
    }
    std::string exception;
    Result<int> code = calls_.CallLockWaiters(connection_, table, exception);
    if (!code.ok()) {
        return code.fatal();
    }
    LockWaitersOutcome outcome;
    outcome.code = code.value();
    if (outcome.code == kRfcOk) {
        Result<std::uint32_t> count = CountLines(functions_, table);
        if (!count.ok()) {
            return count.fatal();
        }
        outcome.count = count.value();
    } else {
        outcome.failureText = OutcomeText(outcome.code, exception);
    }
    if (functions_.ItDelete(table) != 0) {
        return Fatal::LibraryError("ItDelete EXCLUSIVE_LOCK_WAITERS");
    }
    return outcome;
}

void ClassicRfcClient::Close() {
    if (connection_ != 0) {
        functions_.RfcClose(connection_);
        connection_ = 0;
    }
}

std::string ClassicRfcClient::FailureFinding() {
    return ScanRfcTrace(services_.files);
}

std::string ClassicRfcClient::DescribeLastFailure() {
    return DescribeRfcLastError(functions_) + "; " + DescribeRfcTrace(services_.files);
}

void ClassicRfcClient::PrintErrorReport(platform::OutputSink& out, std::string_view operation) {
    PrintRfcErrorReport(out, functions_, operation);
}

}  // namespace trevalunda
