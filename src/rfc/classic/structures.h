#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace trevalunda {

// One field of a structure as the RFC library learns it.
struct StructureField {
    std::string_view name;
    std::uint32_t type;
    std::uint32_t length;
};

// RFCSI: the system information record of RFC_SYSTEM_INFO, 200 bytes of texts.
const std::vector<StructureField>& SystemInfoStructure();

// EXCLLCKWTS: one exclusive lock waiter, a line of 276 bytes.
const std::vector<StructureField>& LockWaiterStructure();

// A field of the system information record by its offset and width.
struct RecordField {
    std::size_t offset;
    std::size_t width;
};
inline constexpr RecordField kRfcHost{45, 8};
inline constexpr RecordField kRfcDatabaseSystem{101, 10};

}  // namespace trevalunda
