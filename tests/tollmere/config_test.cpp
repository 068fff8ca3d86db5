// The records file byte for byte, what a damaged or hostile one gives, the
// counting of plays and wins, and the Record dialog.
#include "harness.h"

#include <shell/configblock.h>
#include <shell/recorddialog.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtEndian>
#include <limits>
#include <sys/stat.h>

namespace tollmere::test {
namespace {

QByteArray Words(std::initializer_list<std::uint32_t> words)
{
    QByteArray bytes;
    for (std::uint32_t word : words) {
        char le[4];
        qToLittleEndian(word, le);
        bytes.append(le, 4);
    }
    return bytes;
}

// The file of a first run: teal-grey table, sixteen white custom colours,
// back 195, no plays, sound on.
QByteArray DefaultFile()
{
    QByteArray bytes = Words({0x00404000});
    for (int i = 0; i < 16; ++i)
        bytes += Words({0x00FFFFFF});
    bytes += Words({195});
    bytes += QByteArray(64, '\0');
    bytes += Words({1});
    return bytes;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(ConfigBlock, IsStoredAs140LittleEndianBytes)
{
    ConfigBlock block;
    EXPECT_EQ(block.Encode(), DefaultFile());
    block.TableColour = 0x00112233;
    block.CustomColours[15] = 0x00ABCDEF;
    block.CardBackId = 220;
    block.CountPlay(129);  // Fortune's Favor, index 0
    block.CountPlay(134);  // Queen's Audience, index 7
    block.CountPlay(134);
    block.CountWin(32771); // Beleaguered Castle, index 2
    block.CountPlay(101);  // the title is no game
    block.SoundOn = 0;
    const QByteArray bytes = block.Encode();
    ASSERT_EQ(bytes.size(), 140);
    EXPECT_EQ(bytes.mid(0, 4), Words({0x00112233}));
    EXPECT_EQ(bytes.mid(64, 4), Words({0x00ABCDEF}));
    EXPECT_EQ(bytes.mid(68, 4), Words({220}));
    EXPECT_EQ(bytes.mid(72, 32), Words({1, 0, 0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(bytes.mid(104, 32), Words({0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bytes.mid(136, 4), Words({0}));
    EXPECT_EQ(ConfigBlock::Decode(bytes), block);
}

TEST(ConfigBlock, ShortAndLongFilesReadWhatTheyHoldWhole)
{
    ConfigBlock full;
    full.TableColour = 7;
    full.CustomColours.fill(9);
    full.CardBackId = 206;
    full.Played.fill(3);
    full.Won.fill(2);
    full.SoundOn = 0;
    const QByteArray bytes = full.Encode();

    EXPECT_EQ(ConfigBlock::Decode({}), ConfigBlock{});
    const ConfigBlock six = ConfigBlock::Decode(bytes.left(6));
    EXPECT_EQ(six.TableColour, 7u);
    EXPECT_EQ(six.CustomColours[0], 0x00FFFFFFu) << "a word cut short is not read";
    const ConfigBlock seventy = ConfigBlock::Decode(bytes.left(70));
    EXPECT_EQ(seventy.CustomColours[15], 9u);
    EXPECT_EQ(seventy.CardBackId, 195);
    const ConfigBlock allButSound = ConfigBlock::Decode(bytes.left(139));
    EXPECT_EQ(allButSound.Won[7], 2);
    EXPECT_EQ(allButSound.SoundOn, 1);
    EXPECT_EQ(ConfigBlock::Decode(bytes + QByteArray(60, '\x7f')), full);
}

TEST(ConfigBlock, CountersStopAtTheirLargestValue)
{
    ConfigBlock block;
    block.Played[3] = std::numeric_limits<std::int32_t>::max();
    block.Won[3] = std::numeric_limits<std::int32_t>::max() - 1;
    block.Played[4] = std::numeric_limits<std::int32_t>::max();
    block.CountPlay(102);
    block.CountWin(102);
    block.CountWin(102);
    EXPECT_EQ(block.Played[3], std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(block.Won[3], std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(block.TotalPlayed(), 2LL * std::numeric_limits<std::int32_t>::max());
    block.ResetRecords();
    EXPECT_EQ(block.TotalPlayed() + block.TotalWon(), 0);
}

TEST(ConfigFile, MissingDamagedAndHostileFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Tollmere.cfg");

    // Missing: the defaults, and the file may be written.
    LoadedConfig missing = ReadConfig(path);
    EXPECT_EQ(missing.Block, ConfigBlock{});
    EXPECT_TRUE(missing.MayWrite);
    ASSERT_TRUE(WriteConfig(path, missing.Block));
    EXPECT_EQ(ReadAll(path), DefaultFile());

    // Longer than the block: the first 140 bytes; the next write cuts it.
    ConfigBlock mine;
    mine.CardBackId = 216;
    WriteAll(path, mine.Encode() + "trailing junk");
    EXPECT_EQ(ReadConfig(path).Block, mine);
    ASSERT_TRUE(WriteConfig(path, mine));
    EXPECT_EQ(ReadAll(path), mine.Encode());

    // Empty: defaults.
    WriteAll(path, {});
    EXPECT_EQ(ReadConfig(path).Block, ConfigBlock{});

    // Not a regular file: defaults at once, and never written over.
    for (const char* name : {"folder", "pipe", "zero"}) {
        const QString odd = dir.filePath(name);
        if (QByteArray(name) == "folder")
            ASSERT_TRUE(QDir().mkdir(odd));
        else if (QByteArray(name) == "pipe")
            ASSERT_EQ(mkfifo(QFile::encodeName(odd).constData(), 0600), 0);
        else
            ASSERT_TRUE(QFile::link("/dev/zero", odd));
        const LoadedConfig read = ReadConfig(odd);
        EXPECT_EQ(read.Block, ConfigBlock{}) << name;
        EXPECT_FALSE(read.MayWrite) << name;
        EXPECT_FALSE(WriteConfig(odd, mine)) << name;
    }
    EXPECT_TRUE(QFileInfo(dir.filePath("folder")).isDir());

    // A symlinked file is written through to its target.
    const QString target = dir.filePath("real.cfg");
    WriteAll(target, {});
    const QString link = dir.filePath("link.cfg");
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(WriteConfig(link, mine));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadAll(target), mine.Encode());
}

TEST(ConfigFile, TheViewReadsAtStartAndWritesAtExit)
{
    std::unique_ptr<QTemporaryDir> keep;
    QString path;
    {
        Harness h;
        path = h.Path("Tollmere.cfg");
        EXPECT_EQ(h.Config(), ConfigBlock{});
        for (int i = 0; i < 3; ++i)
            h.Start(GameId::Calculation);
        h.Start(GameId::Accordion);
        h.View().OnAbout(); // not a game: not counted
        h.View().OnSound();
        EXPECT_FALSE(SoundOn);
        h.Restart();
        EXPECT_EQ(ReadAll(path).mid(72, 32), Words({0, 1, 0, 3, 0, 0, 0, 0}));
        EXPECT_EQ(ReadAll(path).mid(136, 4), Words({0}));
        EXPECT_FALSE(SoundOn) << "sound stays off across a restart";
        EXPECT_EQ(h.Config().Played[3], 3);
        // A back that is none of the nine draws the first, and is kept.
        h.Config().CardBackId = 4242;
        h.Start(GameId::Calculation);
        EXPECT_EQ(h.Composed().copy(165, 197, 71, 96), LoadImage(195));
        h.Restart();
        EXPECT_EQ(h.Config().CardBackId, 4242);
    }
}

TEST(ConfigFile, AnUnreadableFileIsNeverOverwritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Tollmere.cfg");
    ASSERT_TRUE(QDir().mkdir(path));
    {
        CSolView view(path);
        EXPECT_FALSE(view.MayWriteConfig());
        view.Config().CountPlay(102);
    }
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST(RecordDialog, ShowsTotalsAndResetsEveryCounter)
{
    ConfigBlock records;
    records.Played = {1, 2, 3, 4, 5, 6, 7, 8};
    records.Won = {0, 1, 0, 1, 0, 1, 0, 1};
    records.TableColour = 0x00102030;
    RecordDialog dialog(records);
    EXPECT_EQ(dialog.windowTitle(), "Tollmere");
    EXPECT_EQ(dialog.PlayedTotal()->text(), "36");
    EXPECT_EQ(dialog.WonTotal()->text(), "4");
    ASSERT_EQ(dialog.List()->count(), 8);

    dialog.show();
    QApplication::processEvents();
    // Third row: Beleaguered Castle, 40 pixels high, teal with its picture.
    const QImage list = dialog.List()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect row = dialog.List()->visualItemRect(dialog.List()->item(2));
    EXPECT_EQ(row.height(), 40);
    EXPECT_EQ(list.pixel(row.left() + 2, row.top()), qRgb(0, 0, 0)) << "the black line on top";
    EXPECT_EQ(list.pixel(row.left() + 2, row.top() + 3), qRgb(0, 128, 128));
    EXPECT_EQ(list.copy(row.left() + 5, row.top() + 5, 31, 31), LoadImage(225));
    EXPECT_NE(list.copy(row.left() + 40, row.top(), 110, 40), list.copy(row.left() + 40, row.top() + 40, 110, 40))
        << "each row names its own game";

    dialog.ResetButton()->click();
    EXPECT_EQ(records.TotalPlayed() + records.TotalWon(), 0);
    EXPECT_EQ(dialog.PlayedTotal()->text(), "36") << "the totals keep what they showed";
    RecordDialog again(records);
    EXPECT_EQ(again.PlayedTotal()->text(), "0");
    EXPECT_EQ(again.WonTotal()->text(), "0");
}

} // namespace
} // namespace tollmere::test
