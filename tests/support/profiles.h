#pragma once

#include <string>

#include "config/profile_password.h"

namespace trevalunda::testing {

// The stored form of a password, as the profile tool writes it.
inline std::string StoredPassword(const std::string& password, std::size_t keyOffset = 3) {
    const std::string filler = std::string("Qz7Kx2Lm9Np4Rt6Vw8Yb").substr(0, 20 - password.size());
    return EncodeProfilePassword(password, filler, keyOffset, MakeProfileKey());
}

struct ProfileValues {
    std::string extcompany = "ACME Corp";
    std::string destination = "PRD";
    std::string client = "100";
    std::string user = "monitor";
    std::string password = "secret";
    std::string language = "E";
    std::string mode = "R/3";
    std::string hostname = "sapprd";
    std::string sysnr = "00";
    std::string gwhost = "gwprd";
    std::string gwservice = "sapgw00";
};

// A profile file in the sensor's label format, with CR LF line ends as on Windows.
inline std::string ProfileText(const ProfileValues& v = {}) {
    std::string text = "; system profile\r\n";
    const std::pair<const char*, std::string> lines[] = {
        {"Extcompany.:", v.extcompany},
        {"Destination:", v.destination},
        {"Client.....:", v.client},
        {"User.......:", v.user},
        {"Password...:", StoredPassword(v.password)},
        {"Language...:", v.language},
        {"Mode.......:", v.mode},
        {"Hostname...:", v.hostname},
        {"Sysnr......:", v.sysnr},
        {"Gwhost.....:", v.gwhost},
        {"Gwservice..:", v.gwservice},
    };
    for (const auto& [label, value] : lines) {
        text += std::string(label) + " " + value + "\r\n";
    }
    return text;
}

}  // namespace trevalunda::testing
