// Any bytes given as "Quenby.ini": read as the program reads it, then written
// back as it writes it, every value it set reading back as set.
#include <platform/profile.h>
#include <table/settings.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quenby;
    // The fuzzer's own buffer, not a copy: a read past its end is caught.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    platform::ProfileFile file = platform::ProfileFile::fromBytes(bytes);
    if (file.bytes() != bytes)
        std::abort(); // a file we change nothing in is kept byte for byte

    // The one-pass reading of a section agrees with reading key by key. Each
    // key read alone is a pass over the file, so a spread of up to 8 keys is
    // read so, not every one: the paths are the same for every line.
    const QString section = QString::fromLatin1(SettingsSection);
    const QHash<QString, QString> stored = file.values(section);
    QList<QString> all = stored.keys();
    std::sort(all.begin(), all.end()); // the hash's own order changes from run to run
    QList<QString> keys;
    for (qsizetype k = 0; k < all.size(); k += all.size() / 8 + 1)
        keys.append(all[k]);
    for (const QString& key : keys)
        if (file.value(section, key, QStringLiteral("-"), 1 << 20) != stored.value(key))
            std::abort();
    // And so does asking for just some keys by name, as the settings do.
    const std::vector<std::optional<QByteArrayView>> asked = file.utf8Values(section, keys);
    for (qsizetype k = 0; k < keys.size(); ++k)
        if (!asked[std::size_t(k)] || QString::fromUtf8(*asked[std::size_t(k)]) != stored.value(keys[k]))
            std::abort();

    Settings start;
    start.CustomColours = DefaultCustomColours();
    const Settings read = SettingsFromProfile(file, start);
    if (ValidCardBack(read.CardBackId) != read.CardBackId)
        std::abort();

    Settings changed = read;
    changed.TableColour ^= 0x00123456;
    changed.CardBackId = read.CardBackId == 183 ? 193 : 183;
    if (!StoreSettings(file, changed, GameId::Klondike))
        std::abort();
    const Settings again = SettingsFromProfile(platform::ProfileFile::fromBytes(file.bytes()), start);
    if (again.TableColour != changed.TableColour || again.CustomColours != changed.CustomColours
        || again.CardBackId != changed.CardBackId || again.GameId != int(GameId::Klondike))
        std::abort();
    return 0;
}
