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

} // namespace

platform::CustomColours DefaultCustomColours()
{
    platform::CustomColours colours{};
    for (int i = 0; i < 16; ++i)
        colours[std::size_t(i)] = platform::makeColorRef(16 * i, 16 * i, 16 * i);
    return colours;
}

long ProfileNumber(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    // The C library's isspace in the "C" locale.
    while (i < n && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr std::int64_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t Min = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > Max + 1) // saturated; the rest of the digits change nothing
            value = Max + 1;
    }
    if (negative)
        value = -value;
    return long(std::clamp(value, Min, Max));
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
    const QHash<QString, QString> stored = file.values(QString::fromLatin1(SettingsSection));
    const auto number = [&](const QString& key, long fallback) {
        const auto it = stored.constFind(key.toCaseFolded());
        const QString text = it == stored.cend() ? QString::number(fallback) : *it;
        return ProfileNumber(text.left(ValueBufferChars - 1));
    };
    Settings read = current;
    read.TableColour = platform::ColorRef(number(QStringLiteral("COLOR"), long(current.TableColour)));
    for (int i = 0; i < 16; ++i)
        read.CustomColours[std::size_t(i)] =
            platform::ColorRef(number(CustomColourKey(i), long(current.CustomColours[std::size_t(i)])));
    read.CardBackId = ValidCardBack(int(number(QStringLiteral("CARD"), current.CardBackId)));
    read.GameId = int(number(QStringLiteral("GAME"), 800));
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
    const QString section = QString::fromLatin1(SettingsSection);
    auto write = [&](const QString& key, std::int32_t value) {
        return file.setValue(section, key, QString::number(value));
    };
    // Colours are written as the signed 32-bit numbers they are read back as.
    bool ok = write(QStringLiteral("COLOR"), std::int32_t(values.TableColour));
    for (int i = 0; ok && i < 16; ++i)
        ok = write(CustomColourKey(i), std::int32_t(values.CustomColours[std::size_t(i)]));
    ok = ok && write(QStringLiteral("CARD"), values.CardBackId);
    if (ok && dealt != quenby::GameId::None)
        ok = write(QStringLiteral("GAME"), int(dealt));
    return ok;
}

} // namespace quenby
