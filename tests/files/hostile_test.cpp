// Every file reader handed what a user, a download or a disk fault can leave
// at its name: each answers at once with its "missing" or "cannot be read"
// case (or what a damaged file still holds), writes nothing beside its own
// file, and never replaces a good file with a worse one.
#include <games/carddeck.h>
#include <games/frame.h>
#include <games/gametable.h>
#include <platform/localtime.h>
#include <platform/profile.h>
#include <setupkit/inf.h>
#include <shell/configblock.h>
#include <shell/savedgame.h>
#include <table/settings.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <functional>
#include <string_view>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// What a reader made of a file, as far as the test cares: nothing ("missing"
// or "cannot be read"), or a value given as bytes to compare.
struct Outcome {
    bool Refused = false; // the reader's "missing" or "cannot be read" case
    QByteArray Value;
};

struct Reader {
    const char* Name;
    const char* FileName;
    QByteArray Good;  // a file as the program writes it
    QByteArray Other; // a second good file, for the writes
    std::function<Outcome(const QString&)> Read;
    // Writes the file as the program would after reading it; none for a
    // reader whose program never writes its file.
    std::function<bool(const QString&, const QByteArray&)> Write;
    // Whether a file it could not read is kept from being written (a saved
    // game is written where the player asks, over whatever is there).
    bool KeepsUnreadFile = true;
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

quenby::Settings QuenbyStart()
{
    quenby::Settings s;
    s.CustomColours = quenby::DefaultCustomColours();
    return s;
}

QByteArray SettingsFile(const quenby::Settings& values, quenby::GameId dealt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quenby.ini"));
    EXPECT_TRUE(quenby::WriteSettings(path, values, dealt));
    return ReadAll(path);
}

QByteArray SettingsValue(const quenby::Settings& s)
{
    QByteArray text = QByteArray::number(s.TableColour) + ' ' + QByteArray::number(s.CardBackId) + ' '
        + QByteArray::number(s.GameId);
    for (auto colour : s.CustomColours)
        text += ' ' + QByteArray::number(colour);
    return text;
}

QByteArray SavedGameFile(tollmere::GameId game)
{
    tollmere::CardDeck deck;
    tollmere::GameTable table(deck, int(game));
    table.Layout(640, 480);
    return *tollmere::EncodeSavedGame(table);
}

// Decoded, and laid out on a table as the program does, every card once.
Outcome ReadSaved(const QString& path)
{
    const auto saved = tollmere::ReadSavedGame(path);
    if (!saved)
        return {true, {}};
    tollmere::CardDeck deck;
    tollmere::GameTable table(deck, saved->GameId);
    table.Layout(640, 480);
    tollmere::RestoreCards(table, *saved);
    return {false, *tollmere::EncodeSavedGame(table)};
}

std::vector<Reader> Readers()
{
    using namespace tollmere;
    quenby::Settings mine = QuenbyStart();
    mine.TableColour = 0x00204060;
    mine.CustomColours[3] = 0x00FF0000;
    quenby::Settings other = QuenbyStart();
    other.TableColour = 0x00336699;
    other.CardBackId = 186;
    ConfigBlock played;
    played.CountPlay(int(GameId::Accordion));
    played.CountWin(int(GameId::Accordion));
    return {
        {"settings", "Quenby.ini", SettingsFile(mine, quenby::GameId::Osmosis),
         SettingsFile(other, quenby::GameId::Klondike),
         [](const QString& path) {
             const quenby::Settings read = quenby::ReadSettings(path, QuenbyStart());
             return Outcome{SettingsValue(read) == SettingsValue(QuenbyStart()), SettingsValue(read)};
         },
         [](const QString& path, const QByteArray& bytes) {
             const quenby::Settings values =
                 quenby::SettingsFromProfile(platform::ProfileFile::fromBytes(bytes), QuenbyStart());
             return quenby::WriteSettings(path, values, quenby::GameId(values.GameId));
         }},
        {"records", "Tollmere.cfg", ConfigBlock{}.Encode(), played.Encode(),
         [](const QString& path) {
             const LoadedConfig read = ReadConfig(path);
             return Outcome{!read.MayWrite, read.Block.Encode()};
         },
         [](const QString& path, const QByteArray& bytes) {
             // The program writes at exit only what it may.
             return ReadConfig(path).MayWrite && WriteConfig(path, ConfigBlock::Decode(bytes));
         }},
        {"saved game", "Game.Sol", SavedGameFile(GameId::Calculation), SavedGameFile(GameId::Quadrille), ReadSaved,
         [](const QString& path, const QByteArray& bytes) {
             const auto saved = DecodeSavedGame(bytes);
             CardDeck deck;
             GameTable table(deck, saved->GameId);
             RestoreCards(table, *saved);
             return SaveGame(table, path);
         },
         false},
        {"distribution", "SetUp.INF", "[Minimum Files]\nquenby\nquenby.html\n", "[Minimum Files]\nsetup\n",
         [](const QString& path) {
             const auto inf = setupkit::readInf(path);
             const QStringList* files = inf ? inf->section(QStringLiteral("Minimum Files")) : nullptr;
             return Outcome{!files, files ? files->join(u'|').toUtf8() : QByteArray()};
         },
         {}},
    };
}

// Reads within a second; the folder holds nothing but what it held.
Outcome TimedRead(const Reader& reader, const QString& path)
{
    const QStringList before = QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
    QElapsedTimer timer;
    timer.start();
    const Outcome outcome = reader.Read(path);
    EXPECT_LT(timer.elapsed(), 1000) << reader.Name;
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden), before)
        << reader.Name;
    return outcome;
}

class HostileFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setFixedLocalTime(platform::LocalTime{10, 20, 30});
        tollmere::SoundOn = false;
    }
    void TearDown() override { platform::setFixedLocalTime(std::nullopt); }
};

TEST_F(HostileFiles, DamagedRegularFilesReadAsWhatTheyHoldAndAreReplacedWhole)
{
    for (const Reader& reader : Readers()) {
        SCOPED_TRACE(reader.Name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(reader.FileName));
        WriteAll(path, reader.Good);
        const Outcome good = TimedRead(reader, path);

        EXPECT_FALSE(good.Refused);
        // Empty: the "missing" case; the records' block is its defaults.
        WriteAll(path, {});
        EXPECT_EQ(TimedRead(reader, path).Refused, std::string_view(reader.FileName) != "Tollmere.cfg");
        // All zeros.
        WriteAll(path, QByteArray(4096, '\0'));
        TimedRead(reader, path);
        // Cut at every length: what is whole is read, nothing more.
        for (qsizetype n = 0; n < reader.Good.size(); ++n) {
            WriteAll(path, reader.Good.first(n));
            TimedRead(reader, path);
        }
        // Far too long: the good file followed by megabytes of junk.
        QByteArray junk = reader.Good;
        while (junk.size() < 3 * 1024 * 1024)
            junk += QByteArray(4096, char(junk.size() % 251));
        WriteAll(path, junk);
        TimedRead(reader, path);
        // Random bytes.
        QRandomGenerator random(13);
        for (int round = 0; round < 20; ++round) {
            QByteArray noise(int(random.bounded(1, 4096)), '\0');
            for (char& c : noise)
                c = char(random.bounded(256));
            WriteAll(path, noise);
            TimedRead(reader, path);
        }
        // Whatever it read, a write after it leaves a file that reads back as
        // written (the settings keep the lines they do not own).
        if (reader.Write) {
            ASSERT_TRUE(reader.Write(path, reader.Other));
            const Outcome written = TimedRead(reader, path);
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QString::fromLatin1(reader.FileName)});
            WriteAll(path, reader.Other);
            EXPECT_EQ(written.Value, TimedRead(reader, path).Value);
        }
    }
}

TEST_F(HostileFiles, WhatIsNoRegularFileReadsAsMissingAndIsNeverWritten)
{
    for (const Reader& reader : Readers()) {
        SCOPED_TRACE(reader.Name);
        QTemporaryDir dir;
        for (const char* kind : {"folder", "pipe", "zero"}) {
            const QString path = dir.filePath(QString::fromLatin1(kind));
            const QByteArray name = QFile::encodeName(path);
            if (std::string_view(kind) == "folder")
                ASSERT_TRUE(QDir().mkdir(path));
            else if (std::string_view(kind) == "pipe")
                ASSERT_EQ(mkfifo(name.constData(), 0600), 0);
            else
                ASSERT_EQ(symlink("/dev/zero", name.constData()), 0);
            EXPECT_TRUE(TimedRead(reader, path).Refused) << kind;
            if (reader.Write) {
                EXPECT_FALSE(reader.Write(path, reader.Other)) << kind;
            }
            struct stat st {};
            ASSERT_EQ(lstat(name.constData(), &st), 0);
            EXPECT_TRUE(S_ISDIR(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISLNK(st.st_mode)) << kind;
        }
    }
}

// The effective capabilities of this thread without those that let root read
// any file, so an unreadable file is unreadable here too; restored on exit.
class WithoutOverride {
public:
    WithoutOverride()
    {
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        if (syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        active_ = syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~WithoutOverride()
    {
        if (active_)
            syscall(SYS_capset, &header_, saved_);
    }

private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool active_ = false;
};

TEST_F(HostileFiles, AnUnreadableFileIsNeverReplaced)
{
    for (const Reader& reader : Readers()) {
        SCOPED_TRACE(reader.Name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(reader.FileName));
        WriteAll(path, reader.Good);
        ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0), 0);
        {
            WithoutOverride unprivileged;
            if (QFile(path).open(QIODevice::ReadOnly))
                GTEST_SKIP() << "files without read permission can be read here";
            EXPECT_TRUE(TimedRead(reader, path).Refused);
            if (reader.Write && reader.KeepsUnreadFile) {
                EXPECT_FALSE(reader.Write(path, reader.Other));
            }
        }
        chmod(QFile::encodeName(path).constData(), 0600);
        EXPECT_EQ(ReadAll(path), reader.Good);
    }
}

// A small tmpfs, filled up: every write fails and leaves the old file whole.
TEST_F(HostileFiles, AFullDiskKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (mount("tollmere-test", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    struct Unmount {
        QByteArray at;
        ~Unmount() { umount(at.constData()); }
    } unmount{mountPoint};
    for (const Reader& reader : Readers()) {
        if (!reader.Write)
            continue;
        SCOPED_TRACE(reader.Name);
        const QString path = dir.filePath(QString::fromLatin1(reader.FileName));
        ASSERT_TRUE(reader.Write(path, reader.Good));
        const QString filler = dir.filePath(QStringLiteral("filler"));
        {
            QFile fill(filler);
            ASSERT_TRUE(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(512, 'x');
            while (fill.write(block) == block.size()) {
            }
        }
        EXPECT_FALSE(reader.Write(path, reader.Other));
        EXPECT_EQ(ReadAll(path), reader.Good);
        EXPECT_FALSE(TimedRead(reader, path).Refused);
        QFile::remove(filler);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QString::fromLatin1(reader.FileName)});
        QFile::remove(path);
    }
}

} // namespace
