// The writers killed at random moments: a program writing quenby's settings,
// tollmere's records and a saved game in a loop is killed with SIGKILL 200
// times; each time every file is its old or its new version, byte for byte.
// Then the same in a folder that takes no new file, where the files are
// rewritten in place, with the kill made to land inside each write.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <iostream>
#include <poll.h>
#include <random>
#include <string>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Starts `command` (the writer, or a tracer running it); its pid once the
// writer said "ready", else -1.
pid_t StartWriter(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0); // a tracer and its writer end together
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    QByteArray said;
    pollfd ready{out[0], POLLIN, 0};
    char buffer[64];
    while (!said.contains('\n') && poll(&ready, 1, 20000) == 1) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        said.append(buffer, n);
    }
    close(out[0]);
    if (said != "ready\n") {
        kill(-pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

const QStringList Names{QStringLiteral("Quenby.ini"), QStringLiteral("Tollmere.cfg"), QStringLiteral("Game.Sol")};

// Whether every file in `dir` is its old or its new version; counts which.
::testing::AssertionResult EveryFileOldOrNew(const QTemporaryDir& dir, std::vector<int>& olds, std::vector<int>& news)
{
    for (qsizetype i = 0; i < Names.size(); ++i) {
        const QString path = dir.filePath(Names[i]);
        const QByteArray now = ReadAll(path);
        const QByteArray oldFile = ReadAll(path + QStringLiteral(".old"));
        const QByteArray newFile = ReadAll(path + QStringLiteral(".new"));
        if (oldFile == newFile)
            return ::testing::AssertionFailure() << "the two versions of " << Names[i].toStdString() << " are alike";
        if (now == oldFile)
            ++olds[std::size_t(i)];
        else if (now == newFile)
            ++news[std::size_t(i)];
        else
            return ::testing::AssertionFailure()
                << Names[i].toStdString() << " is neither version: " << now.size() << " bytes";
    }
    return ::testing::AssertionSuccess();
}

TEST(WritersKilled, LeaveEveryFileOldOrNewByteForByte)
{
    QTemporaryDir dir;
    const std::string folder = QFile::encodeName(dir.path()).toStdString();
    std::mt19937 random(13);
    std::uniform_int_distribution<int> delayMicroseconds(0, 30000);
    std::vector<int> olds(Names.size()), news(Names.size());
    constexpr int Kills = 200;
    for (int kill = 0; kill < Kills; ++kill) {
        const pid_t pid = StartWriter({WRITE_LOOP, folder});
        ASSERT_GT(pid, 0) << "the writer did not start";
        usleep(useconds_t(delayMicroseconds(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped on its own at kill " << kill;
        ASSERT_TRUE(EveryFileOldOrNew(dir, olds, news)) << "after kill " << kill;
    }
    // The kills fell at many moments: each file was caught in each version.
    for (qsizetype i = 0; i < Names.size(); ++i) {
        std::cout << Names[i].toStdString() << ": old " << olds[std::size_t(i)] << ", new "
                  << news[std::size_t(i)] << " of " << Kills << " kills\n";
        EXPECT_GT(olds[std::size_t(i)], 0) << Names[i].toStdString();
        EXPECT_GT(news[std::size_t(i)], 0) << Names[i].toStdString();
    }
}

// Waits up to `seconds` for `pid`, then kills its process group.
int WaitOrKill(pid_t pid, int seconds)
{
    int status = 0;
    for (int waited = 0; waited < seconds * 100; ++waited) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return status;
        usleep(10000);
    }
    ::kill(-pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

// In place, the kill is made to land as each file's first and second write
// begins (strace injects it into the calls on that file alone), and as the cut
// to length after each write begins. The two versions of each file are of one
// length, as the records always are.
TEST(WritersKilled, InPlaceLeaveEveryFileOldOrNewWhereverTheKillLands)
{
    for (const QString& name : Names) {
        for (const std::string inject : {"write,pwrite64,pwritev", "ftruncate"}) {
            for (int when = 1; when <= 2; ++when) {
                QTemporaryDir dir;
                const std::string what = name.toStdString() + " killed at " + inject + " " + std::to_string(when);
                const pid_t pid = StartWriter({"strace", "-f", "-o", "/dev/null", "-P",
                                               QFile::encodeName(dir.filePath(name)).toStdString(), "-e",
                                               "inject=" + inject + ":signal=KILL:when=" + std::to_string(when),
                                               WRITE_LOOP, "--in-place", QFile::encodeName(dir.path()).toStdString()});
                ASSERT_GT(pid, 0) << "the writer did not start under strace";
                const int status = WaitOrKill(pid, 20);
                chmod(QFile::encodeName(dir.path()).constData(), 0755);
                ASSERT_NE(status, -1) << what << ": the writer made no such call";
                std::vector<int> olds(Names.size()), news(Names.size());
                ASSERT_TRUE(EveryFileOldOrNew(dir, olds, news)) << what;
                // The loop writes each file new, then old again.
                const bool writtenNew = (when == 1) == (inject == "ftruncate");
                EXPECT_EQ(news[std::size_t(Names.indexOf(name))], writtenNew ? 1 : 0) << what;
            }
        }
    }
}

} // namespace
