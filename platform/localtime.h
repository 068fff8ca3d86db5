#pragma once
// Local wall-clock time for seeding shuffles; follows a faked clock
// (libfaketime) and can be pinned by tests.
#include <optional>

namespace platform {

struct LocalTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

LocalTime localTime();

// Tests pin the clock with a value and release it with std::nullopt.
void setFixedLocalTime(std::optional<LocalTime> fixed);

} // namespace platform
