#include "platform/library_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace trevalunda::platform {
namespace {

// Writes a little-endian number into a byte string, growing it as needed.
void Put(std::string& bytes, std::size_t offset, std::uint64_t value, std::size_t width) {
    if (bytes.size() < offset + width) {
        bytes.resize(offset + width, '\0');
    }
    for (std::size_t i = 0; i < width; ++i) {
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

struct Segment {
    std::uint64_t type = 1;  // loadable
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

// An ELF image: its header, program headers and a file of the given size.
struct ElfImage {
    unsigned elfClass = 2;
    unsigned byteOrder = 1;
    std::uint64_t type = 3;      // shared object
    std::uint64_t machine = 62;  // x86-64
    std::vector<Segment> segments = {{1, 0, 0x200}, {1, 0x1000, 0x300}, {2, 0x1100, 0x10}};
    std::size_t fileSize = 0x1300;

    std::string Bytes() const {
        std::string bytes = "\177ELF";
        bytes += static_cast<char>(elfClass);
        bytes += static_cast<char>(byteOrder);
        bytes += '\1';
        Put(bytes, 16, type, 2);
        Put(bytes, 18, machine, 2);
        Put(bytes, 32, 64, 8);  // program headers right after the header
        Put(bytes, 54, 56, 2);
        Put(bytes, 56, segments.size(), 2);
        for (std::size_t i = 0; i < segments.size(); ++i) {
            const std::size_t entry = 64 + 56 * i;
            Put(bytes, entry, segments[i].type, 4);
            Put(bytes, entry + 8, segments[i].offset, 8);
            Put(bytes, entry + 32, segments[i].size, 8);
        }
        bytes.resize(fileSize, '\0');
        return bytes;
    }
};

struct Section {
    std::uint64_t address = 0;
    std::uint64_t rawOffset = 0;
    std::uint64_t rawSize = 0;
};

// A PE image: DOS header, signature, file header, 64-bit optional header and sections.
struct PeImage {
    std::string signature{"PE\0\0", 4};
    std::uint64_t machine = 0x8664;
    std::uint64_t characteristics = 0x2022;  // a DLL
    std::uint64_t magic = 0x20B;
    std::uint64_t headerSize = 0x400;
    std::vector<Section> sections = {{0x1000, 0x400, 0x200}, {0x2000, 0x600, 0x200}};
    std::uint64_t importTable = 0;  // its relative address, 0 for none
    std::size_t fileSize = 0x800;

    static constexpr std::size_t kOptionalHeader = 64 + 4 + 20;

    std::string Bytes() const {
        std::string bytes = "MZ";
        Put(bytes, 0x3C, 64, 4);
        bytes.resize(64, '\0');
        bytes += signature;
        Put(bytes, 68, machine, 2);
        Put(bytes, 70, sections.size(), 2);
        Put(bytes, 84, 240, 2);
        Put(bytes, 86, characteristics, 2);
        Put(bytes, kOptionalHeader, magic, 2);
        Put(bytes, kOptionalHeader + 60, headerSize, 4);
        Put(bytes, kOptionalHeader + 108, 16, 4);
        Put(bytes, kOptionalHeader + 120, importTable, 4);
        for (std::size_t i = 0; i < sections.size(); ++i) {
            const std::size_t entry = kOptionalHeader + 240 + 40 * i;
            Put(bytes, entry + 8, sections[i].rawSize, 4);
            Put(bytes, entry + 12, sections[i].address, 4);
            Put(bytes, entry + 16, sections[i].rawSize, 4);
            Put(bytes, entry + 20, sections[i].rawOffset, 4);
        }
        bytes.resize(fileSize, '\0');
        return bytes;
    }
};

struct Case {
    const char* name;
    std::string bytes;
    ImageFormat format;
    LibraryFault fault;
};

void ExpectFaults(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(CheckLibraryImage(c.bytes, c.format), c.fault) << c.name;
    }
}

TEST(LibraryImageTest, ElfSharedObjects) {
    const auto image = [](auto change) {
        ElfImage elf;
        change(elf);
        return elf.Bytes();
    };
    const std::string complete = ElfImage{}.Bytes();
    ExpectFaults({
        {"complete x86-64 shared object", complete, ImageFormat::Elf, LibraryFault::None},
        {"32-bit", image([](ElfImage& e) { e.elfClass = 1; }), ImageFormat::Elf,
         LibraryFault::ThirtyTwoBit},
        {"32-bit header alone", complete.substr(0, 5).replace(4, 1, "\1"), ImageFormat::Elf,
         LibraryFault::ThirtyTwoBit},
        {"unknown class", image([](ElfImage& e) { e.elfClass = 7; }), ImageFormat::Elf,
         LibraryFault::NotALibrary},
        {"AArch64", image([](ElfImage& e) { e.machine = 183; }), ImageFormat::Elf,
         LibraryFault::OtherMachine},
        {"big-endian", image([](ElfImage& e) { e.byteOrder = 2; }), ImageFormat::Elf,
         LibraryFault::OtherMachine},
        {"program", image([](ElfImage& e) { e.type = 2; }), ImageFormat::Elf,
         LibraryFault::NotALibrary},
        {"object file", image([](ElfImage& e) { e.type = 1; }), ImageFormat::Elf,
         LibraryFault::NotALibrary},
        {"no loadable segment", image([](ElfImage& e) {
             e.segments = {{2, 0x100, 0x10}};
         }),
         ImageFormat::Elf, LibraryFault::NotALibrary},
        {"no program headers", image([](ElfImage& e) { e.segments = {}; }), ImageFormat::Elf,
         LibraryFault::NotALibrary},
        {"cut inside the last segment", complete.substr(0, 0x12FF), ImageFormat::Elf,
         LibraryFault::Incomplete},
        {"cut after the first page", complete.substr(0, 0x1000), ImageFormat::Elf,
         LibraryFault::Incomplete},
        {"cut inside the program headers", complete.substr(0, 100), ImageFormat::Elf,
         LibraryFault::Incomplete},
        {"cut inside the header", complete.substr(0, 40), ImageFormat::Elf,
         LibraryFault::Incomplete},
        {"magic alone", complete.substr(0, 4), ImageFormat::Elf, LibraryFault::Incomplete},
        {"segment size that wraps around", image([](ElfImage& e) {
             e.segments = {{1, 0x100, ~std::uint64_t{0} - 0x80}};
         }),
         ImageFormat::Elf, LibraryFault::Incomplete},
        {"unloaded segment beyond the end", image([](ElfImage& e) {
             e.segments.push_back({2, 0x5000, 0x100});
         }),
         ImageFormat::Elf, LibraryFault::None},
    });
}

TEST(LibraryImageTest, PeLibraries) {
    const auto image = [](auto change) {
        PeImage pe;
        change(pe);
        return pe.Bytes();
    };
    const std::string complete = PeImage{}.Bytes();
    ExpectFaults({
        {"complete AMD64 DLL", complete, ImageFormat::Pe, LibraryFault::None},
        {"i386 DLL", image([](PeImage& p) { p.machine = 0x14C; }), ImageFormat::Pe,
         LibraryFault::ThirtyTwoBit},
        {"i386 DLL with a 32-bit header", image([](PeImage& p) {
             p.machine = 0x14C;
             p.magic = 0x10B;
         }),
         ImageFormat::Pe, LibraryFault::ThirtyTwoBit},
        {"ARM64 DLL", image([](PeImage& p) { p.machine = 0xAA64; }), ImageFormat::Pe,
         LibraryFault::OtherMachine},
        {"program", image([](PeImage& p) { p.characteristics = 0x22; }), ImageFormat::Pe,
         LibraryFault::NotALibrary},
        {"DOS program", image([](PeImage& p) { p.signature = std::string(4, '\0'); }),
         ImageFormat::Pe, LibraryFault::NotALibrary},
        {"unknown optional header", image([](PeImage& p) { p.magic = 0x107; }), ImageFormat::Pe,
         LibraryFault::NotALibrary},
        {"no sections", image([](PeImage& p) { p.sections = {}; }), ImageFormat::Pe,
         LibraryFault::NotALibrary},
        {"cut inside the last section", complete.substr(0, 0x7FF), ImageFormat::Pe,
         LibraryFault::Incomplete},
        {"cut after the headers", complete.substr(0, 0x400), ImageFormat::Pe,
         LibraryFault::Incomplete},
        {"cut inside the section table", complete.substr(0, 0x160), ImageFormat::Pe,
         LibraryFault::Incomplete},
        {"cut before the signature", complete.substr(0, 66), ImageFormat::Pe,
         LibraryFault::Incomplete},
        {"cut inside the DOS header", complete.substr(0, 30), ImageFormat::Pe,
         LibraryFault::Incomplete},
        {"headers longer than the file", image([](PeImage& p) { p.headerSize = 0x10000; }),
         ImageFormat::Pe, LibraryFault::Incomplete},
        {"section without raw data", image([](PeImage& p) {
             p.sections.push_back({0x3000, 0, 0});
         }),
         ImageFormat::Pe, LibraryFault::None},
    });
}

TEST(LibraryImageTest, FilesThatAreNoLibraryOfThisSystem) {
    ExpectFaults({
        {"empty file for ELF", "", ImageFormat::Elf, LibraryFault::NotALibrary},
        {"empty file for PE", "", ImageFormat::Pe, LibraryFault::NotALibrary},
        {"text for ELF", "RfcLibrary=librfccm.so\n", ImageFormat::Elf, LibraryFault::NotALibrary},
        {"text for PE", "not a DLL\r\n", ImageFormat::Pe, LibraryFault::NotALibrary},
        {"PE where ELF is needed", PeImage{}.Bytes(), ImageFormat::Elf, LibraryFault::OtherSystem},
        {"ELF where PE is needed", ElfImage{}.Bytes(), ImageFormat::Pe, LibraryFault::OtherSystem},
    });
}

TEST(LibraryImageTest, PeImportsInTableOrder) {
    // The import table lies in the second section (address 0x2000, file offset 0x600): two
    // descriptors, a terminating one, and the names they point at.
    PeImage pe;
    pe.importTable = 0x2000;
    std::string bytes = pe.Bytes();
    Put(bytes, 0x600 + 12, 0x2080, 4);
    Put(bytes, 0x600 + 20 + 12, 0x2090, 4);
    bytes.replace(0x680, 15, std::string("libsapucum.dll\0", 15));
    bytes.replace(0x690, 13, std::string("KERNEL32.dll\0", 13));
    EXPECT_EQ(PeImportedLibraries(bytes),
              (std::vector<std::string>{"libsapucum.dll", "KERNEL32.dll"}));

    EXPECT_EQ(PeImportedLibraries(PeImage{}.Bytes()), std::vector<std::string>{})
        << "no import table";
    EXPECT_EQ(PeImportedLibraries(ElfImage{}.Bytes()), std::vector<std::string>{}) << "ELF";
    EXPECT_EQ(PeImportedLibraries(bytes.substr(0, 0x620)), std::vector<std::string>{})
        << "cut inside the import table";
}

}  // namespace
}  // namespace trevalunda::platform
