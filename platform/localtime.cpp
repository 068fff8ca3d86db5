#include "platform/localtime.h"

#include <ctime>

namespace platform {

namespace {
std::optional<LocalTime> fixedTime;
}

LocalTime localTime()
{
    if (fixedTime)
        return *fixedTime;
    // time() and localtime_r rather than a Qt clock: the end-to-end tests fake
    // the wall clock with a preloaded library that hooks exactly these calls.
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    if (!localtime_r(&now, &parts))
        return {};
    return {parts.tm_hour, parts.tm_min, parts.tm_sec};
}

void setFixedLocalTime(std::optional<LocalTime> fixed)
{
    fixedTime = fixed;
}

} // namespace platform
