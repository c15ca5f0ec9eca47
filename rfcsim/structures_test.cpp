#include "rfcsim/structures.h"

#include <gtest/gtest.h>

#include "classic_rfc_api.h"

namespace trevalunda::rfcsim {
namespace {

TEST(StructuresTest, SystemInfoFieldsFollowOneAnotherWithoutGaps) {
    std::uint32_t position = 0;
    for (const FieldLayout& field : SystemInfoFields()) {
        EXPECT_EQ(field.position, position) << field.name;
        EXPECT_EQ(field.type, kRfcTypeChar) << field.name;
        position += field.length;
    }
    EXPECT_EQ(position, kRfcsiLength);
}

TEST(StructuresTest, LockWaiterIntegersAreAlignedToTheirSize) {
    std::uint32_t position = 0;
    for (const FieldLayout& field : LockWaiterFields()) {
        if (field.type != kRfcTypeChar) {
            position = (position + field.length - 1) / field.length * field.length;
        }
        EXPECT_EQ(field.position, position) << field.name;
        position += field.length;
    }
    EXPECT_EQ((position + 3) / 4 * 4, kLockWaiterLineLength);
}

TEST(StructuresTest, TypeHandlesAreDistinct) {
    EXPECT_EQ(StructureTypeHandle("RFCSI"), 101u);
    EXPECT_EQ(StructureTypeHandle("EXCLLCKWTS"), 102u);
    EXPECT_EQ(StructureTypeHandle("OTHER"), 0u);
    EXPECT_TRUE(StructureFields("rfcsi").empty()) << "names are upper case";
}

}  // namespace
}  // namespace trevalunda::rfcsim
