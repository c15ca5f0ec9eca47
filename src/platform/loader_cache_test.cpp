#include "platform/loader_cache.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace trevalunda::platform {
namespace {

struct Entry {
    std::uint32_t flags;
    std::string name;
    std::string path;
};

void Put32(std::string& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// A loader cache of the current format, its texts after the entries; "old" puts the entries
// of the old format in front, as caches written for both formats have them.
std::string Cache(const std::vector<Entry>& entries, bool old = false) {
    std::string cache = "glibc-ld.so.cache1.1";
    cache.resize(48 + 24 * entries.size(), '\0');
    Put32(cache, 20, static_cast<std::uint32_t>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t entry = 48 + 24 * i;
        Put32(cache, entry, entries[i].flags);
        Put32(cache, entry + 4, static_cast<std::uint32_t>(cache.size()));
        cache += entries[i].name + '\0';
        Put32(cache, entry + 8, static_cast<std::uint32_t>(cache.size()));
        cache += entries[i].path + '\0';
    }
    return old ? "ld.so-1.7.0" + std::string(37, '\1') + cache : cache;
}

TEST(LoaderCacheTest, PathOfTheEntryThatA64BitProgramTakes) {
    const std::vector<Entry> entries = {
        {0x0303, "libz.so.1", "/lib/x86_64-linux-gnu/libz.so.1"},
        {0x0003, "librfccm.so", "/usr/lib32/librfccm.so"},  // for 32-bit programs
        {0x0303, "librfccm.so", "/usr/lib/x86_64-linux-gnu/librfccm.so"},
        {0x0001, "libold.so", "/usr/lib/libold.so"},
    };
    struct Case {
        std::string cache;
        const char* name;
        const char* path;
    } cases[] = {
        {Cache(entries), "librfccm.so", "/usr/lib/x86_64-linux-gnu/librfccm.so"},
        {Cache(entries, true), "librfccm.so", "/usr/lib/x86_64-linux-gnu/librfccm.so"},
        {Cache(entries), "libz.so.1", "/lib/x86_64-linux-gnu/libz.so.1"},
        {Cache(entries), "libold.so", "/usr/lib/libold.so"},
        {Cache(entries), "libz.so", ""},
        {Cache(entries), "", ""},
        {Cache(entries).substr(0, 60), "libz.so.1", ""},
        {"", "libz.so.1", ""},
        {"not a cache at all", "libz.so.1", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoaderCachePath(c.cache, c.name), c.path)
            << c.name << " in a cache of " << c.cache.size() << " bytes";
    }
}

}  // namespace
}  // namespace trevalunda::platform
