#pragma once
// "Quenby.ini": the table colour, the colour dialog's sixteen custom colours,
// the card back and the last game, read once at start and written once at
// shutdown. No widgets here, so the file logic is testable on its own.
#include "gameid.h"

#include <platform/colour.h>

#include <QString>

namespace platform {
class ProfileFile;
}

namespace quenby {

struct Settings {
    platform::ColorRef TableColour = 0x800080;
    platform::CustomColours CustomColours{};
    int CardBackId = 191;
    // The game whose Play-menu item is checked; 800 when the file names none.
    int GameId = 800;
};

inline constexpr char SettingsFileName[] = "Quenby.ini";
inline constexpr char SettingsSection[] = "SETTINGS";

// The colour dialog's starting custom colours: greys 0x000000, 0x101010, ...
platform::CustomColours DefaultCustomColours();

// Text to integer as the C library's strtol does it for base 10 on a 32-bit
// long: leading blanks, an optional sign, digits up to the first non-digit,
// 0 when there are none, clamped to the 32-bit range on overflow.
long ProfileNumber(QStringView text);

// One of the eight backs, or 191 for any other id: a face-down card always
// keeps an image.
int ValidCardBack(int id);

// Reads every key in order from one read of the file; a missing key (or a
// file that is missing, not a regular file or too large) keeps the value of
// `current` (800 for "GAME"). Values go through a 16-character buffer as stored.
Settings ReadSettings(const QString& filePath, const Settings& current);
// The same from a file already read.
Settings SettingsFromProfile(const platform::ProfileFile& file, const Settings& current);

// Writes "COLOR", "CUSTCOLOR0".."CUSTCOLOR15", "CARD" and, only when a game
// has been dealt, "GAME", in that order, into the file read once; it is then
// replaced whole (through a symlink, in place when its folder is read-only),
// so a failure leaves the previous file as it was. False on failure (which
// the program ignores).
bool WriteSettings(const QString& filePath, const Settings& values, quenby::GameId dealt);
// The same keys set in a file held in memory; false when one was refused.
bool StoreSettings(platform::ProfileFile& file, const Settings& values, quenby::GameId dealt);

} // namespace quenby
