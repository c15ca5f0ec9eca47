#include "platform/library_image.h"

#include "platform/byte_reader.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

namespace trevalunda::platform {
namespace {

constexpr std::string_view kElfMagic = "\177ELF";
constexpr std::string_view kDosMagic = "MZ";
constexpr std::string_view kPeSignature{"PE\0\0", 4};

namespace elf {

constexpr std::uint64_t kHeaderSize = 64;
constexpr std::uint64_t kProgramHeaderSize = 56;
constexpr unsigned kClass32 = 1;
constexpr unsigned kClass64 = 2;
constexpr unsigned kLittleEndian = 1;
constexpr std::uint64_t kSharedObject = 3;
constexpr std::uint64_t kX86_64 = 62;
constexpr std::uint64_t kLoadable = 1;

LibraryFault Check(const ByteReader& file, std::string_view bytes) {
    if (bytes.size() <= 4) {
        return LibraryFault::Incomplete;
    }
    const unsigned elfClass = static_cast<unsigned char>(bytes[4]);
    if (elfClass == kClass32) {
        return LibraryFault::ThirtyTwoBit;
    }
    if (elfClass != kClass64) {
        return LibraryFault::NotALibrary;
    }
    if (file.Size() < kHeaderSize) {
        return LibraryFault::Incomplete;
    }
    if (static_cast<unsigned char>(bytes[5]) != kLittleEndian || file.U16(18) != kX86_64) {
        return LibraryFault::OtherMachine;
    }
    if (file.U16(16) != kSharedObject) {
        return LibraryFault::NotALibrary;
    }
    const std::uint64_t tableOffset = file.U64(32);
    const std::uint64_t entrySize = file.U16(54);
    const std::uint64_t entries = file.U16(56);
    if (entrySize < kProgramHeaderSize || entries == 0) {
        return LibraryFault::NotALibrary;
    }
    if (!file.Holds(tableOffset, entrySize * entries)) {
        return LibraryFault::Incomplete;
    }
    bool loadable = false;
    for (std::uint64_t i = 0; i < entries; ++i) {
        const std::uint64_t entry = tableOffset + i * entrySize;
        if (file.U32(entry) != kLoadable) {
            continue;
        }
        loadable = true;
        if (!file.Holds(file.U64(entry + 8), file.U64(entry + 32))) {
            return LibraryFault::Incomplete;
        }
    }
    return loadable ? LibraryFault::None : LibraryFault::NotALibrary;
}

}  // namespace elf

namespace pe {

constexpr std::uint64_t kDosHeaderSize = 64;
constexpr std::uint64_t kFileHeaderSize = 20;
constexpr std::uint64_t kSectionHeaderSize = 40;
constexpr std::uint64_t kImportDescriptorSize = 20;
constexpr std::uint64_t kAmd64 = 0x8664;
constexpr std::uint64_t kI386 = 0x14C;
constexpr std::uint64_t kDll = 0x2000;
constexpr std::uint64_t kPe32 = 0x10B;
constexpr std::uint64_t kPe32Plus = 0x20B;
constexpr std::size_t kMaxImports = 4096;
constexpr std::size_t kMaxNameLength = 260;

// The headers of a PE image, as offsets into its file.
struct Layout {
    std::uint64_t fileHeader = 0;
    std::uint64_t optionalHeader = 0;
    std::uint64_t sections = 0;
    std::uint64_t sectionCount = 0;
};

// The layout when the headers and the section table lie inside the file, else the fault.
LibraryFault ReadLayout(const ByteReader& file, Layout& layout) {
    if (file.Size() < kDosHeaderSize) {
        return LibraryFault::Incomplete;
    }
    const std::uint64_t signature = file.U32(0x3C);
    if (!file.Holds(signature, kPeSignature.size() + kFileHeaderSize)) {
        return LibraryFault::Incomplete;
    }
    if (file.Text(signature, 2) != "PE" || file.U16(signature + 2) != 0) {
        return LibraryFault::NotALibrary;  // a DOS program
    }
    layout.fileHeader = signature + kPeSignature.size();
    layout.optionalHeader = layout.fileHeader + kFileHeaderSize;
    layout.sectionCount = file.U16(layout.fileHeader + 2);
    layout.sections = layout.optionalHeader + file.U16(layout.fileHeader + 16);
    if (!file.Holds(layout.sections, layout.sectionCount * kSectionHeaderSize)) {
        return LibraryFault::Incomplete;
    }
    return LibraryFault::None;
}

LibraryFault Check(const ByteReader& file) {
    Layout layout;
    if (const LibraryFault fault = ReadLayout(file, layout); fault != LibraryFault::None) {
        return fault;
    }
    const std::uint64_t machine = file.U16(layout.fileHeader);
    const std::uint64_t magic = file.U16(layout.optionalHeader);
    if (machine == kI386 || magic == kPe32) {
        return LibraryFault::ThirtyTwoBit;
    }
    if (machine != kAmd64) {
        return LibraryFault::OtherMachine;
    }
    if (magic != kPe32Plus || (file.U16(layout.fileHeader + 18) & kDll) == 0 ||
        layout.sectionCount == 0) {
        return LibraryFault::NotALibrary;
    }
    if (file.U32(layout.optionalHeader + 60) > file.Size()) {  // SizeOfHeaders
        return LibraryFault::Incomplete;
    }
    for (std::uint64_t i = 0; i < layout.sectionCount; ++i) {
        const std::uint64_t section = layout.sections + i * kSectionHeaderSize;
        const std::uint64_t rawSize = file.U32(section + 16);
        if (rawSize != 0 && !file.Holds(file.U32(section + 20), rawSize)) {
            return LibraryFault::Incomplete;
        }
    }
    return LibraryFault::None;
}

// The file offset of a relative virtual address, nothing when no section holds it.
std::optional<std::uint64_t> FileOffset(const ByteReader& file, const Layout& layout,
                                        std::uint64_t address) {
    for (std::uint64_t i = 0; i < layout.sectionCount; ++i) {
        const std::uint64_t section = layout.sections + i * kSectionHeaderSize;
        const std::uint64_t start = file.U32(section + 12);
        const std::uint64_t length = std::max(file.U32(section + 8), file.U32(section + 16));
        if (address >= start && address - start < length) {
            return address - start + file.U32(section + 20);
        }
    }
    return std::nullopt;
}

std::vector<std::string> Imports(const ByteReader& file) {
    Layout layout;
    if (ReadLayout(file, layout) != LibraryFault::None) {
        return {};
    }
    // The import table is the second data directory, which begins at a different place in
    // the 32-bit and the 64-bit optional header.
    const std::uint64_t magic = file.U16(layout.optionalHeader);
    const std::uint64_t directories = layout.optionalHeader + (magic == kPe32Plus ? 112 : 96);
    const std::uint64_t directoryCount = file.U32(directories - 4);
    if (directoryCount < 2) {
        return {};
    }
    const std::optional<std::uint64_t> table = FileOffset(file, layout, file.U32(directories + 8));
    std::vector<std::string> names;
    for (std::uint64_t entry = table.value_or(file.Size());
         file.Holds(entry, kImportDescriptorSize) && names.size() < kMaxImports;
         entry += kImportDescriptorSize) {
        const std::uint64_t nameAddress = file.U32(entry + 12);
        if (nameAddress == 0) {
            break;
        }
        const auto name = FileOffset(file, layout, nameAddress);
        std::string text = name ? file.Text(*name, kMaxNameLength) : std::string();
        if (!text.empty()) {
            names.push_back(std::move(text));
        }
    }
    return names;
}

}  // namespace pe

}  // namespace

LibraryFault CheckLibraryImage(std::string_view bytes, ImageFormat format) {
    const ByteReader file(bytes);
    const bool elf = bytes.starts_with(kElfMagic);
    const bool pe = bytes.starts_with(kDosMagic);
    if (!elf && !pe) {
        return LibraryFault::NotALibrary;
    }
    if (elf != (format == ImageFormat::Elf)) {
        return LibraryFault::OtherSystem;
    }
    return elf ? elf::Check(file, bytes) : pe::Check(file);
}

LibraryFault CheckLibraryFile(const FileContent& file, ImageFormat format) {
    switch (file.status) {
        case ReadStatus::Missing:
            return LibraryFault::NotFound;
        case ReadStatus::Unreadable:
            return LibraryFault::Unreadable;
        case ReadStatus::NotAFile:
            return LibraryFault::NotALibrary;
        case ReadStatus::Ok:
            break;
    }
    return CheckLibraryImage(file.bytes, format);
}

std::vector<std::string> PeImportedLibraries(std::string_view bytes) {
    if (!bytes.starts_with(kDosMagic)) {
        return {};
    }
    return pe::Imports(ByteReader(bytes));
}

}  // namespace trevalunda::platform
