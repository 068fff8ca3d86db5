#pragma once
// The table's one random generator: a linear congruential generator whose
// results are bits 16 to 30 of the state (0..32767).
#include <cstdint>

namespace quenby {

class Random {
public:
    void Seed(std::uint32_t seed) { state_ = seed; }
    int Next()
    {
        state_ = state_ * 214013u + 2531011u;
        return int((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_ = 0;
};

} // namespace quenby
