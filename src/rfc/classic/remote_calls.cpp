#include "rfc/classic/remote_calls.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "output/run_log.h"
#include "rfc/classic/classic_functions.h"
#include "rfc/classic/structures.h"

namespace trevalunda {
namespace {

constexpr std::size_t kExceptionLimit = 255;  // the exception text buffer holds 256 bytes

// Names handed to the library: it takes them as modifiable texts, so each call gets copies.
class NameBuffer {
  public:
    char* Add(std::string_view name) {
        names_.emplace_back(name.begin(), name.end());
        names_.back().push_back('\0');
        return names_.back().data();
    }

  private:
    std::vector<std::vector<char>> names_;
};

RfcParameterEntry Parameter(NameBuffer& names, std::string_view name, std::uint32_t type,
                            std::uint32_t length, void* value) {
    return {names.Add(name), static_cast<std::uint32_t>(name.size()), type, length, value};
}

std::vector<RfcElementRow> ElementRows(NameBuffer& names,
                                       const std::vector<StructureField>& fields) {
    std::vector<RfcElementRow> rows;
    for (const StructureField& field : fields) {
        rows.push_back({names.Add(field.name), field.type, field.length, 0, 0});
    }
    return rows;
}

}  // namespace

std::string OutcomeText(int code, const std::string& exception) {
    switch (code) {
        case kRfcFailure:
            return "Error 1014: RFC-Failure raised !";
        case kRfcException:
            return "Error 1012: Exception.: " + exception;
        case kRfcSystemException:
            return "Error 1013: Sys-Exception raised !";
        default:
            return "Error 1015: Other Failure raised !";
    }
}

RemoteCalls::RemoteCalls(const RfcFunctions& functions, RunLog& log)
    : functions_(functions), log_(log) {}

Status RemoteCalls::InstallStructure(std::string_view name,
                                     const std::vector<StructureField>& fields,
                                     std::uint32_t& typeHandle) {
    if (typeHandle != 0) {
        return std::nullopt;
    }
    NameBuffer names;
    std::vector<RfcElementRow> rows = ElementRows(names, fields);
    if (functions_.RfcInstallStructure(names.Add(name), rows.data(),
                                       static_cast<std::uint32_t>(rows.size()), &typeHandle) != 0) {
        return Fatal::LibraryError("RfcInstallStructure");
    }
    return std::nullopt;
}

int RemoteCalls::Call(RfcHandle handle, const char* function, RfcTableEntry* tables,
                      RfcParameterEntry* importing, std::string& exception) {
    NameBuffer names;
    RfcParameterEntry noExports[] = {{nullptr, 0, 0, 0, nullptr}};
    const int sent = functions_.RfcCall(handle, names.Add(function), noExports, tables);
    log_.WriteTraceLine(handle, "RfcCall called", "");
    if (sent != kRfcOk) {
        return sent;
    }
    char* exceptionText = nullptr;
    const int code = functions_.RfcReceive(handle, importing, tables, &exceptionText);
    log_.WriteTraceLine(handle, "RfcReceive called", "");
    if ((code == kRfcException || code == kRfcSystemException) && exceptionText != nullptr) {
        exception.assign(exceptionText, ::strnlen(exceptionText, kExceptionLimit));
    }
    return code;
}

Result<int> RemoteCalls::CallSystemInfo(RfcHandle handle, SystemInfoFields& fields,
                                        std::string& exception) {
    if (Status failed = InstallStructure("RFCSI", SystemInfoStructure(), systemInfoType_)) {
        return *failed;
    }
    NameBuffer names;
    RfcParameterEntry importing[] = {
        Parameter(names, "CURRENT_RESOURCES", kRfcTypeInt, 4, &fields.currentResources),
        Parameter(names, "DIALOG_USER_TYPE", kRfcTypeChar, 1, &fields.dialogUserType),
        Parameter(names, "MAXIMAL_RESOURCES", kRfcTypeInt, 4, &fields.maximalResources),
        Parameter(names, "RECOMMENDED_DELAY", kRfcTypeInt, 4, &fields.recommendedDelay),
        Parameter(names, "RFCSI_EXPORT", systemInfoType_, kRfcsiLength,
                  fields.systemInformation.data()),
        Parameter(names, "RFC_LOGIN_COMPLETE", kRfcTypeChar, 1, &fields.loginComplete),
        {nullptr, 0, 0, 0, nullptr},
    };
    RfcTableEntry noTables[] = {{nullptr, 0, 0, 0, nullptr, 0, 0}};
    return Call(handle, "RFC_SYSTEM_INFO", noTables, importing, exception);
}

Result<int> RemoteCalls::CallLockWaiters(RfcHandle handle, void* table, std::string& exception) {
    if (Status failed = InstallStructure("EXCLLCKWTS", LockWaiterStructure(), lockWaitersType_)) {
        return *failed;
    }
    NameBuffer names;
    constexpr std::string_view kTable = "EXCLUSIVE_LOCK_WAITERS";
    RfcTableEntry tables[] = {
        {names.Add(kTable), static_cast<std::uint32_t>(kTable.size()), lockWaitersType_,
         static_cast<std::uint32_t>(kLockWaiterLineLength), table, 0, 0},
        {nullptr, 0, 0, 0, nullptr, 0, 0},
    };
    RfcParameterEntry noImports[] = {{nullptr, 0, 0, 0, nullptr}};
    return Call(handle, "S_DB_EXCLUSIVE_LOCK_WAITERS", tables, noImports, exception);
}

}  // namespace trevalunda
