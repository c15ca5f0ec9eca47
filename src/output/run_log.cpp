#include "output/run_log.h"

#include <utility>

#include "platform/file_system.h"

namespace trevalunda {

RunLog::RunLog(platform::FileSystem& files, std::string path)
    : files_(&files), path_(std::move(path)) {}

void RunLog::WriteTraceLine(std::int64_t number, std::string_view event, std::string_view detail) {
    if (files_ == nullptr) {
        return;
    }
    std::string line = std::to_string(number);
    line += ' ';
    line += event;
    line += ' ';
    line += detail;
    line += '\n';
    files_->Append(path_, line);
}

std::string RunLogFileName(std::string_view executablePath) {
    std::string_view name = platform::FileNameOf(executablePath);
    if (const auto dot = name.rfind('.'); dot != std::string_view::npos && dot > 0) {
        name = name.substr(0, dot);
    }
    if (name.empty()) {
        name = "trevalunda";
    }
    return std::string(name) + ".log";
}

}  // namespace trevalunda
