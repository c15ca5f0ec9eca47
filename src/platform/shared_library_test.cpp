#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "platform/process.h"

namespace trevalunda::platform {
namespace {

namespace fs = std::filesystem;

using ProbeAnswer = int (*)();

// The probe library, built beside the test binary.
fs::path ProbeLibrary() {
    return fs::path(ExecutablePath()).parent_path() / TREVALUNDA_PROBE_LIBRARY;
}

// A temporary folder that is the working folder while the object lives.
class TemporaryWorkingFolder {
  public:
    TemporaryWorkingFolder() : previous_(fs::current_path()) {
        std::random_device random;
        folder_ = fs::temp_directory_path() / ("trevalunda-library-" + std::to_string(random()));
        fs::create_directories(folder_);
        fs::current_path(folder_);
    }
    ~TemporaryWorkingFolder() {
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    TemporaryWorkingFolder(const TemporaryWorkingFolder&) = delete;
    TemporaryWorkingFolder& operator=(const TemporaryWorkingFolder&) = delete;

    const fs::path& Folder() const { return folder_; }

  private:
    fs::path previous_;
    fs::path folder_;
};

TEST(SharedLibraryTest, LoadsByPathAndResolvesItsFunctions) {
    const LoadedLibrary loaded = LoadSharedLibrary(ProbeLibrary().string());
    ASSERT_NE(loaded.library, nullptr) << ProbeLibrary() << ": " << loaded.error;
    void* answer = loaded.library->Resolve("trevalunda_probe_answer");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(reinterpret_cast<ProbeAnswer>(answer)(), 42);
    EXPECT_EQ(loaded.library->Resolve("trevalunda_no_such_function"), nullptr);
}

TEST(SharedLibraryTest, MissingLibraryGivesTheSystemsReason) {
    const std::string extension = ProbeLibrary().extension().string();
    const std::string cases[] = {
        (ProbeLibrary().parent_path() / ("trevalunda_missing" + extension)).string(),
        "trevalunda_missing" + extension,
    };
    for (const std::string& path : cases) {
        const LoadedLibrary loaded = LoadSharedLibrary(path);
        EXPECT_EQ(loaded.library, nullptr) << path;
        EXPECT_NE(loaded.error, "") << path;
    }
}

// Anybody who can write to the working folder would otherwise choose the code that runs.
TEST(SharedLibraryTest, BareNameIsNotLookedForInTheWorkingFolder) {
    TemporaryWorkingFolder working;
    const std::string name = "trevalunda_probe_copy" + ProbeLibrary().extension().string();
    fs::copy_file(ProbeLibrary(), working.Folder() / name);

    EXPECT_EQ(LoadSharedLibrary(name).library, nullptr) << "bare name " << name;
    const fs::path withFolder = fs::path(".") / name;
    EXPECT_NE(LoadSharedLibrary(withFolder.string()).library, nullptr)
        << "path with a folder " << withFolder;
}

}  // namespace
}  // namespace trevalunda::platform
