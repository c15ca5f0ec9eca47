#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevalunda::rfcsim {

// The four texts RfcLastError hands back.
struct ErrorTexts {
    std::string key;
    std::string status;
    std::string message;
    std::string internalStatus;
};

// Failures a system of the landscape is told to show; all of them are off by default.
struct Faults {
    int systemInfoCallCode = 0;
    int systemInfoReceiveCode = 0;
    int lockWaitersCallCode = 0;
    int lockWaitersReceiveCode = 0;
    std::string exception;     // the exception text with receive codes 2 and 3
    std::string handlerError;  // "RfcOpen", "RfcCall <function>" or "RfcReceive <function>"
    ErrorTexts lastError;
    std::string failInstallStructure;  // a structure name
    bool failItCreate = false;
    std::uint32_t failItGetLine = 0;  // 0: no line fails
    bool failItDelete = false;
    std::vector<std::string> traceLines;  // replace the default trace lines of a failure
    // rfcsimnw: the NetWeaver codes RfcInvoke returns (0: from the receive codes instead) and
    // the message of the error info, with \n, \r, \t and \\ resolved (nullopt: the reason).
    int systemInfoInvokeCode = 0;
    int lockWaitersInvokeCode = 0;
    std::optional<std::string> errorMessage;
    // Both libraries: the step that waits ("logon", a function name or "close"), and how long.
    std::string hang;
    std::uint32_t hangSeconds = 3600;
};

inline constexpr std::string_view kDefaultLogonGroup = "PUBLIC";

// One SAP system of the simulated landscape: how it is reached, whom it lets in and what
// it answers.
struct SapSystem {
    std::string name;  // the section name, also the system ID it reports
    std::string destination;
    std::string host;
    std::int64_t systemNumber = 0;
    std::string gatewayHost;
    std::string gatewayService;
    std::string messageServer;  // rfcsimnw: reached through sapnwrfc.ini's MSHOST and GROUP
    std::string logonGroup = std::string(kDefaultLogonGroup);
    std::string client;
    std::string user;
    std::string password;
    std::string databaseSystem = "ORACLE";
    std::string hostName;  // the host name it reports; the section name when not given
    std::uint32_t lockWaiters = 0;
    Faults faults;
};

struct Landscape {
    std::vector<SapSystem> systems;
};

inline constexpr std::string_view kLandscapeFileName = "rfcsim.ini";

// Reads the landscape from the text of an rfcsim.ini file. Keys outside a section, unknown
// keys and lines without "=" are ignored; a number that cannot be read leaves the default.
Landscape ParseLandscape(std::string_view text);

// Reads rfcsim.ini in the folder; nullopt when there is no such file.
std::optional<Landscape> ReadLandscape(const std::filesystem::path& folder);

// The landscape of a folder as a library sees it: read the first time a logon needs it and
// kept from then on.
class LandscapeFile {
  public:
    explicit LandscapeFile(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Null when the folder has no rfcsim.ini.
    const Landscape* Get();
    // A system of the landscape that Get gave, by its index.
    const SapSystem& System(std::size_t index) const { return landscape_->systems[index]; }

  private:
    std::filesystem::path folder_;
    bool read_ = false;
    std::optional<Landscape> landscape_;
};

}  // namespace trevalunda::rfcsim
