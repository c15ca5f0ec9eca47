#include "rfc/classic/connection.h"

#include <vector>

#include "base/text.h"
#include "output/run_log.h"
#include "platform/file_system.h"
#include "platform/output_sink.h"
#include "rfc/classic/classic_functions.h"
#include "rfc/rfc_client.h"

namespace trevalunda {
namespace {

constexpr std::size_t kUserPadding = 12;
constexpr std::size_t kPasswordPadding = 10;
constexpr std::string_view kR2Mode = "R/2";
constexpr std::string_view kPreparedConfiguration = "SapRfc.";
constexpr std::string_view kLibraryConfiguration = "SapRfc.ini";

void PadWithBlanks(std::string& text, std::size_t length) {
    if (text.size() < length) {
        text.append(length - text.size(), ' ');
    }
}

// A text of the connection options: null when there is none.
char* TextOrNull(std::string& text) {
    return text.empty() ? nullptr : text.data();
}

}  // namespace

RfcConnector::RfcConnector(const RfcFunctions& functions, platform::FileSystem& files,
                           platform::OutputSink& out, RunLog& log)
    : functions_(functions), files_(files), out_(out), log_(log) {}

RfcHandle RfcConnector::OpenConnection(const LogonData& system) {
    CopyLogonData(system);
    FillOptions();
    if (files_.CanOpenForReading(std::string(kPreparedConfiguration) + destination_)) {
        return OpenWithPreparedConfiguration(system);
    }
    const RfcHandle handle = functions_.RfcOpen(&options_);
    log_.WriteTraceLine(handle, "RfcOpen called", "");
    return handle;
}

void RfcConnector::CopyLogonData(const LogonData& system) {
    destination_ = system.destination;
    client_ = system.client;
    user_ = system.user;
    password_ = system.password;
    language_ = system.language;
    mode_ = system.mode;
    host_ = system.host;
    systemNumber_ = system.systemNumber;
    gatewayHost_ = system.gatewayHost;
    gatewayService_ = system.gatewayService;
    PadWithBlanks(user_, kUserPadding);
    PadWithBlanks(password_, kPasswordPadding);
}

void RfcConnector::FillOptions() {
    options_.destination = destination_.data();
    options_.client = client_.data();
    options_.user = user_.data();
    options_.password = password_.data();
    options_.language = language_.data();
    options_.trace = 0;
    if (mode_ == kR2Mode) {
        options_.mode = kRfcModeR2;
        r2Options_.gatewayHost = TextOrNull(gatewayHost_);
        r2Options_.gatewayService = TextOrNull(gatewayService_);
        options_.connectionOptions = &r2Options_;
        return;
    }
    options_.mode = kRfcModeR3;
    r3Options_.host = TextOrNull(host_);
    r3Options_.gatewayHost = TextOrNull(gatewayHost_);
    r3Options_.gatewayService = TextOrNull(gatewayService_);
    // An empty system number keeps what the options held before.
    if (!systemNumber_.empty()) {
        r3Options_.systemNumber = static_cast<std::int32_t>(ParseLeadingInteger(systemNumber_));
    }
    options_.connectionOptions = &r3Options_;
}

RfcHandle RfcConnector::OpenWithPreparedConfiguration(const LogonData& system) {
    // A progress line like any other: without the switch the monitoring host reads the
    // result document alone.
    if (system.progressLines) {
        out_.Write("* SapRfc.Ini.......: " + destination_ + "<\n");
    }
    if (!files_.Copy(std::string(kPreparedConfiguration) + destination_,
                     std::string(kLibraryConfiguration))) {
        return 0;
    }
    // The library takes the rest of the logon data from its configuration file; user and
    // password go without their padding, and the language is always German.
    std::string connect = "CLIENT=" + client_ + " USER=" + system.user +
                          " PASSWD=" + system.password + " LANG=D DEST=" + destination_;
    std::vector<char> errorRecord(kRfcOpenExErrorBufferSize, '\0');
    const RfcHandle handle = functions_.RfcOpenEx(connect.data(), errorRecord.data());
    log_.WriteTraceLine(handle, "RfcOpenEx called", "");
    return handle;
}

}  // namespace trevalunda
