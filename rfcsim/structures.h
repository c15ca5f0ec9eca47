#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace trevalunda::rfcsim {

// One field of a structure as the caller must describe it, with the position the field has
// in a record of that structure.
struct FieldLayout {
    std::string_view name;
    std::uint32_t type;  // a field type code
    std::uint32_t length;
    std::uint32_t position;
};

inline constexpr std::string_view kSystemInfoStructure = "RFCSI";
inline constexpr std::string_view kLockWaiterStructure = "EXCLLCKWTS";

// The fields of RFCSI, the system information record (200 bytes, all texts) and of
// EXCLLCKWTS, a lock-waiter line (276 bytes, integers aligned to their size).
std::span<const FieldLayout> SystemInfoFields();
std::span<const FieldLayout> LockWaiterFields();

// The fields of a structure known by that name; empty for any other name.
std::span<const FieldLayout> StructureFields(std::string_view name);

// The structures installed so far, each with its type handle.
using InstalledStructures = std::map<std::string, std::uint32_t, std::less<>>;

// The type handle RfcInstallStructure hands out for a structure; 0 for an unknown name.
std::uint32_t StructureTypeHandle(std::string_view name);

}  // namespace trevalunda::rfcsim
