#include "platform/loader_cache.h"

#include <cstdint>

#include "platform/byte_reader.h"

namespace trevalunda::platform {
namespace {

constexpr std::string_view kMagic = "glibc-ld.so.cache1.1";
constexpr std::uint64_t kHeaderSize = 48;
constexpr std::uint64_t kEntrySize = 24;
constexpr std::size_t kMaxPath = 4096;
// The kinds of entry that a 64-bit x86-64 program takes: plain ELF, and ELF for the C library
// of 64-bit x86 programs.
constexpr std::uint64_t kElf = 0x0001;
constexpr std::uint64_t kX86_64Library = 0x0303;

}  // namespace

std::string LoaderCachePath(std::string_view cache, std::string_view name) {
    // A cache of the old format carries the new one after its own entries; the new format's
    // texts are counted from the start of its header.
    const std::size_t start = cache.find(kMagic);
    if (start == std::string_view::npos || name.empty()) {
        return {};
    }
    const ByteReader file(cache.substr(start));
    const std::uint64_t entries = file.U32(kMagic.size());
    for (std::uint64_t i = 0; i < entries && file.Holds(kHeaderSize + i * kEntrySize, kEntrySize);
         ++i) {
        const std::uint64_t entry = kHeaderSize + i * kEntrySize;
        const std::uint64_t flags = file.U32(entry);
        if ((flags == kElf || flags == kX86_64Library) &&
            file.Text(file.U32(entry + 4), kMaxPath) == name) {
            return file.Text(file.U32(entry + 8), kMaxPath);
        }
    }
    return {};
}

}  // namespace trevalunda::platform
