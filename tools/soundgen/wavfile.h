#pragma once
// Writing 16-bit mono PCM samples as a RIFF/WAVE file image.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace soundgen {

// The whole file: the 44-byte header ("RIFF", "WAVE", a 16-byte "fmt " chunk
// for PCM, "data") followed by the samples, all little-endian.
std::vector<std::uint8_t> waveFile(const std::vector<std::int16_t>& samples, int sampleRate);

// Writes the bytes to the path; false when the file cannot be written whole.
bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

} // namespace soundgen
