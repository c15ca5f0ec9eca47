#include "rfc/netweaver/netweaver_rfc_client.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/text.h"
#include "base/unicode.h"
#include "output/console_lines.h"
#include "output/run_log.h"
#include "platform/file_system.h"
#include "platform/output_sink.h"
#include "platform/process.h"
#include "rfc/trace_scan.h"

namespace trevalunda {
namespace {

constexpr std::string_view kConfigurationFile = "sapnwrfc.ini";
constexpr std::size_t kMessageLimit = 200;
constexpr std::size_t kDatabaseSystemLength = 10;
constexpr std::size_t kHostLength = 8;

// A zero-terminated text of the error info, up to its terminator or the end of its field.
template <std::size_t Size>
std::u16string_view FieldText(const char16_t (&field)[Size]) {
    const auto end = std::find(field, field + Size, u'\0');
    return {field, static_cast<std::size_t>(end - field)};
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The system number as two digits at least: "0" gives "00", "7" gives "07".
std::string TwoDigitSystemNumber(std::string_view text) {
    std::string digits = std::to_string(ParseLeadingInteger(text));
    if (digits.size() < 2) {
        digits.insert(0, 2 - digits.size(), '0');
    }
    return digits;
}

// The logon parameters by their names, kept in UTF-16 while the library reads them.
class LogonParameters {
  public:
    void Add(std::u16string_view name, std::string_view value) {
        texts_.emplace_back(name);
        texts_.push_back(Utf16FromText(value));
    }
    std::vector<NwRfcConnectionParameter> Records() const {
        std::vector<NwRfcConnectionParameter> records;
        for (std::size_t i = 0; i + 1 < texts_.size(); i += 2) {
            records.push_back({texts_[i].c_str(), texts_[i + 1].c_str()});
        }
        return records;
    }

  private:
    std::vector<std::u16string> texts_;
};

LogonParameters ParametersFor(const LogonData& system, bool destinationConfigured) {
    LogonParameters parameters;
    if (destinationConfigured) {
        // Message server, logon group, SAProuter and SNC come from SAP's own file.
        parameters.Add(u"dest", system.destination);
    }
    parameters.Add(u"client", system.client);
    parameters.Add(u"user", system.user);
    parameters.Add(u"passwd", system.password);
    parameters.Add(u"lang", system.language);
    if (!destinationConfigured) {
        // A profile without a host names no server: the library refuses that logon itself.
        if (!system.host.empty()) {
            parameters.Add(u"ashost", system.host);
        }
        parameters.Add(u"sysnr", TwoDigitSystemNumber(system.systemNumber));
        if (!system.gatewayHost.empty()) {
            parameters.Add(u"gwhost", system.gatewayHost);
        }
        if (!system.gatewayService.empty()) {
            parameters.Add(u"gwserv", system.gatewayService);
        }
    }
    return parameters;
}

}  // namespace

// One remote function module, from its description to the destruction of its function
// handle, which happens on every path.
class NetWeaverRfcClient::RemoteCall {
  public:
    RemoteCall(const NwRfcFunctions& functions, NwRfcConnectionHandle connection,
               std::u16string_view name)
        : functions_(functions), connection_(connection), name_(name) {}
    ~RemoteCall() {
        if (function_ != nullptr) {
            NwRfcErrorInfo ignored{};
            functions_.RfcDestroyFunction(function_, &ignored);
        }
    }
    RemoteCall(const RemoteCall&) = delete;
    RemoteCall& operator=(const RemoteCall&) = delete;

    // Looks the function up, creates it and invokes it; false with the error info filled.
    bool Invoke(NwRfcErrorInfo& info) {
        NwRfcFunctionDescHandle description =
            functions_.RfcGetFunctionDesc(connection_, name_.c_str(), &info);
        if (description == nullptr) {
            return false;
        }
        function_ = functions_.RfcCreateFunction(description, &info);
        return function_ != nullptr &&
               functions_.RfcInvoke(connection_, function_, &info) == kNwRfcOk;
    }

    // A text field of an export structure, blank-padded to its length as the system has it.
    bool ReadChars(std::u16string_view structure, std::u16string_view field, std::size_t length,
                   std::string& text, NwRfcErrorInfo& info) {
        NwRfcStructureHandle record = nullptr;
        const std::u16string structureName(structure);
        if (functions_.RfcGetStructure(function_, structureName.c_str(), &record, &info) !=
            kNwRfcOk) {
            return false;
        }
        std::u16string buffer(length, u' ');
        const std::u16string fieldName(field);
        if (functions_.RfcGetChars(record, fieldName.c_str(), buffer.data(),
                                   static_cast<unsigned>(length), &info) != kNwRfcOk) {
            return false;
        }
        text = TextFromUtf16(buffer);
        return true;
    }

    // The number of rows of a table parameter.
    bool CountRows(std::u16string_view table, std::uint32_t& rows, NwRfcErrorInfo& info) {
        NwRfcTableHandle handle = nullptr;
        const std::u16string tableName(table);
        if (functions_.RfcGetTable(function_, tableName.c_str(), &handle, &info) != kNwRfcOk) {
            return false;
        }
        unsigned count = 0;
        if (functions_.RfcGetRowCount(handle, &count, &info) != kNwRfcOk) {
            return false;
        }
        rows = count;
        return true;
    }

  private:
    const NwRfcFunctions& functions_;
    NwRfcConnectionHandle connection_;
    std::u16string name_;
    NwRfcFunctionHandle function_ = nullptr;
};

NetWeaverRfcClient::NetWeaverRfcClient(std::unique_ptr<platform::SharedLibrary> library,
                                       const NwRfcFunctions& functions,
                                       const RfcClientServices& services,
                                       std::string executablePath)
    : library_(std::move(library)),
      functions_(functions),
      services_(services),
      executablePath_(std::move(executablePath)) {}

NetWeaverRfcClient::~NetWeaverRfcClient() {
    Close();
}

const std::optional<std::string>& NetWeaverRfcClient::Configuration() {
    if (!configurationRead_) {
        configurationRead_ = true;
        const std::string folder(platform::FolderOf(executablePath_));
        const platform::FileContent file =
            services_.files.Read(folder + std::string(kConfigurationFile));
        if (file.status == platform::ReadStatus::Ok) {
            configuration_ = file.bytes;
            std::string native = platform::NativePathOf(folder);
            if (native.size() > 1 && platform::IsPathSeparator(native.back())) {
                native.pop_back();
            }
            NwRfcErrorInfo ignored{};
            functions_.RfcSetIniPath(Utf16FromText(native).c_str(), &ignored);
        }
    }
    return configuration_;
}

int NetWeaverRfcClient::Failed(const NwRfcErrorInfo& info) {
    lastMessage_ = NetWeaverMessage(info);
    lastKey_ = TextFromUtf16(FieldText(info.key));
    return info.code != kNwRfcOk ? info.code : kNwRfcUnknownError;
}

Result<LogonOutcome> NetWeaverRfcClient::LogOn(const LogonData& system) {
    Close();
    if (system.mode == "R/2") {
        lastMessage_ = "R/2 systems need the classic RFC library";
        lastKey_.clear();
        services_.log.WriteTraceLine(0, "RfcOpen called", "");
        return LogonOutcome{false, lastMessage_};
    }
    const std::optional<std::string>& configuration = Configuration();
    const bool destinationConfigured =
        configuration && ConfigurationDefines(*configuration, system.destination);
    // The texts must live until the library has read them.
    const LogonParameters texts = ParametersFor(system, destinationConfigured);
    const std::vector<NwRfcConnectionParameter> parameters = texts.Records();
    NwRfcErrorInfo info{};
    connection_ = functions_.RfcOpenConnection(parameters.data(),
                                               static_cast<unsigned>(parameters.size()), &info);
    services_.log.WriteTraceLine(connection_ != nullptr ? ++connectionNumber_ : 0, "RfcOpen called",
                                 "");
    if (connection_ == nullptr) {
        Failed(info);
        return LogonOutcome{false, lastMessage_};
    }
    return LogonOutcome{true, {}};
}

Result<IdentityOutcome> NetWeaverRfcClient::AskIdentity() {
    IdentityOutcome outcome;
    NwRfcErrorInfo info{};
    RemoteCall call(functions_, connection_, u"RFC_SYSTEM_INFO");
    const bool answered = call.Invoke(info);
    services_.log.WriteTraceLine(connectionNumber_, "RfcCall called", "");
    services_.log.WriteTraceLine(connectionNumber_, "RfcReceive called", "");
    if (!answered ||
        !call.ReadChars(u"RFCSI_EXPORT", u"RFCDBSYS", kDatabaseSystemLength, outcome.databaseSystem,
                        info) ||
        !call.ReadChars(u"RFCSI_EXPORT", u"RFCHOST", kHostLength, outcome.hostName, info)) {
        outcome.code = Failed(info);
        outcome.failureText = NetWeaverOutcomeText(info);
        outcome.databaseSystem.clear();
        outcome.hostName.clear();
    }
    return outcome;
}

Result<LockWaitersOutcome> NetWeaverRfcClient::CountLockWaiters() {
    LockWaitersOutcome outcome;
    NwRfcErrorInfo info{};
    RemoteCall call(functions_, connection_, u"S_DB_EXCLUSIVE_LOCK_WAITERS");
    const bool answered = call.Invoke(info);
    services_.log.WriteTraceLine(connectionNumber_, "RfcCall called", "");
    services_.log.WriteTraceLine(connectionNumber_, "RfcReceive called", "");
    if (!answered || !call.CountRows(u"EXCLUSIVE_LOCK_WAITERS", outcome.count, info)) {
        outcome.code = Failed(info);
        outcome.failureText = NetWeaverOutcomeText(info);
        outcome.count = 0;
    }
    return outcome;
}

void NetWeaverRfcClient::Close() {
    if (connection_ != nullptr) {
        NwRfcErrorInfo ignored{};
        functions_.RfcCloseConnection(connection_, &ignored);
        connection_ = nullptr;
    }
}

std::string NetWeaverRfcClient::FailureFinding() {
    return lastMessage_.empty() ? ScanRfcTrace(services_.files) : " - " + lastMessage_;
}

std::string NetWeaverRfcClient::DescribeLastFailure() {
    if (lastMessage_.empty() && lastKey_.empty()) {
        return "the error info gives no message; " + DescribeRfcTrace(services_.files);
    }
    std::string text = "error info: " + (lastMessage_.empty() ? "no message" : lastMessage_);
    if (!lastKey_.empty()) {
        text += " (key " + lastKey_ + ")";
    }
    return text;
}

void NetWeaverRfcClient::PrintErrorReport(platform::OutputSink& out, std::string_view operation) {
    const platform::OutputHold answer = out.BeginAnswer();
    out.Write("RFC error\n");
    PrintLabelValue(out, "operation/code", 0, 15, operation);
    PrintLabelValue(out, "message", 0, 15, lastMessage_);
    out.Write("\n");
}

std::string NetWeaverOutcomeText(const NwRfcErrorInfo& info) {
    switch (info.code) {
        case kNwRfcAbapException:
            return "Error 1012: Exception.: " + TextFromUtf16(FieldText(info.key));
        case kNwRfcAbapRuntimeFailure:
        case kNwRfcAbapMessage:
            return "Error 1013: Sys-Exception raised !";
        case kNwRfcCommunicationFailure:
            return "Error 1014: RFC-Failure raised !";
        default:
            return "Error 1015: Other Failure raised !";
    }
}

std::string NetWeaverMessage(const NwRfcErrorInfo& info) {
    std::u16string cleaned;
    std::size_t characters = 0;
    bool blank = false;
    for (const char16_t unit : FieldText(info.message)) {
        const bool space = unit == u' ' || unit == u'\t' || unit == u'\r' || unit == u'\n';
        if (space) {
            blank = !cleaned.empty();
            continue;
        }
        const bool trailingSurrogate = unit >= 0xDC00 && unit <= 0xDFFF;
        if (!trailingSurrogate && characters + (blank ? 1 : 0) >= kMessageLimit) {
            break;
        }
        if (blank) {
            cleaned += u' ';
            ++characters;
            blank = false;
        }
        cleaned += unit;
        characters += trailingSurrogate ? 0 : 1;
    }
    return TextFromUtf16(cleaned);
}

bool ConfigurationDefines(std::string_view configuration, std::string_view destination) {
    std::size_t start = 0;
    while (start <= configuration.size()) {
        const std::size_t end = std::min(configuration.find('\n', start), configuration.size());
        const std::string_view line = Trim(configuration.substr(start, end - start));
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos &&
            EqualsIgnoringCase(Trim(line.substr(0, equals)), "DEST") &&
            EqualsIgnoringCase(Trim(line.substr(equals + 1)), destination)) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace trevalunda
