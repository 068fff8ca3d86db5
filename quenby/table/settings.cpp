#include "settings.h"

#include <platform/profile.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdint>
#include <limits>

namespace quenby {

namespace {

// Values are read as a fixed 16-character buffer would hold them.
constexpr int ValueBufferChars = 16;
constexpr std::array<int, 8> CardBacks{183, 184, 185, 186, 189, 191, 192, 193};

QString CustomColourKey(int i)
{
    return QStringLiteral("CUSTCOLOR%1").arg(i);
}

long ReadNumber(const QString& filePath, const char* key, long current)
{
    const QString text = platform::readProfileString(filePath, QString::fromLatin1(SettingsSection),
                                                     QString::fromLatin1(key), QString::number(current),
                                                     ValueBufferChars);
    return ProfileNumber(text);
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
    Settings read = current;
    read.TableColour = platform::ColorRef(ReadNumber(filePath, "COLOR", long(current.TableColour)));
    for (int i = 0; i < 16; ++i) {
        const QByteArray key = CustomColourKey(i).toLatin1();
        read.CustomColours[std::size_t(i)] =
            platform::ColorRef(ReadNumber(filePath, key.constData(), long(current.CustomColours[std::size_t(i)])));
    }
    read.CardBackId = ValidCardBack(int(ReadNumber(filePath, "CARD", current.CardBackId)));
    read.GameId = int(ReadNumber(filePath, "GAME", 800));
    return read;
}

bool WriteSettings(const QString& filePath, const Settings& values, quenby::GameId dealt)
{
    const QFileInfo target(filePath);
    if (!QDir().mkpath(target.absolutePath()))
        return false;

    // Work on a copy beside the file and put it in place with one rename.
    QTemporaryFile copy(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!copy.open())
        return false;
    if (target.exists()) {
        QFile old(filePath);
        if (!old.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = old.readAll();
        if (old.error() != QFileDevice::NoError || copy.write(bytes) != bytes.size())
            return false;
        copy.setPermissions(old.permissions());
    }
    if (!copy.flush())
        return false;
    const QString copyPath = copy.fileName();
    copy.close();

    const QString section = QString::fromLatin1(SettingsSection);
    auto write = [&](const QString& key, std::int32_t value) {
        return platform::writeProfileString(copyPath, section, key, QString::number(value));
    };
    // Colours are written as the signed 32-bit numbers they are read back as.
    bool ok = write(QStringLiteral("COLOR"), std::int32_t(values.TableColour));
    for (int i = 0; ok && i < 16; ++i)
        ok = write(CustomColourKey(i), std::int32_t(values.CustomColours[std::size_t(i)]));
    ok = ok && write(QStringLiteral("CARD"), values.CardBackId);
    if (ok && dealt != quenby::GameId::None)
        ok = write(QStringLiteral("GAME"), int(dealt));
    if (!ok)
        return false;

    // A full disk can cut a write short without any error being reported, so
    // the copy must read back every value before it may replace the file.
    const auto reads = [&](const QString& key, std::int32_t value) {
        return platform::readProfileString(copyPath, section, key, QString(), ValueBufferChars)
            == QString::number(value);
    };
    ok = reads(QStringLiteral("COLOR"), std::int32_t(values.TableColour));
    for (int i = 0; ok && i < 16; ++i)
        ok = reads(CustomColourKey(i), std::int32_t(values.CustomColours[std::size_t(i)]));
    ok = ok && reads(QStringLiteral("CARD"), values.CardBackId);
    if (ok && dealt != quenby::GameId::None)
        ok = reads(QStringLiteral("GAME"), int(dealt));
    if (!ok)
        return false;

    // The copy may have been replaced by the writes; rename whatever is there.
    copy.setAutoRemove(false);
    if (std::rename(QFile::encodeName(copyPath).constData(), QFile::encodeName(filePath).constData()) != 0) {
        QFile::remove(copyPath);
        return false;
    }
    return true;
}

} // namespace quenby
