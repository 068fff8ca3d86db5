// Any bytes given as "Tollmere.cfg": a block whose first 140 bytes encode
// back to themselves, and whose records add up without overflow.
#include <games/codes.h>
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
    // Each game is counted twice, so that a count one short of its largest
    // reaches it and then stays; a number that is no game counts nothing.
    const ConfigBlock before = block;
    for (int round = 0; round < 2; ++round) {
        for (const auto& game : tollmere::Games) {
            block.CountPlay(int(game.Id));
            block.CountWin(int(game.Id));
        }
        block.CountPlay(0);
        block.CountWin(-1);
    }
    for (std::size_t i = 0; i < block.Played.size(); ++i)
        if (block.Played[i] < before.Played[i] || block.Won[i] < before.Won[i])
            std::abort();
    if (block.TotalPlayed() < before.TotalPlayed() || block.TotalWon() < before.TotalWon())
        std::abort();
    return 0;
}
