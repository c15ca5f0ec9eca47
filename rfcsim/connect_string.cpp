#include "rfcsim/connect_string.h"

#include "rfcsim/journal.h"

namespace trevalunda::rfcsim {
namespace {

constexpr std::string_view kClient = "CLIENT=";
constexpr std::string_view kUser = " USER=";
constexpr std::string_view kPassword = " PASSWD=";
constexpr std::string_view kLanguage = " LANG=";
constexpr std::string_view kDestination = " DEST=";

std::string Between(std::string_view text, std::size_t start, std::size_t end) {
    return std::string(text.substr(start, end - start));
}

}  // namespace

std::optional<ConnectString> ParseConnectString(std::string_view text) {
    if (!text.starts_with(kClient)) {
        return std::nullopt;
    }
    const std::size_t user = text.find(kUser);
    const std::size_t password = user == std::string_view::npos ? user : text.find(kPassword, user);
    if (password == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t passwordStart = password + kPassword.size();
    const std::size_t destination = text.rfind(kDestination);
    if (destination == std::string_view::npos || destination < passwordStart) {
        return std::nullopt;
    }
    const std::size_t language = text.rfind(kLanguage, destination);
    if (language == std::string_view::npos || language < passwordStart ||
        language + kLanguage.size() > destination) {
        return std::nullopt;
    }
    return ConnectString{
        Between(text, kClient.size(), user),
        Between(text, user + kUser.size(), password),
        Between(text, passwordStart, language),
        Between(text, language + kLanguage.size(), destination),
        std::string(text.substr(destination + kDestination.size())),
    };
}

std::string MaskedConnectString(const ConnectString& parts) {
    return std::string(kClient) + parts.client + std::string(kUser) + parts.user +
           std::string(kPassword) + Masked(parts.password) + std::string(kLanguage) +
           parts.language + std::string(kDestination) + parts.destination;
}

}  // namespace trevalunda::rfcsim
