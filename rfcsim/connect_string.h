#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trevalunda::rfcsim {

// The parts of an RfcOpenEx connect string
// "CLIENT=<c> USER=<u> PASSWD=<p> LANG=<l> DEST=<d>".
struct ConnectString {
    std::string client;
    std::string user;
    std::string password;
    std::string language;
    std::string destination;
};

// Splits a connect string of exactly that form; nullopt for any other text. The password may
// hold blanks and even " LANG=": DEST= and LANG= are taken from their last occurrences.
std::optional<ConnectString> ParseConnectString(std::string_view text);

// The connect string again, with the password masked.
std::string MaskedConnectString(const ConnectString& parts);

}  // namespace trevalunda::rfcsim
