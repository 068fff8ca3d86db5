// The card sounds as the programs find them beside the executable: checked as
// files (header bytes), as levels (peak, offset, faded ends) and as events
// (how many distinct transients each holds and how its sound moves).
#include "synth.h"
#include "wavfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readBeside(const std::string& name)
{
    QFile file(QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromStdString(name)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

std::uint32_t le32(const Bytes& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

std::uint16_t le16(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::string tag(const Bytes& b, std::size_t at)
{
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

struct Sound {
    std::string name;
    double minSeconds;
    double maxSeconds;
};

const Sound Sounds[] = {
    {"SHUFFLE.WAV", 0.40, 0.80},
    {"UP.WAV", 0.080, 0.150},
    {"DOWN.WAV", 0.060, 0.120},
};

// The samples of a canonical 44-byte-header mono 16-bit file; the header is
// checked separately.
std::vector<double> samplesOf(const Bytes& file)
{
    std::vector<double> out;
    for (std::size_t at = 44; at + 1 < file.size(); at += 2)
        out.push_back(static_cast<std::int16_t>(le16(file, at)) / 32768.0);
    return out;
}


double peakOf(const std::vector<double>& s, std::size_t from = 0, std::size_t to = SIZE_MAX)
{
    double peak = 0.0;
    for (std::size_t i = from; i < std::min(to, s.size()); ++i)
        peak = std::max(peak, std::abs(s[i]));
    return peak;
}

double rmsOf(const std::vector<double>& s, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += s[i] * s[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

double dbfs(double level) { return 20.0 * std::log10(level); }

// Onsets: the 2 ms block peaks, relative to the loudest sample, must climb
// past 30% to count and fall under 10% before the next can count.
std::vector<double> onsetTimes(const std::vector<double>& s)
{
    const std::size_t block = soundgen::SampleRate / 500;
    const double peak = peakOf(s);
    std::vector<double> onsets;
    bool armed = true;
    for (std::size_t at = 0; at < s.size(); at += block) {
        const double level = peakOf(s, at, at + block) / peak;
        if (armed && level >= 0.3) {
            onsets.push_back(static_cast<double>(at) / soundgen::SampleRate);
            armed = false;
        } else if (level < 0.1) {
            armed = true;
        }
    }
    return onsets;
}

// Sign changes per second: for band-limited noise, about twice its centre
// frequency, which is enough to tell a thud from a swish and to see a sweep.
double crossingRate(const std::vector<double>& s, std::size_t from, std::size_t to)
{
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        if ((s[i - 1] < 0.0) != (s[i] < 0.0))
            ++crossings;
    return crossings * soundgen::SampleRate / static_cast<double>(to - from);
}

TEST(SoundFiles, AreCanonicalMonoPcmWavesOfTheIntendedLength)
{
    for (const Sound& sound : Sounds) {
        SCOPED_TRACE(sound.name);
        const Bytes file = readBeside(sound.name);
        ASSERT_GE(file.size(), 44u) << "missing beside the test program";
        EXPECT_EQ(tag(file, 0), "RIFF");
        EXPECT_EQ(le32(file, 4), file.size() - 8);
        EXPECT_EQ(tag(file, 8), "WAVE");
        EXPECT_EQ(tag(file, 12), "fmt ");
        EXPECT_EQ(le32(file, 16), 16u);
        EXPECT_EQ(le16(file, 20), 1u); // PCM
        EXPECT_EQ(le16(file, 22), 1u); // mono
        const std::uint32_t rate = le32(file, 24);
        EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
        EXPECT_EQ(le32(file, 28), rate * 2);
        EXPECT_EQ(le16(file, 32), 2u);
        EXPECT_EQ(le16(file, 34), 16u);
        EXPECT_EQ(tag(file, 36), "data");
        const std::uint32_t dataSize = le32(file, 40);
        EXPECT_EQ(dataSize, file.size() - 44);
        EXPECT_EQ(dataSize % 2, 0u);
        EXPECT_LT(file.size(), 50u * 1024u);

        const double duration = (dataSize / 2.0) / rate;
        EXPECT_GE(duration, sound.minSeconds);
        EXPECT_LE(duration, sound.maxSeconds);
    }
}

TEST(SoundFiles, PlayAtAComfortableLevelWithoutOffsetOrClickingEnds)
{
    for (const Sound& sound : Sounds) {
        SCOPED_TRACE(sound.name);
        const std::vector<double> s = samplesOf(readBeside(sound.name));
        ASSERT_GT(s.size(), 1000u);

        // Loud enough to hear, with headroom: nowhere near clipping.
        const double peak = peakOf(s);
        EXPECT_GT(dbfs(peak), -9.0);
        EXPECT_LT(dbfs(peak), -3.0);
        EXPECT_GT(dbfs(rmsOf(s, 0, s.size())), -35.0);

        double mean = 0.0;
        for (double x : s)
            mean += x;
        mean /= static_cast<double>(s.size());
        EXPECT_LT(std::abs(mean), 0.002) << "DC offset";

        // Playback starts and stops on silence.
        EXPECT_LT(std::abs(s.front()), 0.002);
        EXPECT_LT(std::abs(s.back()), 0.002);
        EXPECT_LT(peakOf(s, 0, 8), 0.02);
        EXPECT_LT(peakOf(s, s.size() - 8), 0.02);
    }
}

TEST(SoundFiles, ShuffleIsARiffleOfManyClicksThatQuickensAndSlows)
{
    const std::vector<double> s = samplesOf(readBeside("SHUFFLE.WAV"));
    ASSERT_FALSE(s.empty());
    const std::vector<double> onsets = onsetTimes(s);
    ASSERT_GE(onsets.size(), 25u);
    EXPECT_GT(onsets.back() - onsets.front(), 0.35);

    // Gaps in the middle third of the riffle are shorter than at its ends.
    const double span = onsets.back() - onsets.front();
    double middle = 0.0, ends = 0.0;
    int middleCount = 0, endCount = 0;
    for (std::size_t i = 1; i < onsets.size(); ++i) {
        const double p = (onsets[i - 1] - onsets.front()) / span;
        const double gap = onsets[i] - onsets[i - 1];
        if (p > 1.0 / 3 && p < 2.0 / 3) {
            middle += gap;
            ++middleCount;
        } else if (p < 0.15 || p > 0.85) {
            ends += gap;
            ++endCount;
        }
    }
    ASSERT_GT(middleCount, 0);
    ASSERT_GT(endCount, 0);
    EXPECT_LT(middle / middleCount, 0.8 * (ends / endCount));
}

TEST(SoundFiles, PickUpSwishRisesAndPutDownTapDecays)
{
    const std::vector<double> up = samplesOf(readBeside("UP.WAV"));
    const std::vector<double> down = samplesOf(readBeside("DOWN.WAV"));
    ASSERT_FALSE(up.empty());
    ASSERT_FALSE(down.empty());
    EXPECT_EQ(onsetTimes(up).size(), 1u);
    EXPECT_EQ(onsetTimes(down).size(), 1u);

    // The swish grows louder and brighter towards its end.
    const std::size_t third = up.size() / 3;
    EXPECT_GT(rmsOf(up, 2 * third, up.size()), 2.0 * rmsOf(up, 0, third));
    EXPECT_GT(crossingRate(up, 2 * third, up.size()), 1.5 * crossingRate(up, 0, third));

    // The tap is loudest at once and dies away quickly.
    const std::size_t fifth = down.size() / 5;
    const std::size_t loudest = static_cast<std::size_t>(
        std::max_element(down.begin(), down.end(), [](double a, double b) { return std::abs(a) < std::abs(b); }) -
        down.begin());
    EXPECT_LT(static_cast<double>(loudest) / soundgen::SampleRate, 0.025);
    EXPECT_LT(rmsOf(down, 4 * fifth, down.size()), 0.1 * rmsOf(down, 0, fifth));

    // A thud sits far lower than a swish.
    EXPECT_LT(crossingRate(down, 0, down.size()), 0.5 * crossingRate(up, 0, up.size()));
}

TEST(SoundFiles, AreThreeDifferentSounds)
{
    const Bytes shuffle = readBeside("SHUFFLE.WAV");
    const Bytes up = readBeside("UP.WAV");
    const Bytes down = readBeside("DOWN.WAV");
    EXPECT_NE(shuffle, up);
    EXPECT_NE(shuffle, down);
    EXPECT_NE(up, down);
}

TEST(SoundGenerator, MakesTheSameBytesAsTheBuiltFilesEveryTime)
{
    for (const auto& sound : soundgen::AllSounds) {
        SCOPED_TRACE(std::string(sound.fileName));
        const Bytes first = soundgen::waveFile(sound.make(), soundgen::SampleRate);
        const Bytes second = soundgen::waveFile(sound.make(), soundgen::SampleRate);
        EXPECT_EQ(first, second);
        EXPECT_EQ(first, readBeside(std::string(sound.fileName)));
    }
}

} // namespace
