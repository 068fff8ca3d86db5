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
    QByteArray contents(const QString& file) const { return readRegularFile(path(file), 1 << 20).value_or("<none>"); }
    mode_t mode(const QString& file) const
    {
        struct stat st {};
        return ::stat(name(file).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(FilesTest, OnlyRegularFilesWithinTheCapAreRead)
{
    put("a.ini", "abc");
    EXPECT_EQ(readRegularFile(path("a.ini"), 3), QByteArray("abc")) << "exactly the cap";
    EXPECT_EQ(readRegularFile(path("a.ini"), 2), std::nullopt) << "one byte over";
    put("empty", "");
    EXPECT_EQ(readRegularFile(path("empty"), 0), QByteArray(""));
    ASSERT_EQ(symlink(name("a.ini").constData(), name("link").constData()), 0);
    EXPECT_EQ(readRegularFile(path("link"), 10), QByteArray("abc")) << "a link is followed";

    // None of these may block or read without end.
    ASSERT_EQ(mkfifo(name("pipe").constData(), 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", name("zero").constData()), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    for (const char* file : {"missing", "pipe", "zero", "folder"})
        EXPECT_EQ(readRegularFile(path(file), 1 << 20), std::nullopt) << file;
    EXPECT_EQ(readRegularFile(QString(), 10), std::nullopt);
}

TEST_F(FilesTest, NewFilesTakeTheUmaskAndExistingOnesKeepTheirPermissions)
{
    const mode_t saved = umask(022);
    EXPECT_TRUE(writeFileWhole(path("new/sub/a.cfg"), "one"));
    EXPECT_EQ(contents("new/sub/a.cfg"), "one") << "missing folders are made";
    EXPECT_EQ(mode("new/sub/a.cfg"), 0644u);
    umask(077);
    EXPECT_TRUE(writeFileWhole(path("private.cfg"), "two"));
    EXPECT_EQ(mode("private.cfg"), 0600u);
    umask(saved);

    put("kept.cfg", "old");
    ASSERT_EQ(chmod(name("kept.cfg").constData(), 0640), 0);
    EXPECT_TRUE(writeFileWhole(path("kept.cfg"), "new"));
    EXPECT_EQ(contents("kept.cfg"), "new");
    EXPECT_EQ(mode("kept.cfg"), 0640u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"kept.cfg", "private.cfg"}))
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
