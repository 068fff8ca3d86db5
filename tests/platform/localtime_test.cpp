// The local clock that seeds the shuffles.
#include "platform/localtime.h"

#include <ctime>
#include <gtest/gtest.h>

using namespace platform;

TEST(LocalTime, PinnedAndReleased)
{
    setFixedLocalTime(LocalTime{23, 59, 58});
    const LocalTime pinned = localTime();
    EXPECT_EQ(pinned.hour, 23);
    EXPECT_EQ(pinned.minute, 59);
    EXPECT_EQ(pinned.second, 58);

    setFixedLocalTime(std::nullopt);
    // Released, it follows the system clock again: compare with the C library,
    // retrying should the second change between the two readings.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::time_t now = std::time(nullptr);
        std::tm parts{};
        localtime_r(&now, &parts);
        const LocalTime live = localTime();
        if (live.second != parts.tm_sec)
            continue;
        EXPECT_EQ(live.hour, parts.tm_hour);
        EXPECT_EQ(live.minute, parts.tm_min);
        return;
    }
    FAIL() << "the released clock never matched the system clock";
}
