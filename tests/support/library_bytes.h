#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace trevalunda::testing {

inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A library of this build made to say that it is one for 32-bit programs: the ELF class byte,
// or the machine field of the PE file header (after the "PE\0\0" signature whose offset stands
// at 0x3C) set to i386.
inline std::string ThirtyTwoBitCopy(std::string library) {
    if (library.starts_with("\177ELF")) {
        library[4] = '\1';
        return library;
    }
    const std::size_t signature =
        static_cast<unsigned char>(library[0x3C]) |
        static_cast<std::size_t>(static_cast<unsigned char>(library[0x3D])) << 8;
    library[signature + 4] = '\x4C';
    library[signature + 5] = '\x01';
    return library;
}

}  // namespace trevalunda::testing
