#pragma once

#include "sound/audio_backend.h"

struct Mix_Chunk;
struct _Mix_Music;

// The audio back end on SDL2_mixer: 44100 Hz stereo output, music through the music stream, cues on
// one reserved mixing channel. Only one may exist at a time (SDL's audio is process-wide). When no
// output device can be opened it stays silent and says nothing.
class TSdlAudioBackend final : public IAudioBackend
{
public:
    TSdlAudioBackend();
    ~TSdlAudioBackend() override;
    TSdlAudioBackend(const TSdlAudioBackend &) = delete;
    TSdlAudioBackend &operator=(const TSdlAudioBackend &) = delete;

    // Whether an output device was opened.
    bool isOpen() const { return m_open; }

    bool openMusic(const QString &path) override;
    void releaseMusic() override;
    void playMusic() override;
    void stopMusic() override;
    bool musicPlaying() const override;
    std::optional<qint64> musicPositionMs() const override;
    std::optional<qint64> musicLengthMs() const override;
    int volume() const override { return m_volume; }
    void setVolume(int volume) override;
    CueResult playCue(const QString &path, bool waitUntilEnd) override;

private:
    bool m_open = false;
    bool m_sdlStarted = false;
    _Mix_Music *m_music = nullptr;
    Mix_Chunk *m_cue = nullptr;
    int m_volume = 100;
    int m_bufferMs = 0;
};
