#include "output/version_line.h"

#include "base/version.h"
#include "output/console_lines.h"

namespace trevalunda {

std::string VersionLine(std::string_view program) {
    return std::string(program) + " " + std::string(kBuildVersion) + " (" +
           std::string(kVersionText) + ")\n";
}

}  // namespace trevalunda
