#include "rfc/classic/error_report.h"

#include <cstring>
#include <string>
#include <utility>

#include "output/console_lines.h"
#include "platform/output_sink.h"
#include "platform/process.h"
#include "rfc/classic/classic_functions.h"

namespace trevalunda {
namespace {

constexpr int kLabelWidth = 15;

// A text field of the error record, up to its terminator or the end of the field.
template <std::size_t Size>
std::string_view FieldText(const char (&field)[Size]) {
    return {field, ::strnlen(field, Size)};
}

// What the error handler needs; the library calls it without any context of the sensor's.
struct ErrorHandlerContext {
    platform::OutputSink* out = nullptr;
    const RfcFunctions* functions = nullptr;
};

ErrorHandlerContext errorHandlerContext;

extern "C" void ReportRfcError(char* operation) noexcept {
    if (errorHandlerContext.out != nullptr && errorHandlerContext.functions != nullptr) {
        PrintRfcErrorReport(*errorHandlerContext.out, *errorHandlerContext.functions,
                            operation != nullptr ? operation : "");
    }
    platform::EndProcess(1);
}

}  // namespace

void PrintRfcErrorReport(platform::OutputSink& out, const RfcFunctions& functions,
                         std::string_view operation) {
    const platform::OutputHold answer = out.BeginAnswer();
    out.Write("RFC error\n");
    PrintLabelValue(out, "operation/code", 0, kLabelWidth, operation);
    RfcErrorRecord record;
    std::memset(&record, 0, sizeof record);
    functions.RfcLastError(&record);
    PrintLabelValue(out, "key", 0, kLabelWidth, FieldText(record.key));
    PrintLabelValue(out, "status", 0, kLabelWidth, FieldText(record.status));
    PrintLabelValue(out, "message", 0, kLabelWidth, FieldText(record.message));
    PrintLabelValue(out, "internal status", 0, kLabelWidth, FieldText(record.internalStatus));
    out.Write("\n");
    functions.RfcClose(0);
    out.Write("* Programm aborted...\n");
    out.Write("* Error at EoXput-File...\n");
    out.Flush();
}

std::string DescribeRfcLastError(const RfcFunctions& functions) {
    RfcErrorRecord record;
    std::memset(&record, 0, sizeof record);
    functions.RfcLastError(&record);
    const std::pair<std::string_view, std::string_view> fields[] = {
        {"key", FieldText(record.key)},
        {"status", FieldText(record.status)},
        {"message", FieldText(record.message)},
        {"internal status", FieldText(record.internalStatus)},
    };
    std::string text;
    for (const auto& [name, value] : fields) {
        if (!value.empty()) {
            text.append(text.empty() ? "" : ", ").append(name).append(" ").append(value);
        }
    }
    return text.empty() ? "the error record is empty" : "error record: " + text;
}

RfcErrorHandler InstallRfcErrorHandler(platform::OutputSink& out, const RfcFunctions& functions) {
    errorHandlerContext = {&out, &functions};
    return ReportRfcError;
}

}  // namespace trevalunda
