// Any bytes given as "Tollmere.cfg": a block whose first 140 bytes encode
// back to themselves, and whose records add up without overflow.
#include <shell/configblock.h>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using tollmere::ConfigBlock;
    const QByteArrayView bytes(data, qsizetype(size));
    ConfigBlock block = ConfigBlock::Decode(bytes);
    const QByteArray encoded = block.Encode();
    if (encoded.size() != ConfigBlock::Size)
        std::abort();
    if (size >= std::size_t(ConfigBlock::Size) && encoded != bytes.first(ConfigBlock::Size))
        std::abort();
    if (ConfigBlock::Decode(encoded) != block)
        std::abort();
    // A count at its largest stays there: a record never turns negative.
    const ConfigBlock before = block;
    for (int gameId = 0; gameId < 1000; ++gameId) {
        block.CountPlay(gameId);
        block.CountWin(gameId);
    }
    for (std::size_t i = 0; i < block.Played.size(); ++i)
        if (block.Played[i] < before.Played[i] || block.Won[i] < before.Won[i])
            std::abort();
    if (block.TotalPlayed() < before.TotalPlayed() || block.TotalWon() < before.TotalWon())
        std::abort();
    return 0;
}
