#include "settings.h"

#include <platform/profile.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace quenby {

namespace {

// Values are read as a fixed 16-character buffer would hold them.
constexpr int ValueBufferChars = 16;
constexpr std::array<int, 8> CardBacks{183, 184, 185, 186, 189, 191, 192, 193};

// Made once: every read and write of the file asks for each.
const QString& CustomColourKey(int i)
{
    static const std::array<QString, 16> keys = [] {
        std::array<QString, 16> made;
        for (std::size_t k = 0; k < made.size(); ++k)
            made[k] = QStringLiteral("CUSTCOLOR%1").arg(k);
        return made;
    }();
    return keys[std::size_t(i)];
}

// The keys as ProfileFile::values gives them (case-folded), in the order
// SettingsFromProfile reads them: COLOR, the 16 custom colours, CARD, GAME.
// Folded once rather than at every read.
constexpr std::size_t ReadKeyCount = 19;
const std::array<QString, ReadKeyCount>& FoldedReadKeys()
{
    static const std::array<QString, ReadKeyCount> keys = [] {
        std::array<QString, ReadKeyCount> made;
        made[0] = QStringLiteral("COLOR").toCaseFolded();
        for (int i = 0; i < 16; ++i)
            made[std::size_t(i) + 1] = CustomColourKey(i).toCaseFolded();
        made[17] = QStringLiteral("CARD").toCaseFolded();
        made[18] = QStringLiteral("GAME").toCaseFolded();
        return made;
    }();
    return keys;
}

} // namespace

platform::CustomColours DefaultCustomColours()
{
    platform::CustomColours colours{};
    for (int i = 0; i < 16; ++i)
        colours[std::size_t(i)] = platform::makeColorRef(16 * i, 16 * i, 16 * i);
    return colours;
}

namespace {

// ProfileNumber of any text whose characters index as QChar does.
template <class View>
long ParseNumber(View text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    // The C library's isspace in the "C" locale.
    const auto at = [&](qsizetype k) { return QChar(text[k]).unicode(); };
    while (i < n && (at(i) == u' ' || (at(i) >= u'\t' && at(i) <= u'\r')))
        ++i;
    bool negative = false;
    if (i < n && (at(i) == u'+' || at(i) == u'-')) {
        negative = at(i) == u'-';
        ++i;
    }
    constexpr std::int64_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t Min = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (; i < n && at(i) >= u'0' && at(i) <= u'9'; ++i) {
        value = value * 10 + (at(i) - u'0');
        if (value > Max + 1) // saturated; the rest of the digits change nothing
            value = Max + 1;
    }
    if (negative)
        value = -value;
    return long(std::clamp(value, Min, Max));
}

} // namespace

long ProfileNumber(QStringView text)
{
    return ParseNumber(text);
}

int ValidCardBack(int id)
{
    for (int back : CardBacks)
        if (back == id)
            return id;
    return 191;
}

Settings ReadSettings(const QString& filePath, const Settings& current)
{
    // One read of the file for every key.
    return SettingsFromProfile(platform::ProfileFile::load(filePath), current);
}

Settings SettingsFromProfile(const platform::ProfileFile& file, const Settings& current)
{
    // One pass over the file for all the keys: a file of many lines is read
    // once, not once a key.
    const std::vector<std::optional<QByteArrayView>> stored =
        file.utf8Values(QString::fromLatin1(SettingsSection), FoldedReadKeys());
    const auto number = [&](std::size_t key, long fallback) {
        // A missing key reads as its default written out and read back: the
        // number itself, within what a 32-bit long holds.
        if (!stored[key])
            return std::clamp<long>(fallback, std::numeric_limits<std::int32_t>::min(),
                                    std::numeric_limits<std::int32_t>::max());
        // A number is made of ASCII alone, and up to the first other byte
        // UTF-8 bytes are characters: the first bytes read as the first
        // characters would, with no conversion.
        const QByteArrayView utf8 = *stored[key];
        return ParseNumber(QLatin1StringView(utf8.first(std::min<qsizetype>(utf8.size(), ValueBufferChars - 1))));
    };
    Settings read = current;
    read.TableColour = platform::ColorRef(number(0, long(current.TableColour)));
    for (std::size_t i = 0; i < 16; ++i)
        read.CustomColours[i] = platform::ColorRef(number(i + 1, long(current.CustomColours[i])));
    read.CardBackId = ValidCardBack(int(number(17, current.CardBackId)));
    read.GameId = int(number(18, 800));
    return read;
}

bool WriteSettings(const QString& filePath, const Settings& values, quenby::GameId dealt)
{
    // Every key goes into one copy of the file, which then replaces it whole.
    platform::ProfileFile file = platform::ProfileFile::load(filePath);
    return StoreSettings(file, values, dealt) && file.save(filePath);
}

bool StoreSettings(platform::ProfileFile& file, const Settings& values, quenby::GameId dealt)
{
    // Colours are written as the signed 32-bit numbers they are read back as.
    QList<std::pair<QString, QString>> keys;
    keys.reserve(19);
    const auto add = [&](const QString& key, std::int32_t value) { keys.emplaceBack(key, QString::number(value)); };
    add(QStringLiteral("COLOR"), std::int32_t(values.TableColour));
    for (int i = 0; i < 16; ++i)
        add(CustomColourKey(i), std::int32_t(values.CustomColours[std::size_t(i)]));
    add(QStringLiteral("CARD"), values.CardBackId);
    if (dealt != quenby::GameId::None)
        add(QStringLiteral("GAME"), int(dealt));
    return file.setValues(QString::fromLatin1(SettingsSection), keys);
}

} // namespace quenby
