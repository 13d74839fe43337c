#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>
#include <vector>

class IAudioBackend;
class IEventPort;
class IRandomGenerator;

enum class TMusicStatus
{
    Stopped,
    Playing,
    Ended
};

// The background music: a playlist of files (and web addresses from playlist files), the track that is
// playing, and a check that notices when a track has ended. Moving on to the next track after an end
// is the main window's music timer's job (TMusicController).
class TMusicEngine
{
public:
    // The interval of the end-of-track check while a track plays. A track counts as ended
    // kEndMarginMs before its real end, which the coarse poll needs.
    static constexpr int kCheckIntervalMs = 10;
    static constexpr qint64 kEndMarginMs = 50;

    TMusicEngine(IAudioBackend &backend, IRandomGenerator &random, IEventPort *events = nullptr);
    TMusicEngine(const TMusicEngine &) = delete;
    TMusicEngine &operator=(const TMusicEngine &) = delete;

    // Whether the playable types and playlist files of one path go into the playlist.
    static bool IsPlayableFile(const QString &path);
    static bool IsWebAddress(const QString &entry);
    // The entries of a ".PLS" or ".M3U" playlist file, made absolute; empty when it cannot be read.
    static QStringList ReadPlaylistFile(const QString &path);

    // Adds every file below the folder (in the order of ListFiles) with AddEntry.
    void BuildPlaylist(const QString &folder);
    // Web addresses and playable files are appended; the entries of playlist files are appended in
    // their order; anything else is ignored.
    void AddEntry(const QString &path);
    // Empties the playlist; the current index stays.
    void ClearPlaylist();
    const QStringList &Playlist() const { return m_playlist; }
    int CurrentIndex() const { return m_current; }

    void SetShuffle(bool on) { m_shuffle = on; }
    bool Shuffle() const { return m_shuffle; }
    void SetContinue(bool on) { m_continue = on; }
    bool Continue() const { return m_continue; }

    // Chooses the next entry and plays it. In shuffle mode every entry is equally likely, except the
    // one just chosen, which never comes twice in a row (a playlist of one repeats it). An entry that
    // cannot be played starts a round: the other entries are tried, each once, until one plays (a web
    // stream that fails while connecting continues the round). When none plays the music stops
    // (status stopped) until the next NextTrack.
    void NextTrack();
    // Opens the entry (a file found whatever the case of its name) and plays it from its start. When
    // it cannot be opened nothing more happens: the status stays as it was. True when it opened.
    bool PlayTrack(const QString &entry);
    void StopTrack();
    // One tick of the end-of-track check; runs by itself from a timer while a track plays.
    void CheckEndOfTrack();

    TMusicStatus Status() const { return m_status; }
    QString Source() const { return m_source; }
    qint64 PositionMs() const;
    qint64 LengthMs() const;

    // The audio library's music volume, 0 ... 100.
    int Volume() const;
    void SetVolume(int volume);

private:
    // Plays the first entry of the round that opens; stops when every entry has been tried.
    void continueRound();
    // The next entry by the shuffle rule, or in order; -1 for an empty playlist.
    int chooseNext();
    // One of the entries not tried in this round (at random in shuffle mode), or -1.
    int chooseUntried();

    IAudioBackend &m_backend;
    IRandomGenerator &m_random;
    IEventPort *m_events;
    QStringList m_playlist;
    int m_current = 0;
    bool m_hasCurrent = false; // whether m_current names the entry chosen last
    std::vector<bool> m_tried; // the entries tried since the last NextTrack; empty: none yet
    bool m_shuffle = false;
    bool m_continue = false;
    TMusicStatus m_status = TMusicStatus::Stopped;
    QString m_source;
    QTimer m_checkTimer;
};
