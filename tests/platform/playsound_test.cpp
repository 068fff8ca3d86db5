// Sounds by bare file name: the recorder seam, the lookup beside the program
// and in the current directory, and silence for missing files.
#include "platform/sound.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace platform;

namespace {

QList<QSoundEffect*> effects()
{
    return QCoreApplication::instance()->findChildren<QSoundEffect*>();
}

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
    const auto before = effects().size();
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
    EXPECT_EQ(effects().size(), before) << "the audio system was not touched";
}

TEST_F(SoundTest, MissingFilesPlayNothing)
{
    const auto before = effects().size();
    playSound("NOSUCH.WAV");
    playSound("");
    playSound("../NOSUCH.WAV");
    EXPECT_EQ(effects().size(), before);
}

TEST_F(SoundTest, FoundBesideTheProgramFirstThenInTheCurrentDirectory)
{
    const QString here = scratch.filePath("HERE-ONLY.WAV");
    writeFile(here, tinyWave());
    const QString beside = QCoreApplication::applicationDirPath() + "/BOTH-PLACES.WAV";
    besideProgram << "BOTH-PLACES.WAV";
    writeFile(beside, tinyWave());
    writeFile(scratch.filePath("BOTH-PLACES.WAV"), tinyWave());

    playSound("HERE-ONLY.WAV");
    playSound("BOTH-PLACES.WAV");
    playSound("HERE-ONLY.WAV"); // the same file again reuses its effect

    QStringList sources;
    for (QSoundEffect* effect : effects()) {
        sources << effect->source().toLocalFile();
        // Let the loading finish, so the test does not end under the loader.
        QDeadlineTimer deadline(3000);
        while (effect->status() == QSoundEffect::Loading && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    sources.sort();
    QStringList expected{QFileInfo(here).absoluteFilePath(), QFileInfo(beside).absoluteFilePath()};
    expected.sort();
    EXPECT_EQ(sources, expected);
}
