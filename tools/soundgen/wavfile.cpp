#include "wavfile.h"

#include <fstream>

namespace soundgen {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5])
{
    out.insert(out.end(), tag, tag + 4);
}

} // namespace

std::vector<std::uint8_t> waveFile(const std::vector<std::int16_t>& samples, int sampleRate)
{
    constexpr std::uint32_t channels = 1;
    constexpr std::uint32_t bitsPerSample = 16;
    constexpr std::uint32_t blockAlign = channels * bitsPerSample / 8;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * blockAlign);
    const auto rate = static_cast<std::uint32_t>(sampleRate);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    putTag(out, "RIFF");
    put32(out, 36 + dataSize); // everything after this field
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // integer PCM
    put16(out, channels);
    put32(out, rate);
    put32(out, rate * blockAlign);
    put16(out, blockAlign);
    put16(out, bitsPerSample);
    putTag(out, "data");
    put32(out, dataSize);
    for (std::int16_t s : samples)
        put16(out, static_cast<std::uint16_t>(s));
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
