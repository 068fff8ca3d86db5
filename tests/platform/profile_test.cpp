// Private profile files: reading with defaults and fixed buffers, writing that
// keeps every other byte of the file, and atomic replacement.
#include "platform/profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(data), data.size());
}

class ProfileTest : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("Test.ini")) const { return dir.filePath(name); }
    QString read(const QString& section, const QString& key, const QString& def = QStringLiteral("dflt"),
                 int chars = 16) const
    {
        return readProfileString(path(), section, key, def, chars);
    }
    QTemporaryDir dir;
};

const QByteArray sample = "; settings kept between runs\n"
                          "[Other]\n"
                          "COLOR=1\n"
                          "\n"
                          "[SETTINGS]\n"
                          "; the table\n"
                          "  Color =  8388736  \n"
                          "CARD=191\n"
                          "Empty=\n"
                          "no equals sign here\n"
                          "Path=a=b=c\n"
                          "\n"
                          "[Last]\n"
                          "x=y";

} // namespace

TEST_F(ProfileTest, DefaultsForMissingFileSectionAndKey)
{
    EXPECT_EQ(read("SETTINGS", "COLOR"), "dflt") << "no file";
    writeAll(path(), sample);
    EXPECT_EQ(read("NOSUCH", "COLOR"), "dflt") << "no section";
    EXPECT_EQ(read("SETTINGS", "GAME"), "dflt") << "no key";
    EXPECT_EQ(read("SETTINGS", "no equals sign here"), "dflt") << "a line without '=' is no key";
    EXPECT_EQ(read("SETTINGS", "GAME", "800", 4), "800") << "default fits";
    EXPECT_EQ(read("SETTINGS", "GAME", "123456", 4), "123") << "defaults are cut too";
}

TEST_F(ProfileTest, ValuesAreTrimmedCaseInsensitiveAndCutToTheBuffer)
{
    writeAll(path(), sample);
    EXPECT_EQ(read("SETTINGS", "COLOR"), "8388736") << "blanks round key and value go";
    EXPECT_EQ(read("settings", "color"), "8388736");
    EXPECT_EQ(read("SeTtInGs", "CaRd"), "191");
    EXPECT_EQ(read("OTHER", "COLOR"), "1") << "same key in another section";
    EXPECT_EQ(read("SETTINGS", "Empty"), "") << "an empty value is not the default";
    EXPECT_EQ(read("SETTINGS", "Path"), "a=b=c") << "value after the first '='";
    EXPECT_EQ(read("Last", "x"), "y") << "last line without a line ending";
    EXPECT_EQ(read("SETTINGS", "COLOR", "d", 4), "838") << "N - 1 characters";
    EXPECT_EQ(read("SETTINGS", "COLOR", "d", 1), "");
    EXPECT_EQ(read("SETTINGS", "COLOR", "d", 0), "");
    EXPECT_EQ(read("SETTINGS", "; the table"), "dflt") << "comments are no keys";
}

TEST_F(ProfileTest, WritingAKeyKeepsEveryOtherByte)
{
    writeAll(path(), sample);
    ASSERT_TRUE(writeProfileString(path(), "settings", "COLOR", "16777215"));
    EXPECT_EQ(readAll(path()), QByteArray("; settings kept between runs\n"
                                          "[Other]\n"
                                          "COLOR=1\n"
                                          "\n"
                                          "[SETTINGS]\n"
                                          "; the table\n"
                                          "Color=16777215\n"
                                          "CARD=191\n"
                                          "Empty=\n"
                                          "no equals sign here\n"
                                          "Path=a=b=c\n"
                                          "\n"
                                          "[Last]\n"
                                          "x=y"));
    EXPECT_EQ(read("SETTINGS", "COLOR"), "16777215");
    EXPECT_EQ(read("Other", "COLOR"), "1");
}

TEST_F(ProfileTest, NewKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEnd)
{
    writeAll(path(), sample);
    ASSERT_TRUE(writeProfileString(path(), "SETTINGS", "GAME", "800"));
    ASSERT_TRUE(writeProfileString(path(), "Last", "z", "1"));
    ASSERT_TRUE(writeProfileString(path(), "Fresh", "KEY", "v"));
    EXPECT_EQ(readAll(path()), QByteArray("; settings kept between runs\n"
                                          "[Other]\n"
                                          "COLOR=1\n"
                                          "\n"
                                          "[SETTINGS]\n"
                                          "; the table\n"
                                          "  Color =  8388736  \n"
                                          "CARD=191\n"
                                          "Empty=\n"
                                          "no equals sign here\n"
                                          "Path=a=b=c\n"
                                          "GAME=800\n"
                                          "\n"
                                          "[Last]\n"
                                          "x=y\n"
                                          "z=1\n"
                                          "\n"
                                          "[Fresh]\n"
                                          "KEY=v\n"));
}

TEST_F(ProfileTest, NewFileFolderAndLineEndings)
{
    const QString nested = dir.filePath("a/b/Quenby.ini");
    ASSERT_TRUE(writeProfileString(nested, "SETTINGS", "COLOR", "8388736"));
    ASSERT_TRUE(writeProfileString(nested, "SETTINGS", "CUSTCOLOR0", "0"));
    EXPECT_EQ(readAll(nested), QByteArray("[SETTINGS]\nCOLOR=8388736\nCUSTCOLOR0=0\n"));

    // A file written with CR LF gets CR LF on its new lines too.
    writeAll(path(), "[SETTINGS]\r\nCOLOR=1\r\n");
    ASSERT_TRUE(writeProfileString(path(), "SETTINGS", "CARD", "183"));
    ASSERT_TRUE(writeProfileString(path(), "SETTINGS", "color", "2"));
    EXPECT_EQ(readAll(path()), QByteArray("[SETTINGS]\r\nCOLOR=2\r\nCARD=183\r\n"));
}

TEST_F(ProfileTest, WritesThatWouldAddLinesAreRefused)
{
    writeAll(path(), sample);
    EXPECT_FALSE(writeProfileString(path(), "SETTINGS", "CARD", "1\n[Evil]\nx=1"));
    EXPECT_FALSE(writeProfileString(path(), "SET]TINGS", "CARD", "1"));
    EXPECT_FALSE(writeProfileString(path(), "SETTINGS", "A=B", "1"));
    EXPECT_FALSE(writeProfileString(path(), "SETTINGS", "", "1"));
    EXPECT_EQ(readAll(path()), sample);
}

TEST_F(ProfileTest, FailedWritesLeaveTheOldFileWhole)
{
    const QString folder = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + "/Quenby.ini";
    writeAll(file, sample);
    const auto leftAlone = [&] {
        EXPECT_EQ(readAll(file), sample);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList{"Quenby.ini"})
            << "no temporary file left behind";
    };

    {
        // A full disk, as a file size limit shows it (root included).
        rlimit saved{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved;
        tiny.rlim_cur = 64;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        const bool written = writeProfileString(file, "SETTINGS", "COLOR", "1");
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, oldHandler);
        EXPECT_FALSE(written);
        leftAlone();
    }

    // A file whose folder path runs through a plain file cannot be written.
    EXPECT_FALSE(writeProfileString(file + "/sub.ini", "SETTINGS", "COLOR", "1"));
    leftAlone();

    if (geteuid() == 0) {
        // Root writes into read-only folders; a folder standing where the file
        // should be makes the final rename fail instead.
        const QString blocked = dir.filePath("blocked.ini");
        ASSERT_TRUE(QDir().mkpath(blocked + "/inside"));
        EXPECT_FALSE(writeProfileString(blocked, "SETTINGS", "COLOR", "1"));
        EXPECT_TRUE(QFileInfo(blocked + "/inside").isDir());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{});
        return;
    }
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    EXPECT_FALSE(writeProfileString(file, "SETTINGS", "COLOR", "1"));
    EXPECT_FALSE(writeProfileString(file, "New", "KEY", "1"));
    chmod(QFile::encodeName(folder).constData(), 0755);
    leftAlone();
}

TEST_F(ProfileTest, ASectionsValuesReadInOnePassAsKeyByKey)
{
    // A BOM, a key written twice, a section written twice and keys in other
    // letter cases: each key as value() finds it.
    const QByteArray text = "\xEF\xBB\xBF[settings]\nColor=1\ncolor=2\n[Other]\nCARD=9\n"
                            "[SETTINGS]\r\nCARD = 184 \r\nGame=\n";
    const ProfileFile file = ProfileFile::fromBytes(text);
    EXPECT_EQ(file.bytes(), text);
    const QHash<QString, QString> values = file.values("SETTINGS");
    EXPECT_EQ(values, (QHash<QString, QString>{{"color", "1"}, {"card", "184"}, {"game", ""}}));
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        EXPECT_EQ(file.value("Settings", it.key().toUpper(), "dflt", 100), *it) << it.key().toStdString();
    EXPECT_TRUE(file.values("Missing").isEmpty());
}

TEST_F(ProfileTest, KeysAskedByNameReadAsTheirSectionsValues)
{
    // Asked keys case-folded, among them some held in other letter cases,
    // twice, not at all, or not ASCII.
    const QList<QString> asked{"color", "card", "game", "missing", "k", "\u00E4rger", "", "x y"};
    const QByteArray texts[] = {
        "\xEF\xBB\xBF[settings]\nColor=1\ncolor=2\n[Other]\nCARD=9\n[SETTINGS]\r\nCARD = 184 \r\nGame=\n",
        "[SETTINGS]\n\xE2\x84\xAA=kelvin\nK=ascii\n\xC3\x84RGER=1\n=blank\nX Y=2\nxx=3\n",
        "[SETTINGS]\nCOLOR\n; COLOR=4\n[SETTINGS\nCOLOR=5\n",
        "",
        "[Other]\nCOLOR=1\n",
    };
    for (const QByteArray& text : texts) {
        const ProfileFile file = ProfileFile::fromBytes(text);
        const QHash<QString, QString> all = file.values("Settings");
        const std::vector<std::optional<QByteArrayView>> found = file.utf8Values("Settings", asked);
        ASSERT_EQ(found.size(), std::size_t(asked.size()));
        for (qsizetype k = 0; k < asked.size(); ++k) {
            const auto it = all.constFind(asked[k]);
            const std::optional<QByteArrayView>& utf8 = found[std::size_t(k)];
            EXPECT_EQ(utf8 ? std::optional(QString::fromUtf8(*utf8)) : std::nullopt,
                      it == all.cend() ? std::nullopt : std::optional(*it))
                << text.toStdString() << " " << asked[k].toStdString();
        }
    }
}

TEST_F(ProfileTest, SettingKeysInOnePassEqualsSettingThemOneByOne)
{
    const QList<std::pair<QString, QString>> keys{
        {"COLOR", " 5 "}, {"card", "184"}, {"NEW", "1"}, {"Path", ""}, {"new", "2"}, {"LAST", "x"}};
    const QList<std::pair<QString, QString>> refusedMidway{{"COLOR", "7"}, {"ADDED", "1"}, {"BAD", "a\nb"}, {"X", "1"}};
    const struct {
        const char* text;
        const QList<std::pair<QString, QString>>& keys;
    } cases[] = {
        {sample.constData(), keys},
        {"", keys},
        {"[SETTINGS]", keys},                                    // no line ending at all
        {"[Other]\r\nx=1\r\n", keys},                            // the section made, CR LF
        {"[settings]\nCOLOR=1\ncolor=2\n\n\n[SETTINGS]\nCARD=1\n", keys}, // twice; blank lines kept after
        {"\xEF\xBB\xBF[SETTINGS]\nx=1", keys},                        // a BOM, the last line unended
        {sample.constData(), refusedMidway},
        {"[Other]\n", refusedMidway},
    };
    for (const auto& c : cases) {
        ProfileFile together = ProfileFile::fromBytes(c.text);
        ProfileFile oneByOne = together;
        bool ok = true;
        for (const auto& [key, value] : c.keys)
            if (!(ok = oneByOne.setValue("SETTINGS", key, value)))
                break;
        EXPECT_EQ(together.setValues("SETTINGS", c.keys), ok) << c.text;
        EXPECT_EQ(together.bytes(), oneByOne.bytes()) << c.text;
        EXPECT_EQ(together.values("SETTINGS"), oneByOne.values("SETTINGS")) << c.text;
    }
}

TEST_F(ProfileTest, NamesCompareAsTheirUtf8TextFoldedWhateverTheyHold)
{
    // ASCII names take a shorter way; every name matches just when its UTF-8
    // text, case-folded, is the name asked for.
    const struct {
        QByteArray inFile;
        QString asked;
    } cases[] = {
        {"SETTINGS", "settings"}, {"Settings", "SETTING"}, {"CUSTCOLOR1", "CUSTCOLOR10"},
        {"K", QString(QChar(0x212A))}, {"\xE2\x84\xAA", "k"}, {"\xC3\x84rger", "\u00E4RGER"},
        {"\xFF", QString(QChar(0xFFFD))}, {"a\xFF", "A"}, {"x y", "X Y"}, {"\xC3", "\u00C3"},
        // Decoded on the stack as fromUtf8 decodes: a byte order mark dropped, a
        // cut sequence replaced, a pair of surrogates folded whole.
        {"\xEF\xBB\xBFk", "\uFEFFK"}, {"\xEF\xBB\xBFk", "k"}, {"k\xE2\x84", "K\uFFFD"},
        {"\xF0\x90\x90\x80", "\U00010428"}, {"\xC3\x84", "\u00C4\u00C4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inFile.toStdString());
        const bool same = QString::fromUtf8(c.inFile).compare(c.asked, Qt::CaseInsensitive) == 0;
        const ProfileFile sections = ProfileFile::fromBytes("[" + c.inFile + "]\nk=1\n");
        EXPECT_EQ(sections.value(c.asked, "K", "-", 16), same ? "1" : "-");
        EXPECT_EQ(sections.values(c.asked).isEmpty(), !same);
        const ProfileFile keys = ProfileFile::fromBytes("[s]\n" + c.inFile + "=1\n");
        EXPECT_EQ(keys.value("S", c.asked, "-", 16), same ? "1" : "-");
        EXPECT_EQ(keys.values("S").keys(), QStringList{QString::fromUtf8(c.inFile).toCaseFolded()});
    }
}

TEST_F(ProfileTest, AFileOverTheLimitIsNeitherReadNorReplaced)
{
    // At the limit, lines as short as they come, the key last: read whole.
    QByteArray full(ProfileFile::MaxBytes, '\n');
    full.replace(full.size() - 20, 20, "[SETTINGS]\nCARD=184\n");
    writeAll(path(), full);
    EXPECT_EQ(read("SETTINGS", "CARD"), "184");
    ASSERT_TRUE(writeProfileString(path(), "SETTINGS", "CARD", "185"));
    EXPECT_EQ(read("SETTINGS", "CARD"), "185");

    // One byte more: unreadable, so kept as it is.
    const QByteArray over = readAll(path()) + ';';
    writeAll(path(), over);
    EXPECT_EQ(read("SETTINGS", "CARD"), "dflt");
    EXPECT_FALSE(writeProfileString(path(), "SETTINGS", "CARD", "186"));
    EXPECT_EQ(readAll(path()), over);
}

TEST_F(ProfileTest, ASaveThatWouldPassTheLimitDropsWhatTheReaderSkipsOrIsRefused)
{
    // Read just under the limit, then given the keys quenby adds at exit: a
    // file we write must read back, with every value as written.
    QList<std::pair<QString, QString>> keys{{"COLOR", "255"}};
    for (int i = 0; i < 16; ++i)
        keys.append({QString("CUSTCOLOR%1").arg(i), QString::number(0x101010 * i)});
    keys.append({{"CARD", "183"}, {"GAME", "801"}});
    QByteArray written = "[SETTINGS]\n";
    QHash<QString, QString> values;
    for (const auto& [key, value] : keys) {
        written += (key + '=' + value + '\n').toUtf8();
        values.insert(key.toCaseFolded(), value);
    }

    const QByteArray settings = "[SETTINGS]\nCOLOR=255\n";
    const auto under = [](const QByteArray& line, const QByteArray& tail) {
        return line.repeated((ProfileFile::MaxBytes - 32 - tail.size()) / line.size()) + tail;
    };
    const struct {
        const char* name;
        QByteArray before;
        bool saved;
        QByteArray after; // when saved; empty: any with no blank line left
    } cases[] = {
        {"blank lines, the top ones go", QByteArray(ProfileFile::MaxBytes - 1 - settings.size(), '\n') + settings,
         true, QByteArray(ProfileFile::MaxBytes - written.size(), '\n') + written},
        {"comments, then blank lines", "[Other]\nx=1\n" + under("; a note\n", "\n\n\n" + settings), true, {}},
        {"nothing the reader skips", settings + under("KEY=1\n", {}), false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(path(), c.before);
        ProfileFile file = ProfileFile::load(path());
        ASSERT_EQ(file.value("SETTINGS", "COLOR", "-", 16), "255");
        for (const auto& [key, value] : keys)
            ASSERT_TRUE(file.setValue("SETTINGS", key, value));
        ASSERT_GT(file.bytes().size(), ProfileFile::MaxBytes);
        ASSERT_EQ(file.save(path()), c.saved);
        const QByteArray after = readAll(path());
        if (!c.saved) {
            EXPECT_EQ(after, c.before) << "the old file stays";
            continue;
        }
        if (!c.after.isEmpty())
            EXPECT_EQ(after, c.after);
        else
            EXPECT_FALSE(after.contains("\n\n")) << "blank lines go before comments";
        EXPECT_LE(after.size(), ProfileFile::MaxBytes);
        EXPECT_GT(after.size(), ProfileFile::MaxBytes - 9) << "only as many lines dropped as it takes";
        const ProfileFile reread = ProfileFile::load(path());
        EXPECT_EQ(reread.values("SETTINGS"), values);
        EXPECT_EQ(reread.values("Other"), file.values("Other"));
    }
}

TEST(ProfilePath, FollowsXdgConfigHome)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/somewhere");
    EXPECT_EQ(profilePath("Quenby.ini"), "/tmp/somewhere/Quenby.ini");
    qputenv("XDG_CONFIG_HOME", "relative/ignored");
    EXPECT_EQ(profilePath("Quenby.ini"), QDir::homePath() + "/.config/Quenby.ini");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(profilePath("Quenby.ini"), QDir::homePath() + "/.config/Quenby.ini");
    if (!saved.isNull())
        qputenv("XDG_CONFIG_HOME", saved);
}
