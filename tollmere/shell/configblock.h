#pragma once
// Everything tollmere remembers between runs: the table colour and the
// colour dialog's custom colours, the card back, the sound switch, and how
// often each game was played and won. `Tollmere.cfg` is this block, 140
// bytes, byte for byte.
#include <platform/colour.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>

namespace tollmere {

struct ConfigBlock {
    static constexpr int Size = 140;
    static constexpr const char* FileName = "Tollmere.cfg";

    platform::ColorRef TableColour = 0x00404000;
    // Slots nobody has set show white in the colour dialog.
    platform::CustomColours CustomColours = []() {
        platform::CustomColours white;
        white.fill(0x00FFFFFF);
        return white;
    }();
    std::int32_t CardBackId = 195;
    std::array<std::int32_t, 8> Played{};
    std::array<std::int32_t, 8> Won{};
    std::int32_t SoundOn = 1;

    // The block as stored: 32-bit little-endian words, no header.
    QByteArray Encode() const;
    // The fields `bytes` holds completely; the rest keep their defaults. Only
    // the first 140 bytes count.
    static ConfigBlock Decode(QByteArrayView bytes);

    // One more play or win of the game `gameId`; counters stop at their
    // largest value instead of turning negative.
    void CountPlay(int gameId);
    void CountWin(int gameId);
    void ResetRecords();
    std::int64_t TotalPlayed() const;
    std::int64_t TotalWon() const;

    bool operator==(const ConfigBlock&) const = default;
};

// The block read at start, and whether the file may be written at exit: a
// file that exists but could not be read keeps the player's records on disk.
struct LoadedConfig {
    ConfigBlock Block;
    bool MayWrite = true;
};

// Never blocks: a name that is not a regular file reads as absent (and is
// never written).
LoadedConfig ReadConfig(const QString& path);
// The whole block or nothing; false when it could not be written.
bool WriteConfig(const QString& path, const ConfigBlock& block);

} // namespace tollmere
