// Prints the platform's local time as HH:MM:SS, for the faked-clock check.
#include "platform/localtime.h"

#include <cstdio>

int main()
{
    const platform::LocalTime now = platform::localTime();
    std::printf("%02d:%02d:%02d\n", now.hour, now.minute, now.second);
    return 0;
}
