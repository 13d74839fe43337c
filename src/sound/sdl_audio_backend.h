#pragma once

#include "sound/audio_backend.h"

#include <atomic>
#include <memory>
#include <vector>

class TWebStream;
struct Mix_Chunk;
struct _Mix_Music;

// The audio back end on SDL2_mixer: 44100 Hz stereo output, music through the music stream, cues on
// one reserved mixing channel. Web addresses play as network streams (TWebStream), mixed into the
// music stream in place of a file. Only one may exist at a time (SDL's audio is process-wide). When
// no output device can be opened it says so in one line on standard error (instead of what the
// system's sound libraries print) and stays silent.
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
    bool musicFailed() const override;
    std::optional<qint64> musicPositionMs() const override;
    std::optional<qint64> musicLengthMs() const override;
    int volume() const override { return m_volume; }
    void setVolume(int volume) override;
    CueResult playCue(const QString &path, bool waitUntilEnd) override;

    // The longest a synchronous cue waits beyond its own length, so a stalled device cannot hold
    // the program.
    static constexpr int kCueWaitSlackMs = 2000;

private:
    static void mixStream(void *self, unsigned char *out, int bytes);
    void dropStream();

    bool m_open = false;
    bool m_sdlStarted = false;
    _Mix_Music *m_music = nullptr;
    Mix_Chunk *m_cue = nullptr;
    int m_volume = 100;
    int m_bufferMs = 0;
    int m_rate = 0;
    int m_channels = 0;
    std::unique_ptr<TWebStream> m_stream; // the music track when it comes from a web address
    bool m_streamPlaying = false;         // the stream is mixed into the output
    std::atomic<int> m_mixVolume{0};      // the music volume on the mixer's scale, for the stream
    std::vector<unsigned char> m_streamScratch;
};
