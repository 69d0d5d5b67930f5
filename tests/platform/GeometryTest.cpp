#include "Geometry.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Geometry, RectangleArithmetic) {
    constexpr TRect a{10, 20, 30, 40};
    struct Case {
        const char* name;
        TRect got, expected;
    };
    const Case cases[] = {
        {"spanning two points, both held", TRect::Spanning({7, 9}, {3, 2}), {3, 2, 8, 10}},
        {"overlapping intersection", a.Intersected({25, 0, 50, 30}), {25, 20, 30, 30}},
        {"united", a.United({0, 35, 12, 50}), {0, 20, 30, 50}},
        {"united with an empty one", a.United({100, 100, 100, 200}), a},
        {"empty united", TRect{5, 5, 5, 9}.United(a), a},
        {"normalized", TRect{30, 40, 10, 20}.Normalized(), a},
        {"scaled", a.Scaled(3), {30, 60, 90, 120}},
        {"inflated", a.Inflated(2), {8, 18, 32, 42}},
        {"translated", a.Translated(-10, 5), {0, 25, 20, 45}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.got, c.expected);
    }
    EXPECT_TRUE(a.Intersected({30, 20, 40, 40}).Empty());  // touching at the excluded edge
    EXPECT_TRUE(a.Contains(10, 20));
    EXPECT_FALSE(a.Contains(30, 39));
    EXPECT_TRUE(a.Contains(TRect{10, 20, 30, 40}));
    EXPECT_FALSE(a.Contains(TRect{10, 20, 31, 40}));
    EXPECT_EQ((TRect{-7, 0, 0, 4}.CenterX()), -3);  // toward zero
}

// Sums of two coordinates beyond int give the nearest int, never overflow.
TEST(Geometry, HugeCoordinatesSaturate) {
    constexpr TRect huge{1895825408, -1895825408, 1895825409, 1895825409};
    constexpr TRect all{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    struct Case {
        const char* name;
        long long got, expected;
    };
    const Case cases[] = {
        {"centre", huge.CenterX(), 1895825408},
        {"centre of the widest", all.CenterY(), 0},
        {"width of the widest", all.Width(), INT_MAX},
        {"height across zero", huge.Height(), INT_MAX},
        {"scaled", huge.Scaled(2).right, INT_MAX},
        {"scaled below", huge.Scaled(2).top, INT_MIN},
        {"inflated", all.Inflated(1).left, INT_MIN},
        {"translated", huge.Translated(INT_MAX, 0).left, INT_MAX},
        {"spanning at the end", TRect::Spanning({0, 0}, {INT_MAX, 0}).right, INT_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.got, c.expected);
    }
}
