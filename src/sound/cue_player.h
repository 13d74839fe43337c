#pragma once

#include <QString>
#include <QStringList>

class IAudioBackend;
class IRandomGenerator;
class ISoundPort;

// The wave player of the main window: plays the short sounds of clicks and results from the sounds
// folder, over the music, one at a time (a new one cuts off the one still sounding). It plays without
// waiting unless switched to synchronous. A file it cannot open gives the system's default beep.
class TCuePlayer
{
public:
    // The fixed cue of the learning menu's tiles.
    static QString PopCue() { return QStringLiteral("POP.wav"); }

    // beepPort: where the system's default beep comes from (only its beep() is used); may be null.
    TCuePlayer(IAudioBackend &backend, IRandomGenerator &random, QString soundsFolder,
               ISoundPort *beepPort = nullptr);
    TCuePlayer(const TCuePlayer &) = delete;
    TCuePlayer &operator=(const TCuePlayer &) = delete;

    // The names of a cue list "a.wav;b.wav": split at each ";", the character after a ";" always
    // beginning a new name (so ";;" makes a name starting with ";"), a final ";" adding none, blanks kept.
    static QStringList SplitCueList(const QString &list);

    // Plays one name of the list, drawn at random after re-seeding the generator, if that file exists
    // in the sounds folder (whatever the case of its name); otherwise nothing sounds. An empty list
    // does nothing.
    void PlayCue(const QString &list);
    // Plays the file at this full path (found whatever the case of its name) to its end, but no
    // longer than the back end allows (its length plus a little), with no list, no draw and no check
    // that it exists (a file it cannot open beeps); then switches the player back to playing without
    // waiting.
    void PlaySoundSync(const QString &filePath);
    // Plays a sound file by its full path in the current mode.
    void PlayFile(const QString &path);

    void SetSynchronous(bool synchronous) { m_synchronous = synchronous; }
    bool Synchronous() const { return m_synchronous; }
    QString SoundsFolder() const { return m_soundsFolder; }
    void SetSoundsFolder(const QString &folder) { m_soundsFolder = folder; }

private:
    QString soundPath(const QString &name) const;

    IAudioBackend &m_backend;
    IRandomGenerator &m_random;
    QString m_soundsFolder;
    ISoundPort *m_beepPort;
    bool m_synchronous = false;
};
