#include "LocalDate.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

TLocalDate ClockDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace

TEST(LocalDate, FollowsTheLocalClockUnlessOverridden) {
    const TLocalDate before = ClockDate();
    const TLocalDate answer = LocalDate();
    const TLocalDate after = ClockDate();
    EXPECT_TRUE(answer == before || answer == after);
    {
        LocalDateOverride fixed({2010, 3, 1});
        EXPECT_EQ(LocalDate(), (TLocalDate{2010, 3, 1}));
    }
    const TLocalDate again = LocalDate();
    EXPECT_TRUE(again == after || again == ClockDate());
}
