#pragma once

#include "sound/audio_backend.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringList>

// An audio back end that records what it is asked and lets a test move the track's position, end a
// track, refuse files, let a stream fail and take the device away. Files open when they exist (or are listed in
// `openable`) and are not listed in `unopenable`.
class FakeAudioBackend final : public IAudioBackend
{
public:
    bool openMusic(const QString &path) override
    {
        releaseMusic();
        events << QStringLiteral("open:") + path;
        if (!deviceOpen || unopenable.contains(path) ||
            (!QFileInfo(path).isFile() && !openable.contains(path)))
            return false;
        track = path;
        position = 0;
        failed = false;
        return true;
    }
    void releaseMusic() override
    {
        track.clear();
        playing = false;
    }
    void playMusic() override
    {
        if (track.isEmpty())
            return;
        events << QStringLiteral("play:") + track;
        playing = true;
        position = 0;
    }
    void stopMusic() override
    {
        events << QStringLiteral("stop");
        playing = false;
    }
    bool musicPlaying() const override { return playing && !track.isEmpty(); }
    bool musicFailed() const override { return failed && !track.isEmpty(); }
    std::optional<qint64> musicPositionMs() const override
    {
        if (!reportsPosition || track.isEmpty())
            return std::nullopt;
        return position;
    }
    std::optional<qint64> musicLengthMs() const override
    {
        if (!reportsPosition || track.isEmpty())
            return std::nullopt;
        return lengths.value(track, 180000);
    }
    int volume() const override { return currentVolume; }
    void setVolume(int volume) override { currentVolume = volume; }
    CueResult playCue(const QString &path, bool waitUntilEnd) override
    {
        if (!deviceOpen)
            return CueResult::NoDevice;
        if (!QFileInfo(path).isFile() || unopenable.contains(path)) {
            failedCues << path;
            return CueResult::CannotOpen;
        }
        cues << path + (waitUntilEnd ? QStringLiteral(" (waited)") : QString());
        return CueResult::Played;
    }

    // The played prefix of the events, e.g. "play:/x/a.mp3" entries only.
    QStringList played() const { return events.filter(QStringLiteral("play:")); }

    // Settings a test may change.
    bool deviceOpen = true;
    bool reportsPosition = true;
    QSet<QString> openable, unopenable;
    QHash<QString, qint64> lengths; // ms; 180000 when not listed

    // State and records.
    QString track;
    bool playing = false;
    bool failed = false; // the open track stopped without sounding (a stream that could not connect)
    qint64 position = 0;
    int currentVolume = 100;
    QStringList events, cues, failedCues;
};
