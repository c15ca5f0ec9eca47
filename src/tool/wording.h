#pragma once

#include <cstddef>
#include <string>

namespace trevalunda::tool {

// "1 character", "3 characters".
std::string Characters(std::size_t count);

}  // namespace trevalunda::tool
