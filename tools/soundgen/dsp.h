#pragma once
// Small signal-processing pieces for the sound generator: a seeded noise
// source and a second-order filter. Everything is plain arithmetic on doubles
// so that the same seed gives the same samples on every build.
#include <cmath>
#include <cstdint>
#include <numbers>

namespace soundgen {

// xorshift64*: our own generator, because the standard distributions are free
// to differ between library versions and the sounds must not.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}

    std::uint64_t next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }
    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    // Uniform in [lo, hi).
    double between(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // White noise in [-1, 1).
    double noise() { return 2.0 * uniform() - 1.0; }

private:
    std::uint64_t state_;
};

// Biquad in direct form I with the usual audio-cookbook coefficient recipes.
// The coefficients may be changed between samples, which is how the swish
// sweeps its band upwards.
class Biquad {
public:
    void bandPass(double freq, double q, double rate)
    {
        const double w = 2.0 * std::numbers::pi * freq / rate;
        const double alpha = std::sin(w) / (2.0 * q);
        set(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * std::cos(w), 1.0 - alpha);
    }
    void lowPass(double freq, double q, double rate)
    {
        const double w = 2.0 * std::numbers::pi * freq / rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double c = std::cos(w);
        set((1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
    }
    void highPass(double freq, double q, double rate)
    {
        const double w = 2.0 * std::numbers::pi * freq / rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double c = std::cos(w);
        set((1.0 + c) / 2.0, -(1.0 + c), (1.0 + c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
    }

    double process(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    void set(double b0, double b1, double b2, double a0, double a1, double a2)
    {
        b0_ = b0 / a0;
        b1_ = b1 / a0;
        b2_ = b2 / a0;
        a1_ = a1 / a0;
        a2_ = a2 / a0;
    }

    double b0_ = 1.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

} // namespace soundgen
