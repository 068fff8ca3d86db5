// "Quenby.ini": reading with defaults and strtol conversion, writing in key
// order, GAME only after a deal, and a failed write keeping the old file.
#include <platform/profile.h>
#include <table/settings.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quenby;

namespace {

class SettingsFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Quenby.ini")); }
    void write(const QByteArray& bytes)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static Settings atStart()
    {
        Settings s;
        s.CustomColours = DefaultCustomColours();
        return s;
    }
};

} // namespace

TEST(ProfileNumber, ConvertsAsStrtolDoes)
{
    EXPECT_EQ(ProfileNumber(QStringLiteral("8388736")), 8388736);
    EXPECT_EQ(ProfileNumber(QStringLiteral(" \t-42xyz")), -42);
    EXPECT_EQ(ProfileNumber(QStringLiteral("+7")), 7);
    EXPECT_EQ(ProfileNumber(QStringLiteral("purple")), 0);
    EXPECT_EQ(ProfileNumber(QStringLiteral("")), 0);
    EXPECT_EQ(ProfileNumber(QStringLiteral("- 5")), 0);
    EXPECT_EQ(ProfileNumber(QStringLiteral("0x10")), 0);
    EXPECT_EQ(ProfileNumber(QStringLiteral("99999999999")), 2147483647);
    EXPECT_EQ(ProfileNumber(QStringLiteral("-99999999999")), -2147483647L - 1);
}

TEST(ValidCardBack, KeepsTheEightBacksAndFallsBackTo191)
{
    for (int back : {183, 184, 185, 186, 189, 191, 192, 193})
        EXPECT_EQ(ValidCardBack(back), back);
    for (int other : {0, 182, 187, 188, 190, 194, 196, -191})
        EXPECT_EQ(ValidCardBack(other), 191) << other;
}

TEST_F(SettingsFile, NoFileGivesPurpleTableGreyCustomColoursBack191AndGranniesClock)
{
    const Settings s = ReadSettings(path(), atStart());
    EXPECT_EQ(s.TableColour, 0x800080u);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(s.CustomColours[std::size_t(i)], platform::ColorRef(i * 1052688)) << i;
    EXPECT_EQ(s.CardBackId, 191);
    EXPECT_EQ(s.GameId, 800);
}

TEST_F(SettingsFile, ReadsStoredValuesAndTreatsNonNumbersAsZero)
{
    write("[SETTINGS]\nCOLOR=16777215\nCUSTCOLOR0=255\nCUSTCOLOR3=blue\nCUSTCOLOR15=  -1\n"
          "CARD=186\nGAME=500\n");
    const Settings s = ReadSettings(path(), atStart());
    EXPECT_EQ(s.TableColour, 0xFFFFFFu); // white, used as stored
    EXPECT_EQ(s.CustomColours[0], 255u);
    EXPECT_EQ(s.CustomColours[1], 1052688u); // missing: the current value
    EXPECT_EQ(s.CustomColours[3], 0u);
    EXPECT_EQ(s.CustomColours[15], 0xFFFFFFFFu);
    EXPECT_EQ(s.CardBackId, 186);
    EXPECT_EQ(s.GameId, 500);

    write("[settings]\ncolor=black\ncard=\ngame=x\n");
    const Settings t = ReadSettings(path(), atStart());
    EXPECT_EQ(t.TableColour, 0u);
    EXPECT_EQ(t.CardBackId, 191); // 0 names no back
    EXPECT_EQ(t.GameId, 0);
}

TEST(SettingsFromProfile, NumbersReadFromTheBytesAsFromTheirFifteenCharacters)
{
    // Values of every kind of UTF-8 within the first fifteen bytes or beyond
    // them: each reads as the plain way does, converted, cut and converted.
    const QByteArray values[] = {
        "255", "  -17", "\xC3\xA4" "5", "5\xC3\xA4", "12345678901234\xC3\xA4", "1234567890123\xE2\x82\xAC" "9",
        "00000000000000012", "\xFF\xFE" "7", "7\xFF", "\xF0\x9F\x82\xA1" "7", QByteArray("\t+9\0" "9", 4), "",
    };
    for (const QByteArray& value : values) {
        const QByteArray text = "[SETTINGS]\nCOLOR=" + value + "\nCUSTCOLOR15=" + value + "\n";
        const Settings read = SettingsFromProfile(platform::ProfileFile::fromBytes(text), Settings{});
        const auto plain = platform::ColorRef(ProfileNumber(QString::fromUtf8(value).left(15)));
        EXPECT_EQ(read.TableColour, plain) << value.toStdString();
        EXPECT_EQ(read.CustomColours[15], plain) << value.toStdString();
    }
}

TEST_F(SettingsFile, ValuesPassThroughASixteenCharacterBuffer)
{
    // Fifteen zeros survive the buffer, the final 1 does not.
    write("[SETTINGS]\nCOLOR=0000000000000001\nCUSTCOLOR0=000000000000255\n");
    const Settings s = ReadSettings(path(), atStart());
    EXPECT_EQ(s.TableColour, 0u);
    EXPECT_EQ(s.CustomColours[0], 255u);
}

TEST_F(SettingsFile, OtherSectionsAndUnknownBacksDoNotLeak)
{
    write("[OTHER]\nCOLOR=1\nCARD=183\n[SETTINGS]\nCARD=190\n");
    Settings current = atStart();
    current.TableColour = 0x123456;
    const Settings s = ReadSettings(path(), current);
    EXPECT_EQ(s.TableColour, 0x123456u);
    EXPECT_EQ(s.CardBackId, 191);
}

TEST_F(SettingsFile, QuittingBeforeAnyDealWritesEveryKeyButGameInOrder)
{
    Settings s = atStart();
    s.TableColour = 0x008000;
    s.CustomColours[2] = 0x0000FF;
    s.CardBackId = 184;
    ASSERT_TRUE(WriteSettings(path(), s, GameId::None));
    EXPECT_EQ(read(), QByteArray("[SETTINGS]\nCOLOR=32768\nCUSTCOLOR0=0\nCUSTCOLOR1=1052688\nCUSTCOLOR2=255\n"
                                 "CUSTCOLOR3=3158064\nCUSTCOLOR4=4210752\nCUSTCOLOR5=5263440\nCUSTCOLOR6=6316128\n"
                                 "CUSTCOLOR7=7368816\nCUSTCOLOR8=8421504\nCUSTCOLOR9=9474192\n"
                                 "CUSTCOLOR10=10526880\nCUSTCOLOR11=11579568\nCUSTCOLOR12=12632256\n"
                                 "CUSTCOLOR13=13684944\nCUSTCOLOR14=14737632\nCUSTCOLOR15=15790320\nCARD=184\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Quenby.ini")});
}

TEST_F(SettingsFile, GameOfAnEarlierRunSurvivesAStartUpQuitAndIsReplacedAfterADeal)
{
    write("; kept\n[SETTINGS]\nGAME=300\n");
    ASSERT_TRUE(WriteSettings(path(), atStart(), GameId::None));
    EXPECT_TRUE(read().startsWith("; kept\n[SETTINGS]\nGAME=300\nCOLOR=8388736\n"));
    EXPECT_EQ(ReadSettings(path(), atStart()).GameId, 300);

    ASSERT_TRUE(WriteSettings(path(), atStart(), GameId::Klondike));
    EXPECT_EQ(ReadSettings(path(), atStart()).GameId, 500);
    EXPECT_EQ(read().count("GAME="), 1);
}

TEST_F(SettingsFile, RoundTripsEveryValueIncludingColoursAboveTheSignBit)
{
    Settings s = atStart();
    s.TableColour = 0xFFFFFFFF;
    s.CustomColours[9] = 0x80000000;
    s.CardBackId = 193;
    ASSERT_TRUE(WriteSettings(path(), s, GameId::Osmosis));
    const Settings back = ReadSettings(path(), atStart());
    EXPECT_EQ(back.TableColour, s.TableColour);
    EXPECT_EQ(back.CustomColours, s.CustomColours);
    EXPECT_EQ(back.CardBackId, 193);
    EXPECT_EQ(back.GameId, 700);
}

TEST_F(SettingsFile, CreatesAMissingConfigFolder)
{
    const QString nested = dir.filePath(QStringLiteral("a/b/Quenby.ini"));
    ASSERT_TRUE(WriteSettings(nested, atStart(), GameId::None));
    EXPECT_TRUE(QFile::exists(nested));
}

TEST_F(SettingsFile, AFailedWriteLeavesThePreviousFileWhole)
{
    // A disk that fills up half way through: files may not grow past 64
    // bytes (a limit that holds for every user, root included).
    const QByteArray before("[SETTINGS]\nCOLOR=255\nGAME=200\n");
    write(before);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteSettings(path(), atStart(), GameId::Klondike);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(read(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Quenby.ini")});
}

TEST_F(SettingsFile, APipeOrDeviceReadsAsNoFileAndIsNeverWritten)
{
    // Neither may block the start or read without end.
    const QByteArray pipe = QFile::encodeName(dir.filePath(QStringLiteral("pipe.ini")));
    ASSERT_EQ(mkfifo(pipe.constData(), 0644), 0);
    const QByteArray zero = QFile::encodeName(dir.filePath(QStringLiteral("zero.ini")));
    ASSERT_EQ(symlink("/dev/zero", zero.constData()), 0);
    for (const QByteArray& hostile : {pipe, zero}) {
        const QString file = QFile::decodeName(hostile);
        const Settings read = ReadSettings(file, atStart());
        EXPECT_EQ(read.TableColour, 0x800080u) << hostile.constData();
        EXPECT_EQ(read.GameId, 800) << hostile.constData();
        EXPECT_FALSE(WriteSettings(file, atStart(), GameId::Osmosis)) << hostile.constData();
    }
    struct stat st {};
    ASSERT_EQ(lstat(pipe.constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(QFileInfo(QFile::decodeName(zero)).isSymLink());
}

TEST_F(SettingsFile, ALinkedFileIsUpdatedThroughItsLinkAndALargeOneReadWhole)
{
    // A large file of comments and other sections still gives its values.
    QByteArray large = "[SETTINGS]\r\nCARD=184\r\n";
    const QByteArray filler(1000, ';');
    while (large.size() < 1000 * 1000)
        large += filler + "\r\n";
    const QString target = dir.filePath(QStringLiteral("kept/Real.ini"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(target).path()));
    {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(large), large.size());
    }
    ASSERT_EQ(symlink("kept/Real.ini", QFile::encodeName(path()).constData()), 0);
    EXPECT_EQ(ReadSettings(path(), atStart()).CardBackId, 184);

    Settings changed = atStart();
    changed.CardBackId = 192;
    ASSERT_TRUE(WriteSettings(path(), changed, GameId::Canfield));
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(ReadSettings(target, atStart()).CardBackId, 192);
    EXPECT_EQ(ReadSettings(target, atStart()).GameId, 200);
}
