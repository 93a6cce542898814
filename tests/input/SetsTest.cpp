// The sets representation of a map.
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(MapToSets, ListsNumbersInMapOrder) {
    TestMap map(3);
    std::string ones = "stale", zeros = "stale", dcs = "stale";
    map.grid.MapToSets(ones, zeros, dcs);
    EXPECT_EQ(ones + "|" + zeros + "|" + dcs, "||");

    map.FillAll("1");
    map.grid.MapToSets(ones, zeros, dcs);
    EXPECT_EQ(ones, "0,4,1,5,3,7,2,6");
    EXPECT_EQ(zeros, "");

    TestMap two(2);
    two.Set({0, 3}, "1");
    two.Set({1}, "*");
    two.grid.MapToSets(ones, zeros, dcs);
    EXPECT_EQ(ones, "0,3");
    EXPECT_EQ(zeros, "");
    EXPECT_EQ(dcs, "1");

    two.Set({0}, "1 ");
    two.Set({3}, "x");
    two.Set({2}, "0");
    two.grid.MapToSets(ones, zeros, dcs);
    EXPECT_EQ(ones + "|" + zeros + "|" + dcs, "|2|1");
}

TEST(MapToSets, RoundTripsThroughSetTexts) {
    // Up to six variables every set text stays within the 255 characters a set may have.
    for (int n = 2; n <= 6; ++n) {
        TestMap map(n);
        const char* values[] = {"1", "0", "*", ""};
        for (int m = 0; m < 1 << n; ++m)
            map.Set({m}, values[(m * 5 + n) % 4]);
        std::string ones, zeros, dcs;
        map.grid.MapToSets(ones, zeros, dcs);
        TestMap copy(n);
        ASSERT_TRUE(copy.grid.AnalyzeWorkString(ones, "1"));
        ASSERT_TRUE(copy.grid.AnalyzeWorkString(zeros, "0"));
        ASSERT_TRUE(copy.grid.AnalyzeWorkString(dcs, "*"));
        for (int m = 0; m < 1 << n; ++m)
            EXPECT_EQ(copy.At(m), map.At(m)) << n << ":" << m;
    }
}

} // namespace
