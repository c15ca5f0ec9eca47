#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "classic_rfc_api.h"
#include "rfcsim/landscape.h"

namespace trevalunda::rfcsim {

// Which system of the landscape a logon reaches (its index), or why it reaches none.
struct Resolution {
    std::optional<std::size_t> system;
    std::string failure;
    // The failure lies in a destination file (missing, without the destination or its host)
    // rather than in reaching a system.
    bool inDestinationFile = false;
};

// Destination names compare in any letter case.
Resolution ResolveByDestination(const Landscape& landscape, std::string_view destination);
// The host compares in any letter case; the system number must be equal.
Resolution ResolveByHost(const Landscape& landscape, std::string_view host,
                         std::int64_t systemNumber);
// Gateway host and service compare in any letter case.
Resolution ResolveByGateway(const Landscape& landscape, std::string_view host,
                            std::string_view service);

// The message server host and the logon group compare in any letter case.
Resolution ResolveByMessageServer(const Landscape& landscape, std::string_view host,
                                  std::string_view group);

// RfcOpen: mode 0 by the R/3 options' host and system number, mode 1 by the R/2 options'
// gateway; by the destination when the options name no host (gateway).
Resolution ResolveOpenOptions(const Landscape& landscape, const RfcOpenOptions& options);

// One entry of a destination file (SapRfc.ini, sapnwrfc.ini), from its DEST= line up to the
// next one: the values by their keys, upper-cased; a later line of a key wins.
struct DestinationEntry {
    std::string destination;
    std::map<std::string, std::string> values;

    // The value of the upper-case key; empty when the entry does not have it.
    std::string Value(const std::string& key) const;
};

// Lines before the first DEST= line and lines without "=" are ignored; blanks around keys
// and values are dropped.
std::vector<DestinationEntry> ParseDestinationFile(std::string_view text);

// The entry of the destination (in any letter case) in the named file of the folder; a
// resolution failure of the destination file when the file or the entry is missing.
std::variant<DestinationEntry, Resolution> FindDestination(const std::filesystem::path& folder,
                                                           std::string_view fileName,
                                                           std::string_view destination);

// One entry of SapRfc.ini.
struct SapRfcEntry {
    std::string destination;
    std::string type;  // "A" for R/3, "R/2"
    std::string applicationHost;
    std::string systemNumber;
    std::string gatewayHost;
    std::string gatewayService;
};

inline constexpr std::string_view kSapRfcFileName = "SapRfc.ini";

std::vector<SapRfcEntry> ParseSapRfcIni(std::string_view text);

// RfcOpenEx: the destination's entry in SapRfc.ini in the folder leads to the system, by
// gateway for TYPE=R/2 and by application host and system number otherwise.
Resolution ResolveSapRfcDestination(const Landscape& landscape, const std::filesystem::path& folder,
                                    std::string_view destination);

inline constexpr std::string_view kNetWeaverIniFileName = "sapnwrfc.ini";

// rfcsimnw's destinations: the destination's entry in sapnwrfc.ini in the folder leads to the
// system by ASHOST and SYSNR, or else by MSHOST and GROUP (PUBLIC when the entry has none).
Resolution ResolveNetWeaverDestination(const Landscape& landscape,
                                       const std::filesystem::path& folder,
                                       std::string_view destination);

// Why the system turns the logon away, or an empty text when it lets the user in. The
// user compares in any letter case, the password exactly; blanks padding either on the
// right do not count.
std::string CredentialFailure(const SapSystem& system, std::string_view client,
                              std::string_view user, std::string_view password);

}  // namespace trevalunda::rfcsim
