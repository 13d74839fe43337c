#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// What the program asks of an audio library: one music track at a time, and one cue channel for
// short wave sounds that plays over the music. An implementation that cannot reach an output device
// stays silent: every call simply has no audible effect.
class IAudioBackend
{
public:
    enum class CueResult
    {
        Played,     // the sound was started (or played to its end when waited for)
        CannotOpen, // the file is missing or not a sound the back end can decode
        NoDevice,   // there is no audio output: nothing can sound
    };

    virtual ~IAudioBackend() = default;

    // Opens a file or a web address as the music track, releasing the previous one first. False when
    // it cannot be opened (then no track is open). A web address opens at once and connects in the
    // background: whether it can be played shows later, in musicFailed().
    virtual bool openMusic(const QString &path) = 0;
    virtual void releaseMusic() = 0;
    // Plays the open track once from its start.
    virtual void playMusic() = 0;
    virtual void stopMusic() = 0;
    // True while the open track is sounding; false once it has finished, was stopped or none is open.
    virtual bool musicPlaying() const = 0;
    // True when the open track stopped without ever sounding: a web stream that could not be reached
    // or decoded. Such a track counts as one that could not be opened.
    virtual bool musicFailed() const = 0;
    // Position and length of the open track in ms, empty where the back end cannot tell.
    virtual std::optional<qint64> musicPositionMs() const = 0;
    virtual std::optional<qint64> musicLengthMs() const = 0;

    // The music volume on the scale 0 ... 100 (100 when the back end starts). Cues are not affected.
    virtual int volume() const = 0;
    virtual void setVolume(int volume) = 0;

    // Plays a sound file on the cue channel, cutting off a cue still sounding there. With waitUntilEnd
    // the call returns when the sound has been heard to its end.
    virtual CueResult playCue(const QString &path, bool waitUntilEnd) = 0;
};
