#pragma once

#include <QString>
#include <QTimer>

class TMusicEngine;

// The main window's side of the music: the operations the rest of the program calls, the library
// volume saved when the music starts, and the 33 ms music timer that starts the next track once the
// engine has marked the current one ended. The main window passes in its stored values (the volume
// text and the music-off flag) and forwards to these.
class TMusicController
{
public:
    static constexpr int kMusicTimerMs = 33;

    TMusicController(TMusicEngine &engine, QString musicFolder);
    TMusicController(const TMusicController &) = delete;
    TMusicController &operator=(const TMusicController &) = delete;

    // Saves the library volume, sets the volume from its text ("25"), builds the playlist from the
    // music folder, lets tracks follow each other and starts the first. A text that is no whole number
    // raises "'%s' ist kein gültiger Integerwert" before anything plays.
    void StartMusic(const QString &volumeText);
    // Puts the saved volume back, stops the track and empties the playlist.
    void StopMusic();
    // Stops the track unless the music is switched off; the track is not kept.
    void PauseMusic(bool musicOff);
    // Starts a new track from its beginning unless the music is switched off.
    void ResumeMusic(bool musicOff);
    void SetMusicVolume(int volume);

    // One tick of the music timer: after an ended track, the next one.
    void MusicTimerTick();
    bool MusicTimerActive() const { return m_musicTimer.isActive(); }
    int SavedVolume() const { return m_savedVolume; }
    QString MusicFolder() const { return m_musicFolder; }

private:
    TMusicEngine &m_engine;
    QString m_musicFolder;
    int m_savedVolume = 100;
    QTimer m_musicTimer;
};
