#pragma once
// Saved games (*.Sol): a header record naming the game and its redeals used,
// then one record for every card lying in a pile, pile by pile in pile-list
// order, each pile from its bottom card up. Records are four 32-bit
// little-endian words.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tollmere {

class GameTable;

using FileRecord = std::array<std::int32_t, 4>;
inline constexpr int RecordSize = 16;

struct SavedGame {
    int GameId = 0;
    int TurnCount = 0;
    std::vector<FileRecord> Cards; // pile index, rank code, suit code, face up
};

// The file for the game in play; none for the title table.
std::optional<QByteArray> EncodeSavedGame(const GameTable& table);

// A saved game's records: none for an empty file or one whose header names
// no game. A final record shorter than 16 bytes is left out.
std::optional<SavedGame> DecodeSavedGame(QByteArrayView bytes);

// Puts the cards of `saved` into the freshly dealt game of the same id: the
// piles emptied, the deck made and shuffled anew, every recorded card laid on
// its pile (records naming no pile or no card are skipped; a card named again
// moves), the redeals used set within the game's limit, and the paint order
// and pile rectangles rebuilt.
void RestoreCards(GameTable& table, const SavedGame& saved);

// The largest file worth reading: every card once and many times over.
inline constexpr qint64 MaxSavedGameBytes = 1 << 20;

// Writes the game in play to `path`, replacing the file whole or not at all;
// false when it could not be written. Nothing is written for the title table
// (also false).
bool SaveGame(const GameTable& table, const QString& path);

// The records of the file at `path`, read without ever blocking; none when
// the file is missing, unreadable, not a regular file or names no game.
std::optional<SavedGame> ReadSavedGame(const QString& path);

} // namespace tollmere
