#pragma once
// The three card sounds, synthesised from seeded noise and decaying tones.
// Each comes out mono, 16-bit, at SampleRate, peaking near -6 dBFS, with no
// DC offset and faded to silence at both ends so playback starts and stops
// without a click.
#include <cstdint>
#include <string_view>
#include <vector>

namespace soundgen {

inline constexpr int SampleRate = 22050;

// A riffle of the deck: a burst of short paper clicks that speeds up in the
// middle and slows again, ending in the soft flap of the squared deck.
std::vector<std::int16_t> shuffleSound();
// Lifting a card: band-passed noise whose band and loudness rise together.
std::vector<std::int16_t> upSound();
// Laying a card down: a low, quickly damped thud under a short contact tick.
std::vector<std::int16_t> downSound();

struct NamedSound {
    std::string_view fileName;
    std::vector<std::int16_t> (*make)();
};

// The files the programs play, under the names they open them by.
inline constexpr NamedSound AllSounds[] = {
    {"SHUFFLE.WAV", &shuffleSound},
    {"UP.WAV", &upSound},
    {"DOWN.WAV", &downSound},
};

} // namespace soundgen
