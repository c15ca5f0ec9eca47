// What the native file system does when a link, a second name or a pipe stands where the
// sensor writes: never a write through to another file, never a wait.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "platform/file_system.h"
#include "rfcsim/test_support/temporary_folder.h"

namespace trevalunda::platform {
namespace {

namespace fs = std::filesystem;
using rfcsim::testing::TemporaryFolder;

constexpr const char* kSettings = "settings contents\n";

struct Occupant {
    const char* name;
    std::function<void(const fs::path& target, const fs::path& other)> place;
};

// What may stand at the target's name, each with the settings file as the other file.
const Occupant kOccupants[] = {
    {"link to another file",
     [](const fs::path& target, const fs::path& other) { fs::create_symlink(other, target); }},
    {"second name of another file",
     [](const fs::path& target, const fs::path& other) { fs::create_hard_link(other, target); }},
    {"dangling link",
     [](const fs::path& target, const fs::path& other) {
         fs::create_symlink(other.string() + ".x", target);
     }},
};

class NativeFileSystemPosixTest : public ::testing::Test {
  protected:
    NativeFileSystemPosixTest() { folder_.Write("settings.ini", kSettings); }

    fs::path Target() const { return folder_.Path() / "target"; }
    fs::path Other() const { return folder_.Path() / "settings.ini"; }
    void Reset() {
        fs::remove(Target());
        fs::remove(Other().string() + ".x");
        folder_.Write("settings.ini", kSettings);
    }

    TemporaryFolder folder_;
    std::unique_ptr<FileSystem> files_ = MakeNativeFileSystem();
};

TEST_F(NativeFileSystemPosixTest, ReplaceCopyAndPrivateWritesNeverWriteThroughTheName) {
    folder_.Write("source", "[PRD]\n");
    const std::function<bool(FileSystem&, const std::string&)> writes[] = {
        [](FileSystem& f, const std::string& to) { return f.Replace(to, "[PRD]\n"); },
        [this](FileSystem& f, const std::string& to) {
            return f.Copy((folder_.Path() / "source").string(), to);
        },
        // The profile tool's replacing of a profile that holds a stored password.
        [](FileSystem& f, const std::string& to) {
            return f.WritePrivate(to, "[PRD]\n", true) == WriteStatus::Written;
        },
    };
    for (const auto& write : writes) {
        for (const Occupant& occupant : kOccupants) {
            Reset();
            occupant.place(Target(), Other());
            EXPECT_TRUE(write(*files_, Target().string())) << occupant.name;
            EXPECT_EQ(folder_.Read("settings.ini"), kSettings) << occupant.name;
            EXPECT_FALSE(fs::exists(Other().string() + ".x")) << occupant.name;
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Target()))) << occupant.name;
            EXPECT_EQ(folder_.Read("target"), "[PRD]\n") << occupant.name;
        }
    }
}

TEST_F(NativeFileSystemPosixTest, AppendRefusesLinksAndSecondNames) {
    for (const Occupant& occupant : kOccupants) {
        Reset();
        occupant.place(Target(), Other());
        EXPECT_FALSE(files_->Append(Target().string(), "0 program started\n")) << occupant.name;
        EXPECT_EQ(folder_.Read("settings.ini"), kSettings) << occupant.name;
        EXPECT_FALSE(fs::exists(Other().string() + ".x")) << occupant.name;
    }
}

// A pipe without a reader would make a plain open wait for ever.
TEST_F(NativeFileSystemPosixTest, PipeInPlaceOfAFileIsNoFile) {
    ASSERT_EQ(::mkfifo(Target().c_str(), 0600), 0);
    EXPECT_EQ(files_->Read(Target().string()).status, ReadStatus::NotAFile);
    EXPECT_FALSE(files_->Append(Target().string(), "x"));
    EXPECT_TRUE(files_->Replace(Target().string(), "new"));
    EXPECT_EQ(folder_.Read("target"), "new");
}

}  // namespace
}  // namespace trevalunda::platform
