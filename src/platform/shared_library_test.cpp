#include <gtest/gtest.h>

#include <filesystem>

#include "platform/process.h"
#include "rfcsim/test_support/temporary_folder.h"
#include "support/library_bytes.h"

namespace trevalunda::platform {
namespace {

namespace fs = std::filesystem;
using rfcsim::testing::TemporaryFolder;
using trevalunda::testing::FileBytes;
using trevalunda::testing::ThirtyTwoBitCopy;

using ProbeAnswer = int (*)();

// The probe libraries, built beside the test binary.
fs::path BuiltFile(const char* name) {
    return fs::path(ExecutablePath()).parent_path() / name;
}

fs::path ProbeLibrary() {
    return BuiltFile(TREVALUNDA_PROBE_LIBRARY);
}

// What an exported function of a loaded library answers; -1 when it is missing.
int Answer(const LoadedLibrary& loaded, const char* function) {
    void* address = loaded.library ? loaded.library->Resolve(function) : nullptr;
    return address != nullptr ? reinterpret_cast<ProbeAnswer>(address)() : -1;
}

// A temporary folder that is the working folder while the object lives.
class TemporaryWorkingFolder : public TemporaryFolder {
  public:
    TemporaryWorkingFolder() : previous_(fs::current_path()) { fs::current_path(Path()); }
    ~TemporaryWorkingFolder() { fs::current_path(previous_); }
    TemporaryWorkingFolder(const TemporaryWorkingFolder&) = delete;
    TemporaryWorkingFolder& operator=(const TemporaryWorkingFolder&) = delete;

  private:
    fs::path previous_;
};

TEST(SharedLibraryTest, LoadsByPathAndResolvesItsFunctions) {
    const LoadedLibrary loaded = LoadSharedLibrary(ProbeLibrary().string());
    ASSERT_NE(loaded.library, nullptr) << ProbeLibrary() << ": " << LoadFailureInWords(loaded);
    void* answer = loaded.library->Resolve("trevalunda_probe_answer");
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(reinterpret_cast<ProbeAnswer>(answer)(), 42);
    EXPECT_EQ(loaded.library->Resolve("trevalunda_no_such_function"), nullptr);
}

TEST(SharedLibraryTest, MissingLibraryIsNotFound) {
    const std::string extension = ProbeLibrary().extension().string();
    const std::string cases[] = {
        (ProbeLibrary().parent_path() / ("trevalunda_missing" + extension)).string(),
        "trevalunda_missing" + extension,
    };
    for (const std::string& path : cases) {
        const LoadedLibrary loaded = LoadSharedLibrary(path);
        EXPECT_EQ(loaded.library, nullptr) << path;
        EXPECT_EQ(LoadFailureInWords(loaded), "not found") << path;
    }
}

// Anybody who can write to the working folder would otherwise choose the code that runs.
TEST(SharedLibraryTest, BareNameIsNotLookedForInTheWorkingFolder) {
    TemporaryWorkingFolder working;
    const std::string name = "trevalunda_probe_copy" + ProbeLibrary().extension().string();
    fs::copy_file(ProbeLibrary(), working.Path() / name);

    EXPECT_EQ(LoadSharedLibrary(name).library, nullptr) << "bare name " << name;
    const fs::path withFolder = fs::path(".") / name;
    EXPECT_NE(LoadSharedLibrary(withFolder.string()).library, nullptr)
        << "path with a folder " << withFolder;
}

// The system loader may crash on a file that ends early; such files, and files of the wrong
// kind, are refused with the reason before it sees them.
TEST(SharedLibraryTest, RefusesFilesThatAreNoCompleteLibraryOfThisMachine) {
    const std::string probe = FileBytes(ProbeLibrary());
    const bool elf = probe.starts_with("\177ELF");
    struct Case {
        const char* name;
        std::string bytes;
        const char* words;
    } cases[] = {
        {"first page only", probe.substr(0, 4096), "not a complete library"},
        {"header only", probe.substr(0, 64), "not a complete library"},
        {"32-bit", ThirtyTwoBitCopy(probe), "a 32-bit library; the sensor needs a 64-bit one"},
        {"text", "RfcLibrary=librfccm.so\n", "not a library"},
        {"empty", "", "not a library"},
        {"other system", elf ? "MZ" + std::string(200, '\0') : "\177ELF" + std::string(200, '\2'),
         "a library for another operating system"},
    };
    TemporaryFolder folder;
    for (const Case& c : cases) {
        folder.Write("library", c.bytes);
        const LoadedLibrary loaded = LoadSharedLibrary((folder.Path() / "library").string());
        EXPECT_EQ(loaded.library, nullptr) << c.name;
        EXPECT_EQ(LoadFailureInWords(loaded), c.words) << c.name;
    }
    fs::create_directory(folder.Path() / "folder");
    EXPECT_EQ(LoadFailureInWords(LoadSharedLibrary((folder.Path() / "folder").string())),
              "not a library")
        << "folder";
}

// SAP's NetWeaver library needs its companion libraries from its own folder.
TEST(SharedLibraryTest, LibraryByPathFindsItsDependenciesBesideIt) {
    TemporaryFolder folder;
    for (const char* name : {TREVALUNDA_PROBE_DEPENDENT, TREVALUNDA_PROBE_COMPANION}) {
        fs::copy_file(BuiltFile(name), folder.Path() / name);
    }
    const LoadedLibrary loaded =
        LoadSharedLibrary((folder.Path() / TREVALUNDA_PROBE_DEPENDENT).string());
    EXPECT_EQ(Answer(loaded, "trevalunda_probe_dependent_answer"), 42)
        << LoadFailureInWords(loaded);
}

TEST(SharedLibraryTest, DependenciesAreNeverLookedForInTheWorkingFolder) {
    TemporaryFolder folder;
    fs::copy_file(BuiltFile(TREVALUNDA_PROBE_DEPENDENT),
                  folder.Path() / TREVALUNDA_PROBE_DEPENDENT);
    TemporaryWorkingFolder working;
    fs::copy_file(BuiltFile(TREVALUNDA_PROBE_COMPANION),
                  working.Path() / TREVALUNDA_PROBE_COMPANION);

    const LoadedLibrary loaded =
        LoadSharedLibrary((folder.Path() / TREVALUNDA_PROBE_DEPENDENT).string());
    EXPECT_EQ(loaded.library, nullptr);
    EXPECT_EQ(LoadFailureInWords(loaded),
              std::string("needs ") + TREVALUNDA_PROBE_COMPANION + ", which is missing");
}

}  // namespace
}  // namespace trevalunda::platform
