#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace trevalunda::rfcsim::testing {

// A folder of its own for one test, removed with everything in it when the test ends.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("trevalunda-rfcsim-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    void Write(std::string_view name, std::string_view bytes) const {
        std::ofstream file(path_ / name, std::ios::binary | std::ios::trunc);
        file << bytes;
    }

    // The file's content; nullopt when there is no such file.
    std::optional<std::string> Read(std::string_view name) const {
        std::ifstream file(path_ / name, std::ios::binary);
        if (!file) {
            return std::nullopt;
        }
        std::ostringstream content;
        content << file.rdbuf();
        return content.str();
    }

    // The file's lines without their line feeds; none when there is no such file.
    std::vector<std::string> Lines(std::string_view name) const {
        std::vector<std::string> lines;
        std::istringstream content(Read(name).value_or(""));
        for (std::string line; std::getline(content, line);) {
            lines.push_back(line);
        }
        return lines;
    }

  private:
    std::filesystem::path path_;
};

}  // namespace trevalunda::rfcsim::testing
