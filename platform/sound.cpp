#include "platform/sound.h"

#include "platform/files.h"

#include <QDir>

#include <pulse/simple.h>

#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>

namespace platform {

namespace {

SoundRecorder* activeRecorder = nullptr;

// Our sounds are a fraction of a second; anything far larger is not one.
constexpr qint64 MaxWaveBytes = 16 * 1024 * 1024;

// The PCM samples of a RIFF wave file and their format.
// PulseAudio's description of a sample format (rate, channels, encoding).
using SampleFormat = pa_sample_spec;

struct Wave {
    SampleFormat format{};
    QByteArray samples;
};

std::size_t frameSize(const SampleFormat& format)
{
    return std::size_t(format.channels) * (format.format == PA_SAMPLE_U8 ? 1 : 2);
}

// The sound server's client library, loaded on the player's thread at the
// first sound: linked at start it would cost every start its loading, and a
// machine without it simply plays nothing.
struct PulseLibrary {
    decltype(&pa_simple_new) New = nullptr;
    decltype(&pa_simple_write) Write = nullptr;
    decltype(&pa_simple_drain) Drain = nullptr;
    decltype(&pa_simple_flush) Flush = nullptr;
    decltype(&pa_simple_free) Free = nullptr;

    static const PulseLibrary* load()
    {
        static const PulseLibrary* library = [] () -> const PulseLibrary* {
            void* handle = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
            if (!handle)
                return nullptr;
            auto* pulse = new PulseLibrary;
            const auto symbol = [handle](auto& function, const char* name) {
                function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
                return function != nullptr;
            };
            if (symbol(pulse->New, "pa_simple_new") && symbol(pulse->Write, "pa_simple_write")
                && symbol(pulse->Drain, "pa_simple_drain") && symbol(pulse->Flush, "pa_simple_flush")
                && symbol(pulse->Free, "pa_simple_free"))
                return pulse;
            delete pulse;
            return nullptr;
        }();
        return library;
    }
};

std::uint32_t le(const QByteArray& bytes, qsizetype at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | std::uint8_t(bytes[at + i]);
    return value;
}

// Uncompressed PCM, 8 or 16 bits, one or two channels; anything else is
// nothing to play.
std::optional<Wave> parseWave(const QByteArray& bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    Wave wave;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = le(bytes, at + 4, 4);
        const qsizetype body = at + 8;
        const qsizetype available = std::min<qsizetype>(size, bytes.size() - body);
        if (id == "fmt " && available >= 16) {
            const std::uint32_t format = le(bytes, body, 2);
            const std::uint32_t channels = le(bytes, body + 2, 2);
            const std::uint32_t rate = le(bytes, body + 4, 4);
            const std::uint32_t bits = le(bytes, body + 14, 2);
            if (format != 1 || (channels != 1 && channels != 2) || (bits != 8 && bits != 16) || rate < 1000
                || rate > 192000)
                return std::nullopt;
            wave.format.format = bits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
            wave.format.channels = std::uint8_t(channels);
            wave.format.rate = rate;
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            const qsizetype frame = qsizetype(frameSize(wave.format));
            wave.samples = bytes.mid(body, available - available % frame);
            return wave.samples.isEmpty() ? std::nullopt : std::optional<Wave>(wave);
        }
        at = body + size + (size & 1); // chunks are padded to an even size
    }
    return std::nullopt;
}

// One sound asked for: its name and where to look for it, taken on the
// caller's thread so that the player needs nothing of the application.
struct Request {
    QString fileName;
    QStringList places;
};

// Plays on a thread of its own, so that the sound server, however slow or
// hung, never holds up the window. It plays one sound at a time: a new
// request stops the one playing and is started next.
class Player {
public:
    static Player& instance()
    {
        // Never destroyed: at exit the thread may still wait on a sound
        // server, and must not find its state gone.
        static Player* player = new Player;
        return *player;
    }

    void request(Request next)
    {
        {
            const std::lock_guard lock(mutex_);
            pending_ = std::move(next);
            stop_ = true;
        }
        wake_.notify_one();
    }

private:
    Player() { std::thread([this] { run(); }).detach(); }

    void run()
    {
        for (;;) {
            Request next;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return pending_.has_value(); });
                next = std::move(*pending_);
                pending_.reset();
                stop_ = false;
            }
            const QString path = soundFilePath(next.fileName, next.places);
            if (path.isEmpty())
                continue;
            const FileBytes file = readRegularFile(path, MaxWaveBytes);
            if (file.Status == FileStatus::Read)
                if (const auto wave = parseWave(file.Bytes))
                    play(*wave);
        }
    }

    void play(const Wave& wave)
    {
        const PulseLibrary* pulse = PulseLibrary::load();
        if (!pulse)
            return;
        // A short buffer, so that a sound that is stopped ends at once.
        const std::uint32_t bytesPerSecond = std::uint32_t(wave.format.rate * frameSize(wave.format));
        pa_buffer_attr buffer;
        std::memset(&buffer, 0xFF, sizeof buffer); // the server's defaults...
        buffer.tlength = bytesPerSecond / 20;      // ...but 50 ms queued at most
        pa_simple* stream = pulse->New(nullptr, "Tablewright Patience", PA_STREAM_PLAYBACK, nullptr, "effect",
                                          &wave.format, nullptr, &buffer, nullptr);
        if (!stream)
            return;
        const qsizetype frame = qsizetype(frameSize(wave.format));
        const qsizetype chunk = std::max<qsizetype>(frame, qsizetype(bytesPerSecond / 100) / frame * frame);
        bool stopped = false;
        for (qsizetype at = 0; at < wave.samples.size(); at += chunk) {
            if (stop_) {
                stopped = true;
                break;
            }
            const qsizetype length = std::min(chunk, wave.samples.size() - at);
            if (pulse->Write(stream, wave.samples.constData() + at, size_t(length), nullptr) < 0) {
                stopped = true;
                break;
            }
        }
        if (stopped)
            pulse->Flush(stream, nullptr);
        else
            pulse->Drain(stream, nullptr);
        pulse->Free(stream);
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> pending_;
    std::atomic<bool> stop_ = false;
};

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

QStringList soundFolders()
{
    return programFileFolders() << QDir::currentPath();
}

QString soundFilePath(const QString& fileName, const QStringList& folders)
{
    return findFileIn(fileName, folders);
}

void playSound(const QString& fileName)
{
    if (activeRecorder) {
        activeRecorder->names_.append(fileName);
        return;
    }
    if (fileName.isEmpty())
        return;
    Player::instance().request({fileName, soundFolders()});
}

} // namespace platform
