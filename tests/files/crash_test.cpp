// The writers killed at random moments: a program writing quenby's settings,
// tollmere's records and a saved game in a loop is killed with SIGKILL 200
// times; each time every file is its old or its new version, byte for byte.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <iostream>
#include <poll.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Starts the writer on `folder`; its pid once it said "ready", else -1.
pid_t StartWriter(const QByteArray& folder)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(WRITE_LOOP, WRITE_LOOP, folder.constData(), static_cast<char*>(nullptr));
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
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

TEST(WritersKilled, LeaveEveryFileOldOrNewByteForByte)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const QStringList names{QStringLiteral("Quenby.ini"), QStringLiteral("Tollmere.cfg"), QStringLiteral("Game.Sol")};
    std::mt19937 random(13);
    std::uniform_int_distribution<int> delayMicroseconds(0, 30000);
    std::vector<int> olds(names.size()), news(names.size());
    constexpr int Kills = 200;
    for (int kill = 0; kill < Kills; ++kill) {
        const pid_t pid = StartWriter(folder);
        ASSERT_GT(pid, 0) << "the writer did not start";
        usleep(useconds_t(delayMicroseconds(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped on its own at kill " << kill;
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString path = dir.filePath(names[i]);
            const QByteArray now = ReadAll(path);
            const QByteArray oldFile = ReadAll(path + QStringLiteral(".old"));
            const QByteArray newFile = ReadAll(path + QStringLiteral(".new"));
            ASSERT_NE(oldFile, newFile);
            if (now == oldFile)
                ++olds[std::size_t(i)];
            else if (now == newFile)
                ++news[std::size_t(i)];
            else
                FAIL() << names[i].toStdString() << " is neither version after kill " << kill << ": "
                       << now.size() << " bytes";
        }
    }
    // The kills fell at many moments: each file was caught in each version.
    for (qsizetype i = 0; i < names.size(); ++i) {
        std::cout << names[i].toStdString() << ": old " << olds[std::size_t(i)] << ", new "
                  << news[std::size_t(i)] << " of " << Kills << " kills\n";
        EXPECT_GT(olds[std::size_t(i)], 0) << names[i].toStdString();
        EXPECT_GT(news[std::size_t(i)], 0) << names[i].toStdString();
    }
}

} // namespace
