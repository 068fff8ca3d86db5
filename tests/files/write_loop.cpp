// Writes quenby's settings, tollmere's records and a saved game, each in turn
// as one of two versions, until it is killed. Before the loop it leaves the
// two versions of each file beside them (<name>.old, <name>.new), writes the
// old version at each name and says "ready" on stdout. With --in-place the
// folder is then closed to new files, so that every write is made in place.
// Usage: write_loop [--in-place] <folder>
#include <games/carddeck.h>
#include <games/frame.h>
#include <games/gametable.h>
#include <platform/files.h>
#include <platform/localtime.h>
#include <shell/configblock.h>
#include <shell/savedgame.h>
#include <table/settings.h>

#include <QDir>
#include <QFile>
#include <array>
#include <cstdio>
#include <string_view>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

int main(int argc, char** argv)
{
    const bool inPlace = argc == 3 && std::string_view(argv[1]) == "--in-place";
    if (argc != 2 && !inPlace) {
        std::fprintf(stderr, "usage: %s [--in-place] <folder>\n", argv[0]);
        return 2;
    }
    const char* folder = argv[argc - 1];
    platform::setFixedLocalTime(platform::LocalTime{10, 20, 30});
    tollmere::SoundOn = false;
    const QDir dir(QString::fromLocal8Bit(folder));

    // The old and new version of each file, as the programs write them.
    quenby::Settings settings[2];
    settings[0].CustomColours = quenby::DefaultCustomColours();
    settings[1] = settings[0];
    settings[1].TableColour = 0x00123456;
    settings[1].CardBackId = 189;
    settings[1].CustomColours[7] = 0x007ABCDE; // of as many digits as the old one: both versions of one length
    tollmere::ConfigBlock records[2];
    records[1].CardBackId = 202;
    for (int n = 0; n < 40; ++n)
        records[1].CountPlay(int(tollmere::GameId::Chameleon));
    tollmere::CardDeck decks[2];
    tollmere::GameTable tables[2] = {{decks[0], int(tollmere::GameId::FourSeasons)},
                                     {decks[1], int(tollmere::GameId::Accordion)}};

    const std::array<std::function<bool(const QString&, int)>, 3> writers{
        [&](const QString& path, int v) {
            return quenby::WriteSettings(path, settings[v], v ? quenby::GameId::Canfield : quenby::GameId::None);
        },
        [&](const QString& path, int v) { return tollmere::WriteConfig(path, records[v]); },
        [&](const QString& path, int v) { return tollmere::SaveGame(tables[v], path); },
    };
    const std::array<QString, 3> names{QStringLiteral("Quenby.ini"), QStringLiteral("Tollmere.cfg"),
                                       QStringLiteral("Game.Sol")};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString path = dir.filePath(names[i]);
        if (!writers[i](path, 1) || !platform::writeFileWhole(path + QStringLiteral(".new"), ReadAll(path))
            || !writers[i](path, 0) || !platform::writeFileWhole(path + QStringLiteral(".old"), ReadAll(path)))
            return 1;
    }
    if (inPlace) {
        for (const QString& name : names)
            if (::chmod(QFile::encodeName(dir.filePath(name)).constData(), 0666) != 0)
                return 1;
        // Root makes files in any folder: the loop takes an ordinary user's rights.
        if (::chmod(folder, 0555) != 0 || (::geteuid() == 0 && ::seteuid(65534) != 0))
            return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    for (int v = 1;; v ^= 1)
        for (std::size_t i = 0; i < names.size(); ++i)
            if (!writers[i](dir.filePath(names[i]), v))
                return 1;
}
