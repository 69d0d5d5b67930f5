// The walk by step gives the points of the classic Bresenham loop, from any
// step, so that a walk started inside a clip draws the same pixels.

#include "LineWalk.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace {

using TWalkPoints = std::vector<std::pair<long long, long long>>;

TWalkPoints ClassicWalk(long long x0, long long y0, long long x1, long long y1) {
    TWalkPoints points;
    const long long dx = std::llabs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const long long dy = -std::llabs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    long long err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        points.emplace_back(x0, y0);
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    return points;
}

}  // namespace

TEST(LineSteps, EqualTheClassicWalkFromEveryStart) {
    std::mt19937 random(7);
    std::uniform_int_distribution<long long> coordinate(-40, 40);
    for (int line = 0; line < 2000; ++line) {
        const long long x0 = coordinate(random), y0 = coordinate(random);
        const long long x1 = coordinate(random), y1 = coordinate(random);
        SCOPED_TRACE(testing::Message() << x0 << "," << y0 << " to " << x1 << "," << y1);
        const TWalkPoints expected = ClassicWalk(x0, y0, x1, y1);
        const TLineSteps steps(x0, y0, x1, y1);
        ASSERT_EQ(steps.Count(), static_cast<long long>(expected.size()));
        const long long first = steps.Count() / 3;
        TWalkPoints walked;
        steps.Walk(first, steps.Count(), [&](long long x, long long y) { walked.emplace_back(x, y); });
        ASSERT_EQ(walked, TWalkPoints(expected.begin() + first, expected.end()));
    }
}

TEST(LineSteps, AFarLineIsWalkedOnlyWhereItCrossesTheBox) {
    // Ends two billion pixels apart: the walk visits about a box's width.
    const TLineSteps steps(-2'000'000'000, -1'000'000'000, 2'000'000'000, 1'000'000'003);
    const auto [first, last] = steps.Within(0, 100, 0, 100);
    EXPECT_EQ(last - first, 100);
    long long visited = 0;
    steps.Walk(first, last, [&](long long x, long long y) {
        ++visited;
        EXPECT_GE(x, 0);
        EXPECT_LT(x, 100);
        EXPECT_NEAR(static_cast<double>(y), x / 2.0, 2.0);
    });
    EXPECT_EQ(visited, 100);
}
