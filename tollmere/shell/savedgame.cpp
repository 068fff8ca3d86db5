#include "savedgame.h"

#include <games/gametable.h>
#include <platform/files.h>

#include <QtEndian>

namespace tollmere {

namespace {

void AppendRecord(QByteArray& bytes, const FileRecord& record)
{
    for (std::int32_t word : record) {
        char le[4];
        qToLittleEndian(word, le);
        bytes.append(le, 4);
    }
}

FileRecord RecordAt(QByteArrayView bytes, qsizetype at)
{
    FileRecord record;
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = qFromLittleEndian<std::int32_t>(bytes.data() + at + qsizetype(i) * 4);
    return record;
}

} // namespace

std::optional<QByteArray> EncodeSavedGame(const GameTable& table)
{
    const GameFrame* frame = table.Frame();
    if (!frame || !IsGame(table.GameId))
        return std::nullopt;
    QByteArray bytes;
    AppendRecord(bytes, {table.GameId, table.TurnCount(), 0, 0});
    for (int index = 0; index < frame->PileCount(); ++index)
        for (const Card* card : frame->Piles[std::size_t(index)]->Cards)
            AppendRecord(bytes, {index, card->RankCode, card->SuitCode, card->FaceUp});
    return bytes;
}

std::optional<SavedGame> DecodeSavedGame(QByteArrayView bytes)
{
    if (bytes.size() < RecordSize)
        return std::nullopt;
    const FileRecord header = RecordAt(bytes, 0);
    if (!IsGame(header[0]))
        return std::nullopt;
    SavedGame saved{header[0], header[1], {}};
    saved.Cards.reserve(std::size_t(bytes.size() / RecordSize));
    for (qsizetype at = RecordSize; at + RecordSize <= bytes.size(); at += RecordSize)
        saved.Cards.push_back(RecordAt(bytes, at));
    return saved;
}

void RestoreCards(GameTable& table, const SavedGame& saved)
{
    GameFrame* frame = table.Frame();
    if (!frame)
        return;
    frame->DragPile.reset();
    for (const auto& pile : frame->Piles)
        pile->RemoveAll();
    ShuffleDeck(table.Deck);
    table.SetTurnCount(saved.TurnCount);
    for (const FileRecord& record : saved.Cards) {
        const auto [index, rankCode, suitCode, faceUp] = record;
        if (index < 0 || index >= frame->PileCount())
            continue;
        Card* card = table.Deck.Find(rankCode, suitCode);
        if (!card)
            continue;
        // A card named twice moves: no card ever lies in two piles. The
        // cards are fresh, so only one named before can lie in one.
        if (card->InPile)
            for (const auto& pile : frame->Piles)
                pile->Remove(*card);
        frame->At(index).AddTop(*card);
        card->FaceUp = faceUp;
    }
    // Later piles paint over earlier ones, upper cards over lower ones; and
    // every pile's rectangle fits the cards it now holds.
    for (const auto& pile : frame->Piles) {
        for (const Card* card : pile->Cards)
            table.Deck.BringToFront(*card);
        pile->SetPosition(pile->X, pile->Y);
        pile->RecomputeRect();
    }
}

bool SaveGame(const GameTable& table, const QString& path)
{
    const std::optional<QByteArray> bytes = EncodeSavedGame(table);
    return bytes && platform::writeFileWhole(path, *bytes);
}

std::optional<SavedGame> ReadSavedGame(const QString& path)
{
    const platform::FileBytes file = platform::readRegularFile(path, MaxSavedGameBytes);
    if (file.Status != platform::FileStatus::Read)
        return std::nullopt;
    return DecodeSavedGame(file.Bytes);
}

} // namespace tollmere
