#pragma once

#include <optional>
#include <string>

#include "run/parameter_text.h"

namespace trevalunda {

// What the keywords of a parameter text ask of the run. Every keyword the sensor knows is
// read here, by one table that mirrors the keyword table of the README; any other text is
// ignored.
struct ParameterKeywords {
    std::optional<std::string> itemName;  // "ITEM=<item>": a run over the item listing
    bool verboseConsole = false;          // "#", "@", "$" or "%": progress lines
    bool noSearch = false;                // "@": the profile is read where its name says
    bool callTrace = false;               // ",SYSLOG": the run log
    std::optional<long> selectedChannel;  // "CH=<n>": the line form reports channel n alone
    std::string host;                     // ",HOST=<host>": logon host; empty keeps the profile's
    std::string systemNumber;             // ",NO=<nn>": system number; empty keeps the profile's
};

ParameterKeywords ReadParameterKeywords(const ParameterText& parameters);

}  // namespace trevalunda
