#include "configblock.h"

#include <games/codes.h>
#include <platform/files.h>

#include <QtEndian>
#include <limits>
#include <type_traits>

namespace tollmere {

// The file keeps eight counters of each kind, one per game in StatsIndex
// order: a ninth game would need another file format.
static_assert(std::tuple_size_v<decltype(ConfigBlock::Played)> == Games.size());
static_assert(std::tuple_size_v<decltype(ConfigBlock::Won)> == Games.size());

namespace {

// The 35 words of the block in file order.
template <typename Block, typename Visit>
void ForEachWord(Block& block, Visit visit)
{
    visit(block.TableColour);
    for (auto& colour : block.CustomColours)
        visit(colour);
    visit(block.CardBackId);
    for (auto& played : block.Played)
        visit(played);
    for (auto& won : block.Won)
        visit(won);
    visit(block.SoundOn);
}

void Raise(std::int32_t& counter)
{
    if (counter < std::numeric_limits<std::int32_t>::max())
        ++counter;
}

std::int64_t Sum(const std::array<std::int32_t, 8>& counters)
{
    std::int64_t sum = 0;
    for (std::int32_t counter : counters)
        sum += counter;
    return sum;
}

} // namespace

QByteArray ConfigBlock::Encode() const
{
    QByteArray bytes;
    bytes.reserve(Size);
    ForEachWord(*this, [&](auto word) {
        char le[4];
        qToLittleEndian(std::uint32_t(word), le);
        bytes.append(le, 4);
    });
    return bytes;
}

ConfigBlock ConfigBlock::Decode(QByteArrayView bytes)
{
    ConfigBlock block;
    qsizetype at = 0;
    ForEachWord(block, [&](auto& word) {
        if (at + 4 <= std::min<qsizetype>(bytes.size(), Size))
            word = std::remove_reference_t<decltype(word)>(qFromLittleEndian<std::uint32_t>(bytes.data() + at));
        at += 4;
    });
    return block;
}

void ConfigBlock::CountPlay(int gameId)
{
    if (const auto index = StatsIndex(gameId))
        Raise(Played[std::size_t(*index)]);
}

void ConfigBlock::CountWin(int gameId)
{
    if (const auto index = StatsIndex(gameId))
        Raise(Won[std::size_t(*index)]);
}

void ConfigBlock::ResetRecords()
{
    Played.fill(0);
    Won.fill(0);
}

std::int64_t ConfigBlock::TotalPlayed() const { return Sum(Played); }
std::int64_t ConfigBlock::TotalWon() const { return Sum(Won); }

LoadedConfig ReadConfig(const QString& path)
{
    const platform::FileBytes file = platform::readRegularFile(path, ConfigBlock::Size);
    switch (file.Status) {
    case platform::FileStatus::Read: return {ConfigBlock::Decode(file.Bytes), true};
    case platform::FileStatus::Missing: return {};
    case platform::FileStatus::NotRegular:
    case platform::FileStatus::Failed: return {ConfigBlock{}, false};
    }
    return {};
}

bool WriteConfig(const QString& path, const ConfigBlock& block)
{
    return platform::writeFileWhole(path, block.Encode());
}

} // namespace tollmere
