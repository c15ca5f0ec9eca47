#include "rfcsim/structures.h"

#include <array>

#include "classic_rfc_api.h"

namespace trevalunda::rfcsim {
namespace {

constexpr std::uint32_t kChar = kRfcTypeChar;
constexpr std::uint32_t kInt = kRfcTypeInt;
constexpr std::uint32_t kInt2 = kRfcTypeInt2;

constexpr std::array<FieldLayout, 18> kSystemInfoFields{{
    {"RFCPROTO", kChar, 3, 0},
    {"RFCCHARTYP", kChar, 4, 3},
    {"RFCINTTYP", kChar, 3, 7},
    {"RFCFLOTYP", kChar, 3, 10},
    {"RFCDEST", kChar, 32, 13},
    {"RFCHOST", kChar, 8, 45},
    {"RFCSYSID", kChar, 8, 53},
    {"RFCDATABS", kChar, 8, 61},
    {"RFCDBHOST", kChar, 32, 69},
    {"RFCDBSYS", kChar, 10, 101},
    {"RFCSAPRL", kChar, 4, 111},
    {"RFCMACH", kChar, 5, 115},
    {"RFCOPSYS", kChar, 10, 120},
    {"RFCTZONE", kChar, 6, 130},
    {"RFCDAYST", kChar, 1, 136},
    {"RFCIPADDR", kChar, 15, 137},
    {"RFCKERNRL", kChar, 4, 152},
    {"RFCSI_RESV", kChar, 44, 156},
}};

constexpr std::array<FieldLayout, 11> kLockWaiterFields{{
    {"OBJ_NAME", kChar, 81, 0},
    {"HOLDER_SID", kInt, 4, 84},
    {"H_HOSTNAME", kChar, 32, 88},
    {"HOLDER_PID", kInt, 4, 120},
    {"WAITER_SID", kInt, 4, 124},
    {"W_HOSTNAME", kChar, 32, 128},
    {"WAITER_PID", kInt, 4, 160},
    {"HELD_SINCE", kInt, 4, 164},
    {"WAITSSINCE", kInt, 4, 168},
    {"LOCK_LEVEL", kInt2, 2, 172},
    {"ADD_INFO", kChar, 100, 174},
}};

constexpr std::uint32_t kSystemInfoTypeHandle = 101;
constexpr std::uint32_t kLockWaiterTypeHandle = 102;

// Each layout must end where its record ends.
constexpr bool EndsAt(std::span<const FieldLayout> fields, std::size_t size, std::size_t gap) {
    return fields.back().position + fields.back().length + gap == size;
}
static_assert(EndsAt(kSystemInfoFields, kRfcsiLength, 0));
static_assert(EndsAt(kLockWaiterFields, kLockWaiterLineLength, 2));

}  // namespace

std::span<const FieldLayout> SystemInfoFields() {
    return kSystemInfoFields;
}

std::span<const FieldLayout> LockWaiterFields() {
    return kLockWaiterFields;
}

std::span<const FieldLayout> StructureFields(std::string_view name) {
    if (name == kSystemInfoStructure) {
        return kSystemInfoFields;
    }
    if (name == kLockWaiterStructure) {
        return kLockWaiterFields;
    }
    return {};
}

std::uint32_t StructureTypeHandle(std::string_view name) {
    if (name == kSystemInfoStructure) {
        return kSystemInfoTypeHandle;
    }
    if (name == kLockWaiterStructure) {
        return kLockWaiterTypeHandle;
    }
    return 0;
}

}  // namespace trevalunda::rfcsim
