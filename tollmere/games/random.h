#pragma once
// The shuffle's generator: a linear congruential one whose draws are bits 16
// to 30 of the state. It starts at 1 with the program and carries over from
// one shuffle to the next.
#include <cstdint>

namespace tollmere {

class Random {
public:
    void Seed(std::uint32_t seed) { state_ = seed; }
    int Next()
    {
        state_ = state_ * 214013u + 2531011u;
        return int((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_ = 1;
};

} // namespace tollmere
