// The copy engine: whole files with their permissions, nothing half-written
// under a final name when a copy fails or is stopped, and nothing written
// through what another user left in the way. The installer's lock.
#include <setupkit/copyengine.h>
#include <setupkit/paths.h>
#include <setupkit/progmenu.h>
#include <setupkit/safefile.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <optional>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace setupkit;

namespace {

class Copy : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString source(const QString& name) const { return dir.filePath(QStringLiteral("src/") + name); }
    QString target(const QString& name) const { return dir.filePath(QStringLiteral("dest/sub/") + name); }

    void SetUp() override { ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("src"))); }

    QByteArray make(const QString& name, qint64 bytes, QFile::Permissions permissions)
    {
        QByteArray data(bytes, Qt::Uninitialized);
        for (qint64 i = 0; i < bytes; ++i)
            data[i] = char(i * 7 + i / 251);
        QFile file(source(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        file.close();
        file.setPermissions(permissions);
        return data;
    }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
    QStringList destinationFiles() const
    {
        return QDir(dir.filePath(QStringLiteral("dest/sub"))).entryList(QDir::Files | QDir::Hidden);
    }
};

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// Another user to own what is planted, when the tests run as root.
std::optional<uid_t> otherUser()
{
    const passwd* nobody = ::getpwnam("nobody");
    return ::geteuid() == 0 && nobody ? std::optional<uid_t>(nobody->pw_uid) : std::nullopt;
}

constexpr auto exec = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;
constexpr auto plain = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;

} // namespace

TEST_F(Copy, CopiesBytesAndPermissionsAndReportsProgress)
{
    const QByteArray program = make(QStringLiteral("quenby"), 600 * 1024, exec);
    const QByteArray help = make(QStringLiteral("quenby.html"), 10, plain);
    const QByteArray empty = make(QStringLiteral("empty"), 0, plain);
    std::vector<CopyProgress> seen;
    const CopyResult result = copyFiles(
        {{source(QStringLiteral("quenby")), target(QStringLiteral("quenby"))},
         {source(QStringLiteral("quenby.html")), target(QStringLiteral("quenby.html"))},
         {source(QStringLiteral("empty")), target(QStringLiteral("empty"))}},
        [&](const CopyProgress& at) {
            seen.push_back(at);
            return true;
        });
    ASSERT_EQ(result, copyDone);
    EXPECT_EQ(read(target(QStringLiteral("quenby"))), program);
    EXPECT_EQ(read(target(QStringLiteral("quenby.html"))), help);
    EXPECT_EQ(read(target(QStringLiteral("empty"))), empty);
    EXPECT_EQ(QFile::permissions(target(QStringLiteral("quenby"))) & 0x7077, exec);
    EXPECT_EQ(QFile::permissions(target(QStringLiteral("quenby.html"))) & 0x7077, plain);
    // Three pieces of the program, one of each small file; bytes only grow.
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen.back().bytesDone, seen.back().bytesTotal);
    EXPECT_EQ(seen.back().bytesTotal, 600 * 1024 + 10);
    EXPECT_EQ(seen[1].filesDone, 0);
    EXPECT_EQ(seen[3].filesDone, 1);
    EXPECT_EQ(destinationFiles(), (QStringList{QStringLiteral("empty"), QStringLiteral("quenby"), QStringLiteral("quenby.html")}));
}

TEST_F(Copy, AStoppedCopyLeavesOnlyTheFilesAlreadyWhole)
{
    make(QStringLiteral("a"), 100, plain);
    make(QStringLiteral("b"), 700 * 1024, plain);
    make(QStringLiteral("c"), 100, plain);
    // A previous installation's file is kept whole, not half replaced.
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("dest/sub"))));
    QFile old(target(QStringLiteral("b")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old b");
    old.close();

    int calls = 0;
    const CopyResult result = copyFiles({{source(QStringLiteral("a")), target(QStringLiteral("a"))},
                                         {source(QStringLiteral("b")), target(QStringLiteral("b"))},
                                         {source(QStringLiteral("c")), target(QStringLiteral("c"))}},
                                        [&](const CopyProgress& at) {
                                            ++calls;
                                            return at.filesDone < 1;
                                        });
    EXPECT_EQ(result, copyStopped);
    EXPECT_EQ(calls, 2) << "stopped after the first piece of b";
    EXPECT_EQ(destinationFiles(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(read(target(QStringLiteral("b"))), QByteArray("old b"));
}

TEST_F(Copy, FailuresAreReportedAndLeaveNothingHalfWritten)
{
    make(QStringLiteral("a"), 100, plain);
    EXPECT_EQ(copyFiles({{source(QStringLiteral("a")), target(QStringLiteral("a"))},
                         {source(QStringLiteral("missing")), target(QStringLiteral("missing"))}},
                        {}),
              copySourceUnreadable);
    EXPECT_EQ(destinationFiles(), QStringList{QStringLiteral("a")}) << "files before the failure stay";

    // A pipe is no file to copy: refused at once rather than read forever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(source(QStringLiteral("pipe"))).constData(), 0600), 0);
    EXPECT_EQ(copyFiles({{source(QStringLiteral("pipe")), target(QStringLiteral("pipe"))}}, {}), copySourceUnreadable);

    // A destination folder that cannot be made: a file stands in its way.
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(copyFiles({{source(QStringLiteral("a")), dir.filePath(QStringLiteral("blocked/a"))}}, {}),
              copyFolderNotMade);
    EXPECT_EQ(copyFiles({}, {}), copyDone);
}

TEST_F(Copy, WhatStandsAtAFinalNameIsReplacedNeverWrittenThrough)
{
    make(QStringLiteral("quenby"), 100, exec);
    const QString outside = dir.filePath(QStringLiteral("outside"));
    const QString victim = outside + QStringLiteral("/victim");
    // Each row plants one thing at the final name; copied files and menu
    // files must both replace it or fail, and never touch what it leads to.
    const struct {
        const char* what;
        std::function<int(const QByteArray&)> plant;
        bool replaced;
    } rows[] = {
        {"a link to another's file", [&](const QByteArray& at) { return ::symlink(encoded(victim), at); }, true},
        {"a link to a folder", [&](const QByteArray& at) { return ::symlink(encoded(outside), at); }, true},
        {"a dangling link", [&](const QByteArray& at) { return ::symlink(encoded(outside + QStringLiteral("/new")), at); }, true},
        {"a hard link to another's file", [&](const QByteArray& at) { return ::link(encoded(victim), at); }, true},
        {"a folder", [&](const QByteArray& at) { return ::mkdir(at, 0755); }, false},
        {"a pipe", [&](const QByteArray& at) { return ::mkfifo(at, 0600); }, false},
    };
    const std::function<bool(const QString&)> writers[] = {
        [&](const QString& at) { return copyFiles({{source(QStringLiteral("quenby")), at}}, {}) == copyDone; },
        [&](const QString& at) { return writeFileWhole(at, read(source(QStringLiteral("quenby")))); },
    };
    for (const auto& row : rows) {
        for (const auto& writer : writers) {
            ASSERT_TRUE(QDir(dir.path()).removeRecursively() && QDir().mkpath(outside)
                        && QDir().mkpath(source(QString())));
            make(QStringLiteral("quenby"), 100, exec);
            QFile file(victim);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("victim") == 6);
            file.close();
            ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("dest/sub"))));
            const QString at = target(QStringLiteral("quenby"));
            ASSERT_EQ(row.plant(encoded(at)), 0) << row.what;

            EXPECT_EQ(writer(at), row.replaced) << row.what;
            struct stat st {};
            ASSERT_EQ(::lstat(encoded(at), &st), 0) << row.what;
            EXPECT_EQ(S_ISREG(st.st_mode), row.replaced) << row.what;
            EXPECT_EQ(read(victim), "victim") << row.what;
            EXPECT_EQ(QDir(outside).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
                      QStringList{QStringLiteral("victim")}) << row.what;
            if (row.replaced) {
                EXPECT_EQ(read(at), read(source(QStringLiteral("quenby")))) << row.what;
            }
            EXPECT_EQ(QDir(dir.filePath(QStringLiteral("dest/sub"))).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
                      QStringList{QStringLiteral("quenby")}) << row.what << ": no temporary file left";
        }
    }
}

TEST_F(Copy, NothingIsWrittenThroughAnotherUsersLinkOrFolder)
{
    make(QStringLiteral("quenby"), 100, exec);
    const QString outside = dir.filePath(QStringLiteral("outside"));
    ASSERT_TRUE(QDir().mkpath(outside + QStringLiteral("/sub")) && QDir().mkpath(dir.filePath(QStringLiteral("dest")))
                && QDir().mkpath(dir.filePath(QStringLiteral("theirs/sub"))));
    ASSERT_EQ(::symlink(encoded(outside + QStringLiteral("/sub")), encoded(dir.filePath(QStringLiteral("dest/sub")))), 0);
    ASSERT_EQ(::symlink(encoded(outside), encoded(dir.filePath(QStringLiteral("way")))), 0);
    const struct {
        const char* what;
        QString made; // by this user first, then by another
        QString through;
    } rows[] = {
        {"the destination as a link", dir.filePath(QStringLiteral("dest/sub")), target(QStringLiteral("quenby"))},
        {"a link on the way", dir.filePath(QStringLiteral("way")), dir.filePath(QStringLiteral("way/sub/quenby"))},
        {"a folder on the way", dir.filePath(QStringLiteral("theirs")), dir.filePath(QStringLiteral("theirs/sub/quenby"))},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(copyFiles({{source(QStringLiteral("quenby")), row.through}}, {}), copyDone) << "this user's own: " << row.what;
        ASSERT_TRUE(QFile::remove(row.through)) << row.what;
    }

    // A folder anyone may change is as good as another user's, unless sticky.
    const QString open = dir.filePath(QStringLiteral("open"));
    ASSERT_TRUE(QDir().mkpath(open) && ::chmod(encoded(open), 0777) == 0);
    EXPECT_FALSE(isValidDirectory(open));
    EXPECT_EQ(copyFiles({{source(QStringLiteral("quenby")), open + QStringLiteral("/sub/quenby")}}, {}), copyFolderNotMade);
    ASSERT_EQ(::chmod(encoded(open), 01777), 0);
    EXPECT_EQ(copyFiles({{source(QStringLiteral("quenby")), open + QStringLiteral("/sub/quenby")}}, {}), copyDone);

    const auto other = otherUser();
    if (!other)
        GTEST_SKIP() << "needs root, to make links and folders as another user";
    for (const auto& row : rows) {
        ASSERT_EQ(::lchown(encoded(row.made), *other, *other), 0);
        EXPECT_FALSE(isValidDirectory(QFileInfo(row.through).path())) << row.what;
        EXPECT_EQ(copyFiles({{source(QStringLiteral("quenby")), row.through}}, {}), copyFolderNotMade) << row.what;
        EXPECT_FALSE(writeFileWhole(row.through, "menu")) << row.what;
        EXPECT_FALSE(QFile::exists(row.through)) << row.what;
    }
}

TEST(SetupLock, LivesInAFolderOnlyItsOwnerCanWrite)
{
    QTemporaryDir dir;
    const QString fallback = ::geteuid() == 0 ? QStringLiteral("/run/lock") : dir.filePath(QStringLiteral("state"));
    qputenv("XDG_STATE_HOME", encoded(dir.filePath(QStringLiteral("state"))));
    const auto folder = [&](const char* name, mode_t mode) {
        const QString path = dir.filePath(QLatin1String(name));
        EXPECT_EQ(::mkdir(encoded(path), mode), 0);
        EXPECT_EQ(::chmod(encoded(path), mode), 0);
        return path;
    };
    const struct {
        const char* what;
        QString runtime;
        QString expected;
    } rows[] = {
        {"unset", QString(), fallback},
        {"relative", QStringLiteral("run"), fallback},
        {"missing", dir.filePath(QStringLiteral("missing")), fallback},
        {"open to others", folder("shared", 0777), fallback},
        {"the user's own", folder("own", 0700), dir.filePath(QStringLiteral("own"))},
    };
    for (const auto& row : rows) {
        if (row.runtime.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", encoded(row.runtime));
        EXPECT_EQ(lockFolder(), row.expected) << row.what;
    }
    if (const auto other = otherUser()) {
        const QString others = folder("others", 0700);
        ASSERT_EQ(::chown(encoded(others), *other, *other), 0);
        qputenv("XDG_RUNTIME_DIR", encoded(others));
        EXPECT_EQ(lockFolder(), fallback) << "another user's private folder";
    }
    qunsetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_STATE_HOME");
}

TEST(SetupLock, HeldByOneDescriptorAndNotStoppedByWhatOthersPlant)
{
    QTemporaryDir dir;
    const QString name = QStringLiteral("setup.lock");
    const QByteArray at = encoded(dir.filePath(name));
    {
        auto first = takeLock(dir.path(), name);
        ASSERT_TRUE(first && first->isOpen());
        EXPECT_FALSE(takeLock(dir.path(), name)) << "held";
    }
    // A holder that ended (or died) holds nothing.
    auto again = takeLock(dir.path(), name);
    ASSERT_TRUE(again && again->isOpen());
    again.reset();

    // What another user may leave at the name is not opened, and stops nobody.
    QFile victim(dir.filePath(QStringLiteral("victim")));
    ASSERT_TRUE(victim.open(QIODevice::WriteOnly) && victim.write("victim") == 6);
    victim.close();
    const auto other = otherUser();
    UniqueFd othersLock; // open to the end: that user's setup still runs
    const struct {
        const char* what;
        std::function<int()> plant;
        bool needsOtherUser;
    } rows[] = {
        {"a link", [&] { return ::symlink(encoded(victim.fileName()), at); }, false},
        {"a pipe", [&] { return ::mkfifo(at, 0600); }, false},
        {"another user's held lock", [&] {
             othersLock = UniqueFd(::open(at, O_CREAT | O_WRONLY | O_EXCL | O_CLOEXEC, 0644));
             return othersLock.isOpen() && ::fchown(othersLock.get(), *other, *other) == 0
                        ? ::flock(othersLock.get(), LOCK_EX) : -1;
         }, true},
    };
    for (const auto& row : rows) {
        if (row.needsOtherUser && !other) {
            std::printf("skipped \"%s\": needs root, to plant a file as another user\n", row.what);
            continue;
        }
        ::unlink(at);
        ASSERT_EQ(row.plant(), 0) << row.what;
        const auto lock = takeLock(dir.path(), name);
        ASSERT_TRUE(lock && lock->isOpen()) << row.what;
        struct stat st {};
        ASSERT_EQ(::fstat(lock->get(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) << row.what;
        EXPECT_EQ(QFile(victim.fileName()).size(), 6) << row.what;
    }
}
