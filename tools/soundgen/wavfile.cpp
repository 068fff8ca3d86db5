#include "wavfile.h"

#include <fstream>

namespace soundgen {

namespace {

// Writes little-endian fields at a moving offset into a buffer sized up front
// (growing a vector byte by byte trips a false overflow warning in GCC 12).
struct Writer {
    std::vector<std::uint8_t>& out;
    std::size_t at = 0;

    void put16(std::uint32_t v)
    {
        out[at++] = static_cast<std::uint8_t>(v & 0xFF);
        out[at++] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
    }
    void put32(std::uint32_t v)
    {
        put16(v & 0xFFFF);
        put16(v >> 16);
    }
    void putTag(const char (&tag)[5])
    {
        for (int i = 0; i < 4; ++i)
            out[at++] = static_cast<std::uint8_t>(tag[i]);
    }
};

} // namespace

std::vector<std::uint8_t> waveFile(const std::vector<std::int16_t>& samples, int sampleRate)
{
    constexpr std::uint32_t channels = 1;
    constexpr std::uint32_t bitsPerSample = 16;
    constexpr std::uint32_t blockAlign = channels * bitsPerSample / 8;
    constexpr std::size_t headerSize = 44;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * blockAlign);
    const auto rate = static_cast<std::uint32_t>(sampleRate);

    std::vector<std::uint8_t> out(headerSize + dataSize);
    Writer w{out};
    w.putTag("RIFF");
    w.put32(36 + dataSize); // everything after this field
    w.putTag("WAVE");
    w.putTag("fmt ");
    w.put32(16);
    w.put16(1); // integer PCM
    w.put16(channels);
    w.put32(rate);
    w.put32(rate * blockAlign);
    w.put16(blockAlign);
    w.put16(bitsPerSample);
    w.putTag("data");
    w.put32(dataSize);
    for (std::int16_t s : samples)
        w.put16(static_cast<std::uint16_t>(s));
    return out;
}

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

} // namespace soundgen
