// The copy engine: whole files with their permissions, and nothing
// half-written under a final name when a copy fails or is stopped.
#include <setupkit/copyengine.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

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
