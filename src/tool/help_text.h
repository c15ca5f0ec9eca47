#pragma once

#include <string>

namespace trevalunda::tool {

// The texts of --help: the tool's own and one for each command.
std::string ToolHelp();
std::string EncodeHelp();
std::string NewHelp();
std::string CheckHelp();
std::string ListingHelp();
std::string DiagnoseHelp();

}  // namespace trevalunda::tool
