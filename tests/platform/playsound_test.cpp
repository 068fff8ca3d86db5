// Sounds by bare file name: the recorder seam, the lookup beside the program
// and in the current directory, silence for missing files, and a sound server
// that never answers.
#include "platform/sound.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace platform;

namespace {

// A short, valid PCM wave file: 8-bit mono, 8000 samples per second.
QByteArray tinyWave()
{
    const QByteArray samples(80, char(0x80));
    auto le32 = [](quint32 v) {
        const char bytes[] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        return QByteArray(bytes, 4);
    };
    auto le16 = [](quint16 v) {
        const char bytes[] = {char(v), char(v >> 8)};
        return QByteArray(bytes, 2);
    };
    return QByteArray("RIFF") + le32(36 + samples.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1)
        + le32(8000) + le32(8000) + le16(1) + le16(8) + "data" + le32(samples.size()) + samples;
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// Runs a test in a scratch current directory and puts the old one back.
class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(scratch.path());
    }
    void TearDown() override
    {
        QDir::setCurrent(previous);
        for (const QString& name : besideProgram)
            QFile::remove(QCoreApplication::applicationDirPath() + '/' + name);
    }
    QTemporaryDir scratch;
    QString previous;
    QStringList besideProgram;
};

} // namespace

TEST_F(SoundTest, RecorderTakesNamesInOrderAndNothingPlays)
{
    writeFile(scratch.filePath("UP.WAV"), tinyWave());
    {
        SoundRecorder recorder;
        playSound("SHUFFLE.WAV");
        playSound("UP.WAV");
        playSound("DOWN.WAV");
        playSound("UP.WAV");
        EXPECT_EQ(recorder.names(), (QStringList{"SHUFFLE.WAV", "UP.WAV", "DOWN.WAV", "UP.WAV"}));
        recorder.clear();
        playSound("DOWN.WAV");
        EXPECT_EQ(recorder.names(), QStringList{"DOWN.WAV"});
    }
}

TEST_F(SoundTest, MissingFilesAndFoldersAreNotFound)
{
    ASSERT_TRUE(QDir(scratch.path()).mkdir("FOLDER.WAV"));
    for (const char* name : {"NOSUCH.WAV", "", "../NOSUCH.WAV", "FOLDER.WAV", "/nonexistent/UP.WAV"})
        EXPECT_EQ(soundFilePath(name, soundFolders()), QString()) << name;
}

TEST_F(SoundTest, FoundBesideTheProgramFirstThenInTheCurrentDirectory)
{
    const QString here = scratch.filePath("HERE-ONLY.WAV");
    writeFile(here, tinyWave());
    const QString beside = QCoreApplication::applicationDirPath() + "/BOTH-PLACES.WAV";
    besideProgram << "BOTH-PLACES.WAV";
    writeFile(beside, tinyWave());
    writeFile(scratch.filePath("BOTH-PLACES.WAV"), tinyWave());

    ASSERT_EQ(soundFolders(), (QStringList{QCoreApplication::applicationDirPath(), QDir::currentPath()}));
    QStringList sources{soundFilePath("HERE-ONLY.WAV", soundFolders()),
                        soundFilePath("BOTH-PLACES.WAV", soundFolders())};
    sources.sort();
    QStringList expected{QFileInfo(here).absoluteFilePath(), QFileInfo(beside).absoluteFilePath()};
    expected.sort();
    EXPECT_EQ(sources, expected);
}

namespace {

// A sound server that takes connections and never says a word.
class SilentServer {
public:
    explicit SilentServer(const QString& path)
    {
        listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
        ok_ = listener_ >= 0 && bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
              && listen(listener_, 8) == 0;
    }
    ~SilentServer()
    {
        for (int client : clients_)
            close(client);
        if (listener_ >= 0)
            close(listener_);
    }
    bool ok() const { return ok_; }
    // Takes whatever connections are waiting, for up to `ms` milliseconds.
    void accept(int ms)
    {
        pollfd waiting{listener_, POLLIN, 0};
        while (poll(&waiting, 1, ms) == 1) {
            clients_.push_back(::accept(listener_, nullptr, nullptr));
            ms = 0;
        }
    }
    const std::vector<int>& clients() const { return clients_; }
    // True while the client has neither hung up nor given up.
    static bool stillWaiting(int client)
    {
        char bytes[4096];
        while (recv(client, bytes, sizeof bytes, MSG_DONTWAIT) > 0) {
        }
        pollfd peer{client, POLLIN | POLLRDHUP, 0};
        return poll(&peer, 1, 0) == 0;
    }

private:
    int listener_ = -1;
    bool ok_ = false;
    std::vector<int> clients_;
};

} // namespace

TEST_F(SoundTest, AHungSoundServerNeverHoldsUpTheCaller)
{
    writeFile(scratch.filePath("UP.WAV"), tinyWave());
    writeFile(scratch.filePath("DOWN.WAV"), tinyWave());
    SilentServer server(scratch.filePath("server"));
    ASSERT_TRUE(server.ok());
    const QByteArray saved = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(scratch.filePath("server")));

    // Each call returns while the player still waits on the server's answer:
    // a call that waited would come back only once the client had given up.
    playSound("UP.WAV");
    for (int tries = 0; tries < 100 && server.clients().empty(); ++tries)
        server.accept(100);
    ASSERT_EQ(server.clients().size(), 1u) << "the sound went to the server";
    playSound("DOWN.WAV");
    playSound("UP.WAV");
    EXPECT_TRUE(SilentServer::stillWaiting(server.clients().front()));

    // One sound at a time: the later ones wait their turn rather than
    // opening connections of their own.
    server.accept(300);
    EXPECT_EQ(server.clients().size(), 1u);

    if (saved.isNull())
        qunsetenv("PULSE_SERVER");
    else
        qputenv("PULSE_SERVER", saved);
}
