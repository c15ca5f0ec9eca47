#include "rfcsim/logon.h"

#include <functional>

#include "rfcsim/text.h"

namespace trevalunda::rfcsim {
namespace {

Resolution FindSystem(const Landscape& landscape,
                      const std::function<bool(const SapSystem&)>& matches, std::string failure) {
    for (std::size_t i = 0; i < landscape.systems.size(); ++i) {
        if (matches(landscape.systems[i])) {
            return Resolution{i, ""};
        }
    }
    return Resolution{std::nullopt, std::move(failure)};
}

std::string_view TextOrEmpty(const char* text) {
    return text == nullptr ? std::string_view() : std::string_view(text);
}

// A SapRfc.ini number as the library reads it: digits only, anything else counts as none.
std::int64_t SystemNumberOf(std::string_view text) {
    return ParseNumber(Trim(text)).value_or(-1);
}

SapRfcEntry SapRfcEntryOf(const DestinationEntry& entry) {
    return SapRfcEntry{entry.destination,    entry.Value("TYPE"),   entry.Value("ASHOST"),
                       entry.Value("SYSNR"), entry.Value("GWHOST"), entry.Value("GWSERV")};
}

Resolution ResolveEntry(const Landscape& landscape, const SapRfcEntry& entry) {
    if (EqualsIgnoringCase(entry.type, "R/2")) {
        return ResolveByGateway(landscape, entry.gatewayHost, entry.gatewayService);
    }
    return ResolveByHost(landscape, entry.applicationHost, SystemNumberOf(entry.systemNumber));
}

}  // namespace

Resolution ResolveByDestination(const Landscape& landscape, std::string_view destination) {
    return FindSystem(
        landscape,
        [&](const SapSystem& s) {
            return !s.destination.empty() && EqualsIgnoringCase(s.destination, destination);
        },
        "partner not reached (destination " + std::string(destination) + ")");
}

Resolution ResolveByHost(const Landscape& landscape, std::string_view host,
                         std::int64_t systemNumber) {
    return FindSystem(
        landscape,
        [&](const SapSystem& s) {
            return !s.host.empty() && EqualsIgnoringCase(s.host, host) &&
                   s.systemNumber == systemNumber;
        },
        "partner not reached (host " + std::string(host) + ", system number " +
            std::to_string(systemNumber) + ")");
}

Resolution ResolveByGateway(const Landscape& landscape, std::string_view host,
                            std::string_view service) {
    return FindSystem(
        landscape,
        [&](const SapSystem& s) {
            return !s.gatewayHost.empty() && EqualsIgnoringCase(s.gatewayHost, host) &&
                   EqualsIgnoringCase(s.gatewayService, service);
        },
        "partner not reached (gateway " + std::string(host) + ", service " + std::string(service) +
            ")");
}

Resolution ResolveByMessageServer(const Landscape& landscape, std::string_view host,
                                  std::string_view group) {
    return FindSystem(
        landscape,
        [&](const SapSystem& s) {
            return !s.messageServer.empty() && EqualsIgnoringCase(s.messageServer, host) &&
                   EqualsIgnoringCase(s.logonGroup, group);
        },
        "partner not reached (message server " + std::string(host) + ", logon group " +
            std::string(group) + ")");
}

Resolution ResolveOpenOptions(const Landscape& landscape, const RfcOpenOptions& options) {
    const std::string_view destination = TextOrEmpty(options.destination);
    if (options.mode == kRfcModeR2) {
        const auto& r2 = *static_cast<const RfcR2Options*>(options.connectionOptions);
        if (r2.gatewayHost == nullptr) {
            return ResolveByDestination(landscape, destination);
        }
        return ResolveByGateway(landscape, r2.gatewayHost, TextOrEmpty(r2.gatewayService));
    }
    const auto& r3 = *static_cast<const RfcR3Options*>(options.connectionOptions);
    if (r3.host == nullptr) {
        return ResolveByDestination(landscape, destination);
    }
    return ResolveByHost(landscape, r3.host, r3.systemNumber);
}

std::string DestinationEntry::Value(const std::string& key) const {
    const auto found = values.find(key);
    return found == values.end() ? std::string() : found->second;
}

std::vector<DestinationEntry> ParseDestinationFile(std::string_view text) {
    std::vector<DestinationEntry> entries;
    for (const std::string& rawLine : SplitLines(text)) {
        const std::string_view line = Trim(rawLine);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string key = UpperAscii(Trim(line.substr(0, equals)));
        std::string value(Trim(line.substr(equals + 1)));
        if (key == "DEST") {
            entries.emplace_back();
            entries.back().destination = std::move(value);
        } else if (!entries.empty()) {
            entries.back().values[key] = std::move(value);
        }
    }
    return entries;
}

std::variant<DestinationEntry, Resolution> FindDestination(const std::filesystem::path& folder,
                                                           std::string_view fileName,
                                                           std::string_view destination) {
    const std::string file(fileName);
    const std::string name(destination);
    const std::optional<std::string> text = ReadWholeFile(folder / file);
    if (!text) {
        return Resolution{std::nullopt, file + " not found (destination " + name + ")", true};
    }
    for (DestinationEntry& entry : ParseDestinationFile(*text)) {
        if (EqualsIgnoringCase(entry.destination, destination)) {
            return std::move(entry);
        }
    }
    return Resolution{std::nullopt, "destination " + name + " not in " + file, true};
}

std::vector<SapRfcEntry> ParseSapRfcIni(std::string_view text) {
    std::vector<SapRfcEntry> entries;
    for (const DestinationEntry& entry : ParseDestinationFile(text)) {
        entries.push_back(SapRfcEntryOf(entry));
    }
    return entries;
}

Resolution ResolveSapRfcDestination(const Landscape& landscape, const std::filesystem::path& folder,
                                    std::string_view destination) {
    std::variant<DestinationEntry, Resolution> found =
        FindDestination(folder, kSapRfcFileName, destination);
    if (const auto* failure = std::get_if<Resolution>(&found)) {
        return *failure;
    }
    return ResolveEntry(landscape, SapRfcEntryOf(std::get<DestinationEntry>(found)));
}

Resolution ResolveNetWeaverDestination(const Landscape& landscape,
                                       const std::filesystem::path& folder,
                                       std::string_view destination) {
    std::variant<DestinationEntry, Resolution> found =
        FindDestination(folder, kNetWeaverIniFileName, destination);
    if (const auto* failure = std::get_if<Resolution>(&found)) {
        return *failure;
    }
    const DestinationEntry& entry = std::get<DestinationEntry>(found);
    if (const std::string host = entry.Value("ASHOST"); !host.empty()) {
        return ResolveByHost(landscape, host, SystemNumberOf(entry.Value("SYSNR")));
    }
    if (const std::string server = entry.Value("MSHOST"); !server.empty()) {
        const std::string group = entry.Value("GROUP");
        return ResolveByMessageServer(landscape, server,
                                      group.empty() ? kDefaultLogonGroup : group);
    }
    return Resolution{std::nullopt,
                      "destination " + entry.destination + " in " +
                          std::string(kNetWeaverIniFileName) + " has neither ASHOST nor MSHOST",
                      true};
}

std::string CredentialFailure(const SapSystem& system, std::string_view client,
                              std::string_view user, std::string_view password) {
    if (TrimPadding(client) != system.client) {
        return "Client " + std::string(TrimPadding(client)) + " is not available in this system";
    }
    if (!EqualsIgnoringCase(TrimPadding(user), system.user) ||
        TrimPadding(password) != system.password) {
        return "Name or password is incorrect";
    }
    return "";
}

}  // namespace trevalunda::rfcsim
