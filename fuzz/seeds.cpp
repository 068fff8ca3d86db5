// Writes the seed corpora of the fuzz targets: files as the programs write
// them. Usage: fuzz_seeds <folder>; it fills <folder>/<target>/.
#include <games/carddeck.h>
#include <games/frame.h>
#include <games/gametable.h>
#include <platform/dib.h>
#include <platform/files.h>
#include <platform/localtime.h>
#include <shell/configblock.h>
#include <shell/savedgame.h>
#include <table/settings.h>

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

bool Put(const QString& path, const QByteArray& bytes)
{
    return platform::writeFileWhole(path, bytes);
}

bool Bitmaps(const QDir& dir)
{
    bool ok = true;
    // Card faces and backs, a toolbar strip and the table pattern.
    const struct { const char* program; int id; } picks[] = {
        {"tollmere", 128}, {"tollmere", 195}, {"tollmere", 223}, {"quenby", 170}, {"quenby", 183}};
    for (const auto& pick : picks) {
        QFile file(platform::bitmapResourcePath(QString::fromLatin1(pick.program), pick.id));
        if (file.open(QIODevice::ReadOnly))
            ok &= Put(dir.filePath(QStringLiteral("%1-%2.bmp").arg(QLatin1String(pick.program)).arg(pick.id)),
                      file.readAll());
    }
    // A small bitmap of each bit count our writer makes.
    QImage image(5, 3, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, uint((x + y) % 4));
    ok &= Put(dir.filePath(QStringLiteral("small-4.bmp")), platform::writeDib(image, 4));
    ok &= Put(dir.filePath(QStringLiteral("small-8.bmp")), platform::writeDib(image, 8));
    return ok;
}

bool Settings(const QDir& dir)
{
    quenby::Settings values;
    values.CustomColours = quenby::DefaultCustomColours();
    const QString fresh = dir.filePath(QStringLiteral("fresh.ini"));
    bool ok = quenby::WriteSettings(fresh, values, quenby::GameId::None);
    // A file with other programs' sections, CRLF endings and a changed colour.
    const QString shared = dir.filePath(QStringLiteral("shared.ini"));
    ok &= Put(shared, "; desktop settings\r\n[Desktop]\r\nWallpaper=none\r\n\r\n[SETTINGS]\r\nCOLOR=-1\r\n");
    values.TableColour = 0x00408000;
    values.CardBackId = 186;
    ok &= quenby::WriteSettings(shared, values, quenby::GameId::Klondike);
    return ok;
}

bool Records(const QDir& dir)
{
    tollmere::ConfigBlock block;
    bool ok = tollmere::WriteConfig(dir.filePath(QStringLiteral("fresh.cfg")), block);
    block.TableColour = 0x00008000;
    block.CardBackId = 202;
    block.SoundOn = 0;
    for (const auto& game : tollmere::Games)
        for (int n = 0; n < int(game.Id) % 7 + 1; ++n) {
            block.CountPlay(int(game.Id));
            if (n % 2)
                block.CountWin(int(game.Id));
        }
    ok &= tollmere::WriteConfig(dir.filePath(QStringLiteral("played.cfg")), block);
    return ok;
}

bool SavedGames(const QDir& dir)
{
    bool ok = true;
    for (const auto& game : tollmere::Games) {
        tollmere::CardDeck deck;
        tollmere::GameTable table(deck, int(game.Id));
        table.Layout(800, 600);
        ok &= tollmere::SaveGame(table, dir.filePath(QStringLiteral("%1.Sol").arg(int(game.Id))));
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    platform::setFixedLocalTime(platform::LocalTime{10, 20, 30});
    tollmere::SoundOn = false;
    const QDir root(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const char* target : {"dib", "profile", "configblock", "savedgame"})
        ok &= root.mkpath(QString::fromLatin1(target));
    ok &= Bitmaps(QDir(root.filePath(QStringLiteral("dib"))));
    ok &= Settings(QDir(root.filePath(QStringLiteral("profile"))));
    ok &= Records(QDir(root.filePath(QStringLiteral("configblock"))));
    ok &= SavedGames(QDir(root.filePath(QStringLiteral("savedgame"))));
    if (!ok)
        std::fprintf(stderr, "some seeds could not be written\n");
    return ok ? 0 : 1;
}
