#include "synth.h"

#include "dsp.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace soundgen {

namespace {

using Buffer = std::vector<double>;

constexpr double Rate = SampleRate;
constexpr double PeakDbfs = -6.0;

std::size_t samplesFor(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * Rate));
}

// Raised-cosine ramp from 0 to 1 over the first `seconds` and back to 0 over
// the last, so the first and last samples are exactly silent.
void fadeEnds(Buffer& buf, double fadeIn, double fadeOut)
{
    const std::size_t in = std::min(samplesFor(fadeIn), buf.size());
    const std::size_t out = std::min(samplesFor(fadeOut), buf.size());
    for (std::size_t i = 0; i < in; ++i)
        buf[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(in));
    for (std::size_t i = 0; i < out; ++i) {
        const std::size_t k = buf.size() - 1 - i;
        buf[k] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(out));
    }
}

// Common finish: a gentle high-pass and mean removal take away any offset the
// low thuds leave, the ends are faded, and the level is set so the loudest
// sample sits at PeakDbfs.
std::vector<std::int16_t> finish(Buffer buf, double fadeIn, double fadeOut)
{
    Biquad dcBlock;
    dcBlock.highPass(30.0, std::numbers::sqrt2 / 2.0, Rate);
    for (double& x : buf)
        x = dcBlock.process(x);
    double mean = 0.0;
    for (double x : buf)
        mean += x;
    mean /= static_cast<double>(buf.size());
    for (double& x : buf)
        x -= mean;
    fadeEnds(buf, fadeIn, fadeOut);

    double peak = 0.0;
    for (double x : buf)
        peak = std::max(peak, std::abs(x));
    const double gain = peak > 0.0 ? 32767.0 * std::pow(10.0, PeakDbfs / 20.0) / peak : 0.0;

    std::vector<std::int16_t> out;
    out.reserve(buf.size());
    for (double x : buf)
        out.push_back(static_cast<std::int16_t>(std::lround(x * gain)));
    return out;
}

// One card edge leaving the thumb: a papery noise click with a faint woody
// ring under it, both gone within a few milliseconds so the next click stands
// apart.
void addClick(Buffer& buf, std::size_t start, double amplitude, Rng& rng)
{
    Biquad band;
    band.bandPass(rng.between(2200.0, 4500.0), 1.2, Rate);
    const double tau = rng.between(0.0008, 0.0014);
    const double ringFreq = rng.between(900.0, 1400.0);
    const double ringTau = rng.between(0.0012, 0.0020);
    const double attack = 0.0003;
    const std::size_t length = samplesFor(0.009);
    for (std::size_t i = 0; i < length && start + i < buf.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double rise = std::min(1.0, t / attack);
        const double noise = band.process(rng.noise()) * 2.2 * std::exp(-t / tau);
        const double ring = 0.3 * std::sin(2.0 * std::numbers::pi * ringFreq * t) * std::exp(-t / ringTau);
        buf[start + i] += amplitude * rise * (noise + ring);
    }
}

} // namespace

std::vector<std::int16_t> shuffleSound()
{
    Rng rng(0x5EED0001);
    constexpr double riffleStart = 0.012;
    constexpr double riffleEnd = 0.50;
    constexpr double total = 0.60;
    Buffer buf(samplesFor(total), 0.0);

    // Clicks come every 16 ms at the ends of the riffle and every 7 ms in its
    // middle, each interval jittered by up to a quarter either way.
    double t = riffleStart;
    while (t < riffleEnd) {
        const double p = (t - riffleStart) / (riffleEnd - riffleStart);
        const double swell = 0.8 + 0.2 * std::sin(std::numbers::pi * p);
        addClick(buf, samplesFor(t), swell * rng.between(0.55, 1.0), rng);
        const double centre = 2.0 * p - 1.0;
        t += (0.007 + 0.009 * centre * centre) * rng.between(0.75, 1.25);
    }

    // The rustle of the cards rubbing, kept well under the clicks.
    Biquad rustle;
    rustle.lowPass(3000.0, 0.7, Rate);
    const std::size_t bedFrom = samplesFor(riffleStart);
    const std::size_t bedTo = samplesFor(riffleEnd);
    for (std::size_t i = bedFrom; i < bedTo; ++i) {
        const double p = static_cast<double>(i - bedFrom) / static_cast<double>(bedTo - bedFrom);
        buf[i] += 0.05 * std::sin(std::numbers::pi * p) * rustle.process(rng.noise());
    }

    // The two halves meeting: a soft, low flap once the last card has fallen.
    Biquad flap;
    flap.lowPass(900.0, 0.8, Rate);
    const std::size_t flapAt = samplesFor(riffleEnd + 0.025);
    for (std::size_t i = flapAt; i < buf.size(); ++i) {
        const double u = static_cast<double>(i - flapAt) / Rate;
        const double env = std::min(1.0, u / 0.002) * std::exp(-u / 0.012);
        buf[i] += 1.4 * env * flap.process(rng.noise());
    }

    return finish(std::move(buf), 0.004, 0.015);
}

std::vector<std::int16_t> upSound()
{
    Rng rng(0x5EED0002);
    constexpr double total = 0.125;
    constexpr double swell = 0.092; // loudness keeps rising until here
    const std::size_t n = samplesFor(total);
    Buffer buf(n, 0.0);

    // Two band-passes in a row give a narrower, airier band; its centre
    // slides from 900 Hz up to 3.8 kHz as the card leaves the table.
    Biquad first;
    Biquad second;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double p = t / total;
        const double centre = 900.0 * std::pow(3800.0 / 900.0, p);
        first.bandPass(centre, 1.4, Rate);
        second.bandPass(centre, 1.4, Rate);
        double env;
        if (t < swell)
            env = std::pow(t / swell, 1.6);
        else
            env = 0.5 + 0.5 * std::cos(std::numbers::pi * (t - swell) / (total - swell));
        buf[i] = env * second.process(first.process(rng.noise()));
    }
    return finish(std::move(buf), 0.003, 0.006);
}

std::vector<std::int16_t> downSound()
{
    Rng rng(0x5EED0003);
    constexpr double total = 0.095;
    const std::size_t n = samplesFor(total);
    Buffer buf(n, 0.0);

    Biquad tick;
    tick.lowPass(2500.0, 0.7, Rate);
    Biquad slap;
    slap.bandPass(800.0, 1.5, Rate);
    double phase = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / Rate;
        // The thud drops from 220 Hz towards 140 Hz as it dies away; the
        // slap above it keeps the tap audible on small speakers.
        const double freq = 140.0 + 80.0 * std::exp(-t / 0.020);
        phase += 2.0 * std::numbers::pi * freq / Rate;
        const double attack = std::min(1.0, t / 0.0015);
        const double thud = std::sin(phase) * attack * std::exp(-t / 0.014);
        const double contact = tick.process(rng.noise()) * std::min(1.0, t / 0.0004) * std::exp(-t / 0.0025);
        const double body = slap.process(rng.noise()) * attack * std::exp(-t / 0.006);
        buf[i] = thud + 1.5 * contact + 4.0 * body;
    }
    return finish(std::move(buf), 0.002, 0.010);
}

} // namespace soundgen
