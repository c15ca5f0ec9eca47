#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/file_system.h"
#include "rfcsim/test_support/temporary_folder.h"

namespace trevalunda::platform {
namespace {

namespace fs = std::filesystem;
using rfcsim::testing::TemporaryFolder;

class NativeFileSystemTest : public ::testing::Test {
  protected:
    std::string PathOf(const char* name) const { return (folder_.Path() / name).string(); }

    TemporaryFolder folder_;
    std::unique_ptr<FileSystem> files_ = MakeNativeFileSystem();
};

TEST_F(NativeFileSystemTest, ReadTellsFilesFromFoldersAndMissingNames) {
    folder_.Write("file", std::string("a\0b\r\n", 5));
    fs::create_directory(folder_.Path() / "folder");
    struct Case {
        const char* name;
        ReadStatus status;
        std::string bytes;
    } cases[] = {
        {"file", ReadStatus::Ok, std::string("a\0b\r\n", 5)},
        {"missing", ReadStatus::Missing, ""},
        {"folder", ReadStatus::NotAFile, ""},
    };
    for (const Case& c : cases) {
        const FileContent content = files_->Read(PathOf(c.name));
        EXPECT_EQ(content.status, c.status) << c.name;
        EXPECT_EQ(content.bytes, c.bytes) << c.name;
    }
}

TEST_F(NativeFileSystemTest, ReplaceAndCopyPutANewFileInPlace) {
    folder_.Write("source", "new content");
    folder_.Write("old", "old content that is longer");
    EXPECT_TRUE(files_->Replace(PathOf("old"), "replaced"));
    EXPECT_EQ(folder_.Read("old"), "replaced");
    EXPECT_TRUE(files_->Copy(PathOf("source"), PathOf("old")));
    EXPECT_EQ(folder_.Read("old"), "new content");
    EXPECT_TRUE(files_->Copy(PathOf("source"), PathOf("fresh")));
    EXPECT_EQ(folder_.Read("fresh"), "new content");

    EXPECT_FALSE(files_->Copy(PathOf("missing"), PathOf("old"))) << "missing source";
    EXPECT_EQ(folder_.Read("old"), "new content") << "missing source";
    fs::create_directory(folder_.Path() / "folder");
    EXPECT_FALSE(files_->Copy(PathOf("source"), PathOf("folder"))) << "folder as target";
    EXPECT_TRUE(fs::is_directory(folder_.Path() / "folder")) << "folder as target";
}

TEST_F(NativeFileSystemTest, AppendCreatesAndAddsAtTheEnd) {
    EXPECT_TRUE(files_->Append(PathOf("log"), "1 first\n"));
    EXPECT_TRUE(files_->Append(PathOf("log"), "2 second\n"));
    EXPECT_EQ(folder_.Read("log"), "1 first\n2 second\n");
    fs::create_directory(folder_.Path() / "folder");
    EXPECT_FALSE(files_->Append(PathOf("folder"), "x")) << "folder";
}

}  // namespace
}  // namespace trevalunda::platform
