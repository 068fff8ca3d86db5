// Whole-file reading and writing: only regular files are read, never by a
// call that can block; writes replace the file whole, through symlinks, in
// place when the folder is read-only, with the file's own permissions.
#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

using namespace platform;

namespace {

class FilesTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray name(const QString& file) const { return QFile::encodeName(path(file)); }
    void put(const QString& file, const QByteArray& data) const
    {
        QFile out(path(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(data), data.size());
    }
    QByteArray contents(const QString& file) const
    {
        const FileBytes read = readRegularFile(path(file), 1 << 20);
        return read.Status == FileStatus::Read ? read.Bytes : QByteArray("<none>");
    }
    FileStatus status(const QString& file) const { return readRegularFile(path(file), 1 << 20).Status; }
    mode_t mode(const QString& file) const
    {
        struct stat st {};
        return ::stat(name(file).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(FilesTest, OnlyRegularFilesAreReadAndNoMoreThanTheCap)
{
    put("a.ini", "abcdef");
    EXPECT_EQ(readRegularFile(path("a.ini"), 6).Bytes, QByteArray("abcdef"));
    EXPECT_EQ(readRegularFile(path("a.ini"), 4).Bytes, QByteArray("abcd")) << "no more than the cap";
    ASSERT_EQ(symlink(name("a.ini").constData(), name("link").constData()), 0);
    EXPECT_EQ(contents("link"), QByteArray("abcdef")) << "a link is followed";
    EXPECT_EQ(status("missing"), FileStatus::Missing);
    EXPECT_EQ(status("a.ini/below"), FileStatus::Missing);

    // None of these may block or read without end.
    ASSERT_EQ(mkfifo(name("pipe").constData(), 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", name("zero").constData()), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    for (const char* file : {"pipe", "zero", "folder"}) {
        const FileBytes read = readRegularFile(path(file), 1 << 20);
        EXPECT_EQ(read.Status, FileStatus::NotRegular) << file;
        EXPECT_TRUE(read.Bytes.isEmpty()) << file;
    }
}

TEST_F(FilesTest, NewFilesTakeTheUmaskAndExistingOnesKeepTheirPermissions)
{
    const mode_t saved = umask(022);
    EXPECT_TRUE(writeFileWhole(path("a.cfg"), "one"));
    EXPECT_EQ(contents("a.cfg"), "one");
    EXPECT_EQ(mode("a.cfg"), 0644u);
    umask(077);
    EXPECT_TRUE(writeFileWhole(path("private.cfg"), "two"));
    EXPECT_EQ(mode("private.cfg"), 0600u);
    umask(saved);

    put("kept.cfg", "old");
    ASSERT_EQ(chmod(name("kept.cfg").constData(), 0640), 0);
    EXPECT_TRUE(writeFileWhole(path("kept.cfg"), "new"));
    EXPECT_EQ(contents("kept.cfg"), "new");
    EXPECT_EQ(mode("kept.cfg"), 0640u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"a.cfg", "kept.cfg", "private.cfg"}))
        << "no temporary file left behind";
}

TEST_F(FilesTest, ASymlinkIsWrittenThroughToItsTarget)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
    put("real/a.ini", "old");
    // A relative link, as a user makes one.
    ASSERT_EQ(symlink("real/a.ini", name("a.ini").constData()), 0);
    EXPECT_TRUE(writeFileWhole(path("a.ini"), "new"));
    EXPECT_TRUE(QFileInfo(path("a.ini")).isSymLink());
    EXPECT_EQ(contents("real/a.ini"), "new");
    EXPECT_TRUE(writeFileWhole(path("a.ini"), "newer"));
    EXPECT_EQ(contents("real/a.ini"), "newer") << "and the link keeps working";

    // A dangling link gets its target made.
    ASSERT_EQ(symlink(name("real/b.ini").constData(), name("b.ini").constData()), 0);
    EXPECT_TRUE(writeFileWhole(path("b.ini"), "made"));
    EXPECT_TRUE(QFileInfo(path("b.ini")).isSymLink());
    EXPECT_EQ(contents("real/b.ini"), "made");
}

TEST_F(FilesTest, WhatIsNotARegularFileIsNeverWritten)
{
    ASSERT_EQ(mkfifo(name("pipe").constData(), 0644), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    ASSERT_EQ(symlink(name("pipe").constData(), name("to-pipe").constData()), 0);
    for (const char* file : {"pipe", "folder", "to-pipe"})
        EXPECT_FALSE(writeFileWhole(path(file), "x")) << file;
    struct stat st {};
    ASSERT_EQ(lstat(name("pipe").constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(QFileInfo(path("folder")).isDir());
}

TEST_F(FilesTest, AFolderThatTakesNoNewFileGetsTheFileRewrittenInPlace)
{
    // Root writes anywhere: the test takes an ordinary user's rights for the
    // write itself.
    const bool asRoot = geteuid() == 0;
    ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
    put("locked/a.ini", "old contents");
    ASSERT_EQ(chmod(name("locked/a.ini").constData(), 0666), 0);
    ASSERT_EQ(chmod(name("locked").constData(), 0555), 0);
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    if (asRoot) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    const bool written = writeFileWhole(path("locked/a.ini"), "new");
    const bool refused = !writeFileWhole(path("locked/b.ini"), "new");
    if (asRoot) {
        ASSERT_EQ(seteuid(0), 0);
    }
    chmod(name("locked").constData(), 0755);
    EXPECT_TRUE(written);
    EXPECT_EQ(contents("locked/a.ini"), "new");
    EXPECT_TRUE(refused) << "a new file cannot be made there";
    EXPECT_EQ(QDir(path("locked")).entryList(QDir::Files), QStringList{"a.ini"});
}

// A program in <prefix>/games finds its files beside itself first, then in
// <prefix>/share/games/<program>; anywhere else only beside itself.
TEST(ProgramFileFolders, BesideTheProgramThenTheSharedGamesFolder)
{
    const struct {
        const char* dir;
        const char* program;
        QStringList expected;
    } cases[] = {
        {"/usr/games", "quenby", {"/usr/games", "/usr/share/games/quenby"}},
        {"/usr/local/games", "tollmere", {"/usr/local/games", "/usr/local/share/games/tollmere"}},
        {"/opt/root/usr/games", "quenby", {"/opt/root/usr/games", "/opt/root/usr/share/games/quenby"}},
        {"/home/me/Tablewright/Quenby", "quenby", {"/home/me/Tablewright/Quenby"}},
        {"/usr/lib/quenby", "quenby", {"/usr/lib/quenby"}},
        {"/srv/games/quenby", "quenby", {"/srv/games/quenby"}},
        {"/usr/games", "", {"/usr/games"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(programFileFolders(c.dir, c.program), c.expected) << c.dir << " " << c.program;
}

TEST_F(FilesTest, FindFileInTakesTheFirstFolderHoldingARegularFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("games"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("share/games/quenby/UP.WAV")); // a folder, never a sound
    put("share/games/quenby/quenby.html", "help");
    put("share/games/quenby/DOWN.WAV", "shared");
    put("games/DOWN.WAV", "beside");
    put("games/UP.WAV", "beside");
    const QStringList folders = programFileFolders(path("games"), "quenby");

    EXPECT_EQ(findFileIn("quenby.html", folders), path("share/games/quenby/quenby.html"));
    EXPECT_EQ(findFileIn("DOWN.WAV", folders), path("games/DOWN.WAV")) << "beside the program comes first";
    EXPECT_EQ(findFileIn("UP.WAV", folders), path("games/UP.WAV"));
    ASSERT_TRUE(QFile::remove(path("games/UP.WAV")));
    EXPECT_EQ(findFileIn("UP.WAV", folders), QString()) << "a folder of that name is no file";
    EXPECT_EQ(findFileIn("SHUFFLE.WAV", folders), QString());
    EXPECT_EQ(findFileIn("", folders), QString());
    EXPECT_EQ(findFileIn(path("games/DOWN.WAV"), {}), path("games/DOWN.WAV")) << "an absolute name as it stands";
}
