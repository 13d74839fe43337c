#include "sound/sdl_audio_backend.h"

#include "core/random_generator.h"

#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <SDL_mixer.h>

namespace {

constexpr int kRate = 44100;
constexpr int kBufferFrames = 1024;
constexpr int kCueChannel = 0;

std::optional<qint64> secondsToMs(double seconds)
{
    if (seconds < 0)
        return std::nullopt; // the decoder cannot tell
    return nearest(seconds * 1000.0);
}

} // namespace

TSdlAudioBackend::TSdlAudioBackend()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    m_sdlStarted = true;
    Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3 | MIX_INIT_MOD | MIX_INIT_FLAC);
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kBufferFrames) != 0)
        return;
    m_open = true;
    int rate = kRate;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0 || rate <= 0)
        rate = kRate;
    m_bufferMs = kBufferFrames * 1000 / rate + 1;
    Mix_AllocateChannels(2);
    Mix_ReserveChannels(1);
    Mix_Volume(kCueChannel, MIX_MAX_VOLUME);
    setVolume(m_volume);
}

TSdlAudioBackend::~TSdlAudioBackend()
{
    if (m_open) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
    }
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
    if (!m_open || !QFileInfo(path).isFile())
        return false;
    m_music = Mix_LoadMUS(QFile::encodeName(path).constData());
    return m_music != nullptr;
}

void TSdlAudioBackend::releaseMusic()
{
    if (!m_music)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(m_music);
    m_music = nullptr;
}

void TSdlAudioBackend::playMusic()
{
    if (m_music)
        Mix_PlayMusic(m_music, 0);
}

void TSdlAudioBackend::stopMusic()
{
    if (m_open)
        Mix_HaltMusic();
}

bool TSdlAudioBackend::musicPlaying() const
{
    return m_music && Mix_PlayingMusic() != 0;
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
    if (m_open)
        Mix_VolumeMusic(static_cast<int>(nearest(m_volume * MIX_MAX_VOLUME / 100.0)));
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
        while (Mix_Playing(kCueChannel))
            SDL_Delay(5);
        // The mixer is done one buffer before the last of it has been heard.
        SDL_Delay(static_cast<Uint32>(m_bufferMs));
    }
    return CueResult::Played;
}
