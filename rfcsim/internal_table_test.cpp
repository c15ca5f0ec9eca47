#include "rfcsim/internal_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace trevalunda::rfcsim {
namespace {

TEST(InternalTableTest, LinesAreCountedFromOne) {
    InternalTable table("T", 4);
    EXPECT_EQ(table.LineCount(), 0u);
    EXPECT_EQ(table.Line(1), nullptr) << "empty table";
    table.Append("abcd");
    table.Append("xy");
    table.Append("123456");
    ASSERT_EQ(table.LineCount(), 3u);
    EXPECT_EQ(table.Line(0), nullptr) << "line 0";
    EXPECT_EQ(table.Line(4), nullptr) << "past the end";
    EXPECT_EQ(std::memcmp(table.Line(1), "abcd", 4), 0) << "line 1";
    EXPECT_EQ(std::memcmp(table.Line(2), "xy\0\0", 4), 0) << "short line zero-filled";
    EXPECT_EQ(std::memcmp(table.Line(3), "1234", 4), 0) << "long line cut";
}

TEST(InternalTableTest, LinesStayWhereTheyAreWhileTheTableGrows) {
    InternalTable table("T", 8);
    table.Append("first");
    const void* first = table.Line(1);
    for (int i = 0; i < 100; ++i) {
        table.Append("more");
    }
    EXPECT_EQ(table.Line(1), first);
}

TEST(InternalTableTest, RegistryKnowsOnlyLiveTables) {
    TableRegistry registry;
    void* a = registry.Create("A", 10);
    void* b = registry.Create("B", 20);
    ASSERT_NE(registry.Find(a), nullptr);
    EXPECT_EQ(registry.Find(a)->Name(), "A");
    EXPECT_EQ(registry.Find(b)->LineLength(), 20u);
    registry.Delete(a);
    EXPECT_EQ(registry.Find(a), nullptr) << "deleted";
    EXPECT_NE(registry.Find(b), nullptr) << "the other stays";
    int unrelated = 0;
    EXPECT_EQ(registry.Find(&unrelated), nullptr) << "never created";
    EXPECT_EQ(registry.Find(nullptr), nullptr) << "null";
}

}  // namespace
}  // namespace trevalunda::rfcsim
