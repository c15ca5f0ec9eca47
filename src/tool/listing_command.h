#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "tool/tool_services.h"

namespace trevalunda::tool {

// The arguments of the listing command.
struct ListingArguments {
    std::string file;
    std::optional<std::string> sensorName;  // the sensor's parameter text, for the global listing
    std::optional<std::string> item;        // the "ITEM=" value, for an item listing
    bool help = false;
};

Result<ListingArguments> ParseListingArguments(const std::vector<std::string>& arguments);

// trevalunda-profile listing: shows what a multi-system run would read from a sensor listing
// and whether the sensor would take it.
ToolExit RunListing(const std::vector<std::string>& arguments, ToolServices& services);

}  // namespace trevalunda::tool
