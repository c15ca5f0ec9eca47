#include "measure/lock_waiters.h"

#include "output/result_document.h"
#include "rfc/remote_calls.h"
#include "rfc/rfc_library.h"

namespace trevalunda {
namespace {

constexpr char kTableName[] = "EXCLUSIVE_LOCK_WAITERS";

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

Result<LockWaiterOutcome> MeasureLockWaiters(const RfcFunctions& functions, RemoteCalls& calls,
                                             RfcHandle handle) {
    char tableName[sizeof kTableName];
    std::copy(std::begin(kTableName), std::end(kTableName), tableName);
    void* table =
        functions.ItCreate(tableName, static_cast<std::uint32_t>(kLockWaiterLineLength), 0, 0);
    if (table == nullptr) {
        return Fatal::LibraryError("ItCreate EXCLUSIVE_LOCK_WAITERS");
    }
    std::string exception;
    Result<int> code = calls.CallLockWaiters(handle, table, exception);
    if (!code.ok()) {
        return code.fatal();
    }
    LockWaiterOutcome outcome;
    outcome.code = code.value();
    if (outcome.code == kRfcOk) {
        Result<std::uint32_t> count = CountLines(functions, table);
        if (!count.ok()) {
            return count.fatal();
        }
        outcome.count = count.value();
    } else {
        outcome.failureText = OutcomeText(outcome.code, exception);
    }
    if (functions.ItDelete(table) != 0) {
        return Fatal::LibraryError("ItDelete EXCLUSIVE_LOCK_WAITERS");
    }
    return outcome;
}

void WriteLockResult(ResultDocument& document, std::string_view destination, std::uint32_t count) {
    const std::string value = std::to_string(count);
    document.OpenDocument();
    document.OpenText();
    document.AppendText("(");
    document.AppendText(destination);
    document.AppendText(") Oracle-Locks: ");
    document.AppendText("No_of_Locks=");
    document.AppendText(GroupThousands(value));
    document.AppendText(" ");
    document.CloseText();
    document.AddChannel(kLockItem, value, "");
    document.CloseDocument();
}

}  // namespace trevalunda
