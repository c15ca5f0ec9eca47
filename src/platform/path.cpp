#include "platform/file_system.h"

namespace trevalunda::platform {

std::string_view FolderOf(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsPathSeparator(path[i - 1])) {
            return path.substr(0, i);
        }
    }
    return {};
}

std::string_view FileNameOf(std::string_view path) {
    return path.substr(FolderOf(path).size());
}

}  // namespace trevalunda::platform
