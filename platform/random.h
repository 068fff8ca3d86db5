#pragma once
// The runtime's random generator, as the programs' shuffles expect it: a
// linear congruential generator whose draws are bits 16 to 30 of the state
// (0..32767). Unseeded it starts from 1.
#include <cstdint>

namespace platform {

class Random {
public:
    explicit Random(std::uint32_t state = 1) : state_(state) {}
    void Seed(std::uint32_t seed) { state_ = seed; }
    int Next()
    {
        state_ = state_ * 214013u + 2531011u;
        return int((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_;
};

} // namespace platform
