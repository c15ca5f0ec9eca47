#include <algorithm>

#include "rfcsim/interface_checks.h"
#include "rfcsim/netweaver_journal.h"
#include "rfcsim/netweaver_simulator.h"
#include "rfcsim/structures.h"
#include "rfcsim/utf16.h"

namespace trevalunda::rfcsim {
namespace {

using Guard = std::lock_guard<std::mutex>;

constexpr std::string_view kSystemInfoExport = "RFCSI_EXPORT";

}  // namespace

// What RfcGetStructure or RfcGetTable hands out: the one structure or table of one function.
struct NetWeaverSimulator::FunctionPart {
    std::string_view operation;
    RemoteFunction function;
    std::string_view name;
    HandleKind kind;
    std::string_view noun;
};

namespace {

constexpr NetWeaverSimulator::FunctionPart kSystemInfoExportPart{
    "RfcGetStructure", RemoteFunction::SystemInfo, kSystemInfoExport, HandleKind::Structure,
    "structure"};
constexpr NetWeaverSimulator::FunctionPart kLockWaitersTablePart{
    "RfcGetTable", RemoteFunction::LockWaiters, kLockWaitersTable, HandleKind::Table, "table"};

const FieldLayout* FindSystemInfoField(std::string_view name) {
    for (const FieldLayout& field : SystemInfoFields()) {
        if (field.name == name) {
            return &field;
        }
    }
    return nullptr;
}

}  // namespace

NwRfcFunctionDescHandle NetWeaverSimulator::RfcGetFunctionDesc(NwRfcConnectionHandle connection,
                                                               const char16_t* functionName,
                                                               NwRfcErrorInfo* errorInfo) {
    const Guard guard(lock_);
    RequireAddress(errorInfo, "RfcGetFunctionDesc: error info");
    const HandleEntry& entry =
        handles_.Checked(connection, HandleKind::Connection, "RfcGetFunctionDesc");
    const std::string name = CheckedText(functionName, "RfcGetFunctionDesc: function name");
    const std::optional<RemoteFunction> function = FindRemoteFunction(name);
    if (!function) {
        InterfaceMismatch("RfcGetFunctionDesc: unknown function " + InQuotes(name));
    }
    const SapSystem& system = System(entry.system);
    std::uintptr_t description = 0;
    if (const std::optional<NetWeaverFailure> failure = DescriptionFailure(system, *function)) {
        Fail(&system, *failure, *errorInfo);
    } else {
        std::uintptr_t& known = descriptions_[{entry.system, *function}];
        if (known == 0) {
            known = handles_.Add(
                {.kind = HandleKind::Description, .system = entry.system, .function = *function});
        }
        description = known;
        FillSuccess(*errorInfo);
    }
    journal_.Write(GetFunctionDescLine(NumberOf(connection), name, description, errorInfo->code));
    return HandleOf<NwRfcFunctionDescHandle>(description);
}

NwRfcFunctionHandle NetWeaverSimulator::RfcCreateFunction(NwRfcFunctionDescHandle description,
                                                          NwRfcErrorInfo* errorInfo) {
    const Guard guard(lock_);
    RequireAddress(errorInfo, "RfcCreateFunction: error info");
    const HandleEntry& entry =
        handles_.Checked(description, HandleKind::Description, "RfcCreateFunction");
    const std::uintptr_t function =
        handles_.Add({.kind = HandleKind::Function, .function = entry.function});
    FillSuccess(*errorInfo);
    journal_.Write(CreateFunctionLine(NumberOf(description), function));
    return HandleOf<NwRfcFunctionHandle>(function);
}

NwRfcReturnCode NetWeaverSimulator::RfcDestroyFunction(NwRfcFunctionHandle function,
                                                       NwRfcErrorInfo* errorInfo) {
    const Guard guard(lock_);
    RequireAddress(errorInfo, "RfcDestroyFunction: error info");
    handles_.Checked(function, HandleKind::Function, "RfcDestroyFunction").released = true;
    FillSuccess(*errorInfo);
    journal_.Write(DestroyFunctionLine(NumberOf(function)));
    return kNwRfcOk;
}

NwRfcReturnCode NetWeaverSimulator::RfcInvoke(NwRfcConnectionHandle connection,
                                              NwRfcFunctionHandle function,
                                              NwRfcErrorInfo* errorInfo) {
    const Guard guard(lock_);
    RequireAddress(errorInfo, "RfcInvoke: error info");
    const std::size_t systemIndex =
        handles_.Checked(connection, HandleKind::Connection, "RfcInvoke").system;
    HandleEntry& entry = handles_.Checked(function, HandleKind::Function, "RfcInvoke");
    const SapSystem& system = System(systemIndex);
    const std::string name(FunctionName(entry.function));
    entry.answeredBy.reset();
    if (HangIfDue(system, name, NumberOf(connection))) {
        Fail(&system, SystemFailure(nullptr, kNwRfcCanceled, name + " canceled"), *errorInfo);
    } else if (const std::optional<NetWeaverFailure> failure =
                   InvokeFailure(system, entry.function)) {
        Fail(&system, *failure, *errorInfo);
    } else {
        entry.answeredBy = systemIndex;
        FillSuccess(*errorInfo);
    }
    journal_.Write(InvokeLine(NumberOf(connection), NumberOf(function), errorInfo->code));
    return errorInfo->code;
}

NwRfcReturnCode NetWeaverSimulator::RfcGetStructure(NwRfcDataContainer container,
                                                    const char16_t* name,
                                                    NwRfcStructureHandle* structure,
                                                    NwRfcErrorInfo* errorInfo) {
    return HandOutPart(kSystemInfoExportPart, container, name, structure, errorInfo);
}

NwRfcReturnCode NetWeaverSimulator::RfcGetChars(NwRfcDataContainer container,
                                                const char16_t* fieldName, char16_t* buffer,
                                                unsigned length, NwRfcErrorInfo* errorInfo) {
    const Guard guard(lock_);
    RequireAddress(errorInfo, "RfcGetChars: error info");
    const HandleEntry& structure =
        handles_.Checked(container, HandleKind::Structure, "RfcGetChars");
    const std::string name = CheckedText(fieldName, "RfcGetChars: field name");
    const FieldLayout* field = FindSystemInfoField(name);
    if (field == nullptr) {
        InterfaceMismatch("RfcGetChars: " + std::string(kSystemInfoExport) + " has no field " +
                          InQuotes(name));
    }
    RequireAddress(buffer, "RfcGetChars " + name + ": buffer");
    if (length != field->length) {
        InterfaceMismatch("RfcGetChars " + name + ": length " + std::to_string(length) +
                          ", the field has " + std::to_string(field->length));
    }
    const SapSystem& system = System(
        *handles_.Checked(HandleOf<void*>(structure.owner), HandleKind::Function, "RfcGetChars")
             .answeredBy);
    std::u16string value = Utf16FromUtf8(SystemInfoValue(system, name));
    value.resize(length, u' ');
    std::copy(value.begin(), value.end(), buffer);
    FillSuccess(*errorInfo);
    journal_.Write(GetCharsLine(NumberOf(container), name, length));
    return kNwRfcOk;
}

NwRfcReturnCode NetWeaverSimulator::RfcGetTable(NwRfcDataContainer container, const char16_t* name,
                                                NwRfcTableHandle* table,
                                                NwRfcErrorInfo* errorInfo) {
    return HandOutPart(kLockWaitersTablePart, container, name, table, errorInfo);
}

NwRfcReturnCode NetWeaverSimulator::RfcGetRowCount(NwRfcTableHandle table, unsigned* count,
                                                   NwRfcErrorInfo* errorInfo) {
    const Guard guard(lock_);
    RequireAddress(errorInfo, "RfcGetRowCount: error info");
    const HandleEntry& entry = handles_.Checked(table, HandleKind::Table, "RfcGetRowCount");
    RequireAddress(count, "RfcGetRowCount: count address");
    *count = AnsweringSystem(entry.owner, "RfcGetRowCount").lockWaiters;
    FillSuccess(*errorInfo);
    journal_.Write(GetRowCountLine(NumberOf(table), *count));
    return kNwRfcOk;
}

void NetWeaverSimulator::CheckFunction(NwRfcDataContainer container, RemoteFunction expected,
                                       std::string_view part, const std::string& operation) {
    const HandleEntry& entry = handles_.Checked(container, HandleKind::Function, operation);
    if (entry.function != expected) {
        InterfaceMismatch(operation + " " + InQuotes(part) + ": function " +
                          std::to_string(NumberOf(container)) + " is " +
                          std::string(FunctionName(entry.function)));
    }
    AnsweringSystem(NumberOf(container), operation);
}

const SapSystem& NetWeaverSimulator::AnsweringSystem(std::uintptr_t function,
                                                     const std::string& operation) {
    const HandleEntry& entry =
        handles_.Checked(HandleOf<void*>(function), HandleKind::Function, operation);
    if (!entry.answeredBy) {
        InterfaceMismatch(operation + ": function " + std::to_string(function) +
                          " holds no answer: no successful RfcInvoke");
    }
    return System(*entry.answeredBy);
}

NwRfcReturnCode NetWeaverSimulator::HandOutPart(const FunctionPart& part,
                                                NwRfcDataContainer container, const char16_t* name,
                                                void** handed, NwRfcErrorInfo* errorInfo) {
    const Guard guard(lock_);
    const std::string operation(part.operation);
    const std::string noun(part.noun);
    RequireAddress(errorInfo, operation + ": error info");
    RequireAddress(handed, operation + ": " + noun + " address");
    const std::string asked = CheckedText(name, operation + ": name");
    CheckFunction(container, part.function, asked, operation);
    if (asked != part.name) {
        InterfaceMismatch(operation + ": " + std::string(FunctionName(part.function)) + " has no " +
                          noun + " " + InQuotes(asked));
    }
    const std::uintptr_t number = PartOf(NumberOf(container), part.kind);
    *handed = HandleOf<void*>(number);
    FillSuccess(*errorInfo);
    journal_.Write(GetPartLine(operation, NumberOf(container), asked, noun, number));
    return kNwRfcOk;
}

std::uintptr_t NetWeaverSimulator::PartOf(std::uintptr_t function, HandleKind kind) {
    HandleEntry& entry = handles_.Checked(HandleOf<void*>(function), HandleKind::Function, "");
    if (entry.part == 0) {
        entry.part = handles_.Add({.kind = kind, .function = entry.function, .owner = function});
    }
    return entry.part;
}

}  // namespace trevalunda::rfcsim
