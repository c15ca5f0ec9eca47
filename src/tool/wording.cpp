#include "tool/wording.h"

namespace trevalunda::tool {

std::string Characters(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " character" : " characters");
}

}  // namespace trevalunda::tool
