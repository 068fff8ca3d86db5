#include "platform/sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace platform {

namespace {

SoundRecorder* activeRecorder = nullptr;

// Beside the executable first, so an installed program finds its own sounds
// whatever directory it was started from.
QString findSoundFile(const QString& fileName)
{
    if (fileName.isEmpty())
        return {};
    const QFileInfo asGiven(fileName);
    if (asGiven.isAbsolute())
        return asGiven.isFile() ? asGiven.absoluteFilePath() : QString();
    const QStringList places{QCoreApplication::applicationDirPath(), QDir::currentPath()};
    for (const QString& dir : places) {
        const QFileInfo candidate(QDir(dir), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

// One effect per file name, made at its first play so that a program that never
// plays a sound never touches the audio system.
QHash<QString, QSoundEffect*>& effects()
{
    static QHash<QString, QSoundEffect*> made;
    return made;
}

// The effects go while the application object still exists: their audio
// output needs it to shut down cleanly.
void releaseEffects()
{
    qDeleteAll(effects());
    effects().clear();
}

QSoundEffect* effectFor(const QString& path)
{
    QSoundEffect*& effect = effects()[path];
    if (!effect) {
        if (effects().size() == 1)
            qAddPostRoutine(releaseEffects); // registered again after a release
        // Parented to the application, so it lives on the application's thread.
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect;
}

} // namespace

SoundRecorder::SoundRecorder()
{
    activeRecorder = this;
}

SoundRecorder::~SoundRecorder()
{
    if (activeRecorder == this)
        activeRecorder = nullptr;
}

void playSound(const QString& fileName)
{
    if (activeRecorder) {
        activeRecorder->names_.append(fileName);
        return;
    }
    // Sound needs the application's event loop; without an application object
    // there is nothing to play through.
    if (!QCoreApplication::instance())
        return;
    const QString path = findSoundFile(fileName);
    if (path.isEmpty())
        return;
    QSoundEffect* effect = effectFor(path);
    if (effect->status() == QSoundEffect::Error)
        return;
    // A second request for a sound still playing starts it again at once
    // rather than waiting for the first to end.
    if (effect->isPlaying())
        effect->stop();
    effect->play();
}

} // namespace platform
