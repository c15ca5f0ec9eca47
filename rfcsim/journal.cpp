#include "rfcsim/journal.h"

#include <fstream>

namespace trevalunda::rfcsim {
namespace {

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

std::string Result(std::int64_t value) {
    return " -> " + Number(value);
}

std::string R3Options(const RfcR3Options& r3) {
    return " host=" + Quoted(r3.host) + " sysnr=" + Number(r3.systemNumber) +
           " gwhost=" + Quoted(r3.gatewayHost) + " gwservice=" + Quoted(r3.gatewayService);
}

std::string R2Options(const RfcR2Options& r2) {
    return " gwhost=" + Quoted(r2.gatewayHost) + " gwservice=" + Quoted(r2.gatewayService);
}

}  // namespace

void Journal::Write(std::string_view line) const {
    std::ofstream file(folder_ / kJournalFileName, std::ios::binary | std::ios::app);
    file << line << '\n';
}

std::string InQuotes(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string Quoted(const char* text) {
    return text == nullptr ? "null" : InQuotes(text);
}

std::string Masked(std::string_view password) {
    std::string masked(password);
    for (char& c : masked) {
        if (c != ' ') {
            c = '*';
        }
    }
    return masked;
}

std::string EnvironmentLine(const RfcEnvironmentRecord& record) {
    return std::string("RfcEnvironment handler=") + (record.errorHandler ? "set" : "null") +
           " allocator=" + (record.allocator ? "set" : "null");
}

std::string OpenLine(const RfcOpenOptions& options, RfcHandle handle) {
    const std::string password =
        options.password == nullptr ? "null" : InQuotes(Masked(options.password));
    std::string line = "RfcOpen destination=" + Quoted(options.destination) +
                       " mode=" + Number(options.mode) + " client=" + Quoted(options.client) +
                       " user=" + Quoted(options.user) + " password=" + password +
                       " language=" + Quoted(options.language) + " trace=" + Number(options.trace);
    if (options.connectionOptions != nullptr) {
        line += options.mode == kRfcModeR2
                    ? R2Options(*static_cast<const RfcR2Options*>(options.connectionOptions))
                    : R3Options(*static_cast<const RfcR3Options*>(options.connectionOptions));
    }
    return line + Result(handle);
}

std::string OpenExLine(std::string_view maskedConnectString, RfcHandle handle) {
    return "RfcOpenEx " + InQuotes(maskedConnectString) + Result(handle);
}

std::string InstallStructureLine(const char* name, std::uint32_t rows, std::uint32_t shown) {
    return "RfcInstallStructure " + Quoted(name) + " rows=" + Number(rows) + Result(shown);
}

std::string CallLine(RfcHandle handle, std::string_view function, int code) {
    return "RfcCall " + Number(handle) + " " + InQuotes(function) + Result(code);
}

std::string ReceiveLine(RfcHandle handle, std::string_view function, int code) {
    return "RfcReceive " + Number(handle) + " " + InQuotes(function) + Result(code);
}

std::string CloseLine(RfcHandle handle) {
    return "RfcClose " + Number(handle);
}

std::string LastErrorLine() {
    return "RfcLastError";
}

std::string ItCreateLine(const char* name, std::uint32_t lineLength) {
    return "ItCreate " + Quoted(name) + " " + Number(lineLength);
}

std::string ItFillLine(std::uint32_t lines) {
    return "ItFill" + Result(lines);
}

std::string ItGetLineLine(std::uint32_t number) {
    return "ItGetLine " + Number(number);
}

std::string ItDeleteLine(int result) {
    return "ItDelete" + Result(result);
}

std::string ErrorHandlerLine(std::string_view operation) {
    return "ErrorHandler " + InQuotes(operation);
}

std::string HangLine(std::string_view step, std::int64_t seconds) {
    return "Hang " + std::string(step) + " " + Number(seconds) + " s";
}

}  // namespace trevalunda::rfcsim
