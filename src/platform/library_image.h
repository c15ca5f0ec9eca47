#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace trevalunda::platform {

// What keeps a library from being loaded, as far as the sensor can tell.
enum class LibraryFault {
    None,
    NotFound,
    Unreadable,
    NotALibrary,        // not a shared library at all (a text, a program, a folder)
    Incomplete,         // a library cut short: a part the loader maps lies beyond its end
    ThirtyTwoBit,       // a library for 32-bit programs
    OtherMachine,       // a 64-bit library for another processor
    OtherSystem,        // a library of the other operating system (ELF on Windows, PE on Linux)
    MissingDependency,  // a library that it needs cannot be found
    Refused,            // the operating system refused it for a reason of its own
};

// The two file formats of shared libraries: ELF (Linux) and PE (Windows).
enum class ImageFormat { Elf, Pe };

// Checks a file's bytes before they are handed to the system loader, which may crash on a
// file that ends early: only a complete 64-bit x86-64 shared library of the given format
// passes (ELF: a shared object whose loadable segments all lie inside the file; PE: an AMD64
// DLL whose sections all lie inside the file).
LibraryFault CheckLibraryImage(std::string_view bytes, ImageFormat format);

// The same check for a file as it was read: a missing file is not found, a folder is no
// library.
LibraryFault CheckLibraryFile(const FileContent& file, ImageFormat format);

// The names of the libraries that a PE library imports at load time, in the order of its
// import table; empty when the bytes are no PE image or it imports nothing.
std::vector<std::string> PeImportedLibraries(std::string_view bytes);

}  // namespace trevalunda::platform
