#pragma once
// Wave sounds played by bare file name, asynchronously, never waited for.
#include <QString>
#include <QStringList>

namespace platform {

// Plays "UP.WAV" and the like: looked up in the program's own folders (see
// programFileFolders), then in the current directory. A missing or unplayable file (or no audio device) plays
// nothing and is not reported. Returns at once, whatever the sound server
// does: the file is found, read and played on a thread of its own. One sound
// plays at a time; a new one stops the one playing and starts at once.
void playSound(const QString& fileName);

// Where playSound looks, in order: the program's own folders, then the
// current directory.
QStringList soundFolders();
// The first regular file named `fileName` in `folders` (an absolute name is
// taken as it stands); empty when there is none.
QString soundFilePath(const QString& fileName, const QStringList& folders);

// Test seam: while a SoundRecorder exists, playSound records the names asked
// for instead of playing anything.
class SoundRecorder {
public:
    SoundRecorder();
    ~SoundRecorder();
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    const QStringList& names() const { return names_; }
    void clear() { names_.clear(); }

private:
    friend void playSound(const QString&);
    QStringList names_;
};

} // namespace platform
