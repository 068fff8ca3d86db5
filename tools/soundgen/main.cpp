// soundgen --out-dir DIR: writes the programs' wave files into DIR.
#include "synth.h"
#include "wavfile.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

int main(int argc, char** argv)
{
    std::filesystem::path outDir;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--out-dir" && i + 1 < argc) {
            outDir = argv[++i];
        } else {
            std::fprintf(stderr, "usage: soundgen --out-dir DIR\n");
            return 2;
        }
    }
    if (outDir.empty()) {
        std::fprintf(stderr, "usage: soundgen --out-dir DIR\n");
        return 2;
    }

    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    if (error) {
        std::fprintf(stderr, "soundgen: cannot create %s: %s\n", outDir.c_str(), error.message().c_str());
        return 1;
    }
    for (const auto& sound : soundgen::AllSounds) {
        const auto path = outDir / sound.fileName;
        if (!soundgen::writeFile(path, soundgen::waveFile(sound.make(), soundgen::SampleRate))) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
