#include "sound/sdl_audio_backend.h"

#include "core/random_generator.h"
#include "sound/sound_files.h"
#include "sound/web_stream.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kRate = 44100;
constexpr int kBufferFrames = 1024;
constexpr int kCueChannel = 0;
constexpr std::size_t kStreamScratchBytes = 16384;
constexpr std::chrono::milliseconds kStreamShutdownLimit{2000};

std::optional<qint64> secondsToMs(double seconds)
{
    if (seconds < 0)
        return std::nullopt; // the decoder cannot tell
    return nearest(seconds * 1000.0);
}

// While it lives, whatever is written to standard error goes nowhere: the sound libraries below SDL
// print many lines when they look for a device that is not there.
class TStandardErrorSilenced
{
public:
    TStandardErrorSilenced()
    {
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_saved >= 0 && nowhere >= 0)
            dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0)
            close(nowhere);
    }
    ~TStandardErrorSilenced()
    {
        std::fflush(stderr);
        if (m_saved >= 0) {
            dup2(m_saved, STDERR_FILENO);
            close(m_saved);
        }
    }
    TStandardErrorSilenced(const TStandardErrorSilenced &) = delete;
    TStandardErrorSilenced &operator=(const TStandardErrorSilenced &) = delete;

private:
    int m_saved = -1;
};

void reportNoDevice()
{
    QByteArray reason(SDL_GetError());
    reason.replace('\n', ' ');
    std::fprintf(stderr, "Velmora: Kein Audiogerät gefunden, Musik und Klänge bleiben stumm (%s).\n",
                 reason.isEmpty() ? "ohne Angabe" : reason.constData());
    std::fflush(stderr);
}

} // namespace

TSdlAudioBackend::TSdlAudioBackend()
{
    {
        TStandardErrorSilenced quiet;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            m_sdlStarted = true;
            Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3 | MIX_INIT_MOD | MIX_INIT_FLAC);
            m_open = Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kBufferFrames) == 0;
        }
    }
    if (!m_open) {
        reportNoDevice();
        return;
    }
    int rate = kRate;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0 || rate <= 0 || channels <= 0) {
        rate = kRate;
        channels = 2;
    }
    m_rate = rate;
    m_channels = channels;
    m_bufferMs = kBufferFrames * 1000 / rate + 1;
    m_streamScratch.resize(kStreamScratchBytes);
    Mix_AllocateChannels(2);
    Mix_ReserveChannels(1);
    Mix_Volume(kCueChannel, MIX_MAX_VOLUME);
    setVolume(m_volume);
}

TSdlAudioBackend::~TSdlAudioBackend()
{
    if (m_open) {
        dropStream();
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
    }
    // At the end of the program a stream's thread usually needs a few milliseconds to take its
    // pipeline down; a server that stalls does not hold the program longer than this.
    TWebStream::WaitForStreamsLetGo(kStreamShutdownLimit);
    if (m_cue)
        Mix_FreeChunk(m_cue);
    if (m_music)
        Mix_FreeMusic(m_music);
    if (m_open)
        Mix_CloseAudio();
    if (m_sdlStarted) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool TSdlAudioBackend::openMusic(const QString &path)
{
    releaseMusic();
    if (!m_open)
        return false;
    if (IsWebAddress(path)) {
        m_stream = std::make_unique<TWebStream>(path, m_rate, m_channels);
        return true;
    }
    if (!QFileInfo(path).isFile())
        return false;
    m_music = Mix_LoadMUS(QFile::encodeName(path).constData());
    return m_music != nullptr;
}

void TSdlAudioBackend::dropStream()
{
    if (m_streamPlaying) {
        Mix_HookMusic(nullptr, nullptr); // returns once the audio thread has left the stream
        m_streamPlaying = false;
    }
    m_stream.reset();
}

void TSdlAudioBackend::releaseMusic()
{
    dropStream();
    if (!m_music)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(m_music);
    m_music = nullptr;
}

void TSdlAudioBackend::playMusic()
{
    if (m_stream && !m_streamPlaying) {
        Mix_HaltMusic();
        Mix_HookMusic(&TSdlAudioBackend::mixStream, this);
        m_streamPlaying = true;
    } else if (m_music) {
        Mix_PlayMusic(m_music, 0);
    }
}

void TSdlAudioBackend::stopMusic()
{
    if (!m_open)
        return;
    // A stream cannot be taken up again where it stopped: stopping lets it go.
    dropStream();
    Mix_HaltMusic();
}

void TSdlAudioBackend::mixStream(void *self, unsigned char *out, int bytes)
{
    auto &backend = *static_cast<TSdlAudioBackend *>(self);
    const int volume = backend.m_mixVolume.load();
    std::size_t done = 0;
    const auto wanted = static_cast<std::size_t>(std::max(bytes, 0));
    while (done < wanted) {
        const std::size_t ask = std::min(wanted - done, backend.m_streamScratch.size());
        const std::size_t got = backend.m_stream->TakeSamples(backend.m_streamScratch.data(), ask);
        // The output holds silence already: mixing adds the stream at the music volume.
        SDL_MixAudioFormat(out + done, backend.m_streamScratch.data(), AUDIO_S16SYS, static_cast<Uint32>(got),
                           volume);
        done += got;
        if (got < ask)
            break;
    }
}

bool TSdlAudioBackend::musicPlaying() const
{
    if (m_stream) {
        const TWebStream::State state = m_stream->state();
        return m_streamPlaying && (state == TWebStream::State::Connecting || state == TWebStream::State::Sounding);
    }
    return m_music && Mix_PlayingMusic() != 0;
}

bool TSdlAudioBackend::musicFailed() const
{
    return m_stream && m_stream->state() == TWebStream::State::Failed;
}

std::optional<qint64> TSdlAudioBackend::musicPositionMs() const
{
    if (!m_music)
        return std::nullopt;
    return secondsToMs(Mix_GetMusicPosition(m_music));
}

std::optional<qint64> TSdlAudioBackend::musicLengthMs() const
{
    if (!m_music)
        return std::nullopt;
    return secondsToMs(Mix_MusicDuration(m_music));
}

void TSdlAudioBackend::setVolume(int volume)
{
    m_volume = qBound(0, volume, 100);
    m_mixVolume = static_cast<int>(nearest(m_volume * MIX_MAX_VOLUME / 100.0));
    if (m_open)
        Mix_VolumeMusic(m_mixVolume);
}

IAudioBackend::CueResult TSdlAudioBackend::playCue(const QString &path, bool waitUntilEnd)
{
    if (!m_open)
        return CueResult::NoDevice;
    Mix_HaltChannel(kCueChannel);
    if (m_cue) {
        Mix_FreeChunk(m_cue);
        m_cue = nullptr;
    }
    if (!QFileInfo(path).isFile())
        return CueResult::CannotOpen;
    m_cue = Mix_LoadWAV(QFile::encodeName(path).constData());
    if (!m_cue)
        return CueResult::CannotOpen;
    if (Mix_PlayChannel(kCueChannel, m_cue, 0) < 0)
        return CueResult::Played; // the device took no sound; nothing to wait for
    if (waitUntilEnd) {
        const qint64 bytesPerSecond = qint64(m_rate) * m_channels * 2;
        const qint64 limitMs = qint64(m_cue->alen) * 1000 / bytesPerSecond + kCueWaitSlackMs;
        QElapsedTimer clock;
        clock.start();
        while (Mix_Playing(kCueChannel) && clock.elapsed() < limitMs)
            SDL_Delay(5);
        // The mixer is done one buffer before the last of it has been heard.
        if (!Mix_Playing(kCueChannel))
            SDL_Delay(static_cast<Uint32>(m_bufferMs));
    }
    return CueResult::Played;
}
