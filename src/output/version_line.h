#pragma once

#include <string>
#include <string_view>

namespace trevalunda {

// What --version prints for a program, the same form for every program of the project:
// "<program> <build version> (Vers 4.3 / 29.08.22)\n".
std::string VersionLine(std::string_view program);

}  // namespace trevalunda
