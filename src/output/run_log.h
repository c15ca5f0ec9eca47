#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trevalunda {

namespace platform {
class FileSystem;
}

// The call trace of a run: "<number> <event> <detail>" lines appended to a log file, each on
// disk as soon as it is written. Closed unless the parameter text asks for it with ",SYSLOG".
class RunLog {
  public:
    RunLog() = default;
    RunLog(platform::FileSystem& files, std::string path);

    bool IsOpen() const { return files_ != nullptr; }
    void WriteTraceLine(std::int64_t number, std::string_view event, std::string_view detail);

  private:
    platform::FileSystem* files_ = nullptr;
    std::string path_;
};

// The run log's file name: the executable's base name with ".log", in the working folder.
std::string RunLogFileName(std::string_view executablePath);

}  // namespace trevalunda
