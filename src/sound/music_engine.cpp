#include "sound/music_engine.h"

#include "core/ZephFileList.h"
#include "core/ports.h"
#include "core/random_generator.h"
#include "sound/audio_backend.h"
#include "sound/sound_files.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <vector>

namespace {

constexpr qint64 kMaxPlaylistFileBytes = 16 * 1024 * 1024;

QString upperExtension(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot).toUpper();
}

// Playlist files come from anywhere: UTF-8 when they are valid UTF-8, else Windows-1252.
QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252(bytes);
    return QString::fromLatin1(bytes);
}

QString resolveEntry(const QString &rawEntry, const QString &playlistFolder)
{
    const QString entry = rawEntry.trimmed();
    if (entry.isEmpty() || TMusicEngine::IsWebAddress(entry))
        return entry;
    QString path = entry;
    path.replace(u'\\', u'/'); // lists written on other systems
    if (path.startsWith(u'/'))
        return path;
    return playlistFolder + u'/' + path;
}

QStringList m3uEntries(const QString &text)
{
    QStringList entries;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed(); // also drops the CR of CR LF
        if (!line.isEmpty() && line.front() != u'#')
            entries << line.toString();
    }
    return entries;
}

// The "FileN" values of the [playlist] section for N = 1 ... NumberOfEntries, read the way ini
// files are read: names without regard to case, the first of equal keys wins, values trimmed and
// freed of enclosing quotes.
QStringList plsEntries(const QString &text)
{
    QHash<QString, QString> values;
    bool inPlaylist = false;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.front() == u';')
            continue;
        if (line.front() == u'[') {
            const qsizetype close = line.indexOf(u']');
            inPlaylist =
                close > 0 &&
                line.mid(1, close - 1).trimmed().compare(QLatin1String("playlist"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inPlaylist || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed().toString().toLower();
        QStringView value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
            value = value.mid(1, value.size() - 2);
        if (!values.contains(key))
            values.insert(key, value.toString());
    }

    bool ok = false;
    const qint64 count = values.value(QStringLiteral("numberofentries")).toLongLong(&ok);
    if (!ok)
        return {};
    // Walk the keys that exist rather than 1 ... count, which a broken file may make huge.
    std::vector<std::pair<qint64, QString>> numbered;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (!it.key().startsWith(QLatin1String("file")))
            continue;
        const QString digits = it.key().mid(4);
        const qint64 number = digits.toLongLong(&ok);
        if (ok && number >= 1 && number <= count && QString::number(number) == digits)
            numbered.emplace_back(number, it.value());
    }
    std::sort(numbered.begin(), numbered.end());
    QStringList entries;
    for (const auto &[number, value] : numbered)
        entries << value;
    return entries;
}

} // namespace

TMusicEngine::TMusicEngine(IAudioBackend &backend, IRandomGenerator &random, IEventPort *events)
    : m_backend(backend), m_random(random), m_events(events)
{
    m_checkTimer.setInterval(kCheckIntervalMs);
    QObject::connect(&m_checkTimer, &QTimer::timeout, &m_checkTimer, [this] { CheckEndOfTrack(); });
}

bool TMusicEngine::IsWebAddress(const QString &entry)
{
    return ::IsWebAddress(entry);
}

bool TMusicEngine::IsPlayableFile(const QString &path)
{
    static const QStringList playable{QStringLiteral(".MP1"), QStringLiteral(".MP2"), QStringLiteral(".MP3"),
                                      QStringLiteral(".WAV"), QStringLiteral(".OGG"), QStringLiteral(".MOD"),
                                      QStringLiteral(".S3M"), QStringLiteral(".IT"),  QStringLiteral(".UMX"),
                                      QStringLiteral(".MO3"), QStringLiteral(".MTM"), QStringLiteral(".XM")};
    return playable.contains(upperExtension(path));
}

QStringList TMusicEngine::ReadPlaylistFile(const QString &path)
{
    const QString extension = upperExtension(path);
    QFile file(path);
    if ((extension != QLatin1String(".PLS") && extension != QLatin1String(".M3U")) ||
        file.size() > kMaxPlaylistFileBytes || !file.open(QIODevice::ReadOnly))
        return {};
    const QString text = decodeText(file.readAll());
    const QStringList raw = extension == QLatin1String(".PLS") ? plsEntries(text) : m3uEntries(text);
    const QString folder = QFileInfo(path).absolutePath();
    QStringList entries;
    for (const QString &entry : raw) {
        const QString resolved = resolveEntry(entry, folder);
        if (!resolved.isEmpty())
            entries << resolved;
    }
    return entries;
}

void TMusicEngine::BuildPlaylist(const QString &folder)
{
    for (const QString &path : ListFiles(folder, m_events))
        AddEntry(path);
}

void TMusicEngine::AddEntry(const QString &path)
{
    if (IsWebAddress(path) || IsPlayableFile(path))
        m_playlist << path;
    else
        m_playlist << ReadPlaylistFile(path);
}

void TMusicEngine::ClearPlaylist()
{
    m_playlist.clear();
    m_tried.clear();
}

void TMusicEngine::NextTrack()
{
    m_tried.clear();
    continueRound();
}

void TMusicEngine::continueRound()
{
    const int n = static_cast<int>(m_playlist.size());
    if (n == 0)
        return;
    const bool first = m_tried.empty();
    if (static_cast<int>(m_tried.size()) != n)
        m_tried.assign(static_cast<size_t>(n), false);
    for (int candidate = first ? chooseNext() : chooseUntried(); candidate >= 0; candidate = chooseUntried()) {
        m_current = candidate;
        m_hasCurrent = true;
        m_tried[static_cast<size_t>(candidate)] = true;
        if (PlayTrack(m_playlist.at(candidate)))
            return;
    }
    // Nothing of the playlist plays: silence, without trying again until asked to.
    StopTrack();
}

int TMusicEngine::chooseNext()
{
    const int n = static_cast<int>(m_playlist.size());
    if (!m_shuffle) {
        const int next = m_hasCurrent ? m_current + 1 : 0;
        return next >= n ? 0 : next;
    }
    if (n == 1)
        return 0;
    if (m_hasCurrent && m_current < n) {
        // Uniform over the n - 1 other entries.
        const int pick = m_random.draw(n - 1);
        return pick >= m_current ? pick + 1 : pick;
    }
    return m_random.draw(n);
}

int TMusicEngine::chooseUntried()
{
    std::vector<int> untried;
    const int n = static_cast<int>(m_tried.size());
    // In order: the entries after the current one first, then from the top.
    for (int step = 1; step <= n; ++step) {
        const int index = (m_current + step) % n;
        if (!m_tried[static_cast<size_t>(index)])
            untried.push_back(index);
    }
    if (untried.empty())
        return -1;
    if (!m_shuffle || untried.size() == 1)
        return untried.front();
    std::sort(untried.begin(), untried.end());
    return untried[static_cast<size_t>(m_random.draw(static_cast<int>(untried.size())))];
}

bool TMusicEngine::PlayTrack(const QString &entry)
{
    m_source = entry;
    if (!m_backend.openMusic(IsWebAddress(entry) ? entry : FindSoundFile(entry)))
        return false;
    m_backend.playMusic();
    m_status = TMusicStatus::Playing;
    m_checkTimer.start();
    return true;
}

void TMusicEngine::StopTrack()
{
    m_backend.stopMusic();
    m_status = TMusicStatus::Stopped;
    m_checkTimer.stop();
}

void TMusicEngine::CheckEndOfTrack()
{
    if (m_status == TMusicStatus::Stopped)
        return;
    bool ended = !m_backend.musicPlaying();
    // A web stream has no end to come near; it ends only when it stops sounding.
    const QString source = m_source.toUpper();
    const bool stream = source.contains(QLatin1String("HTTP://")) || source.contains(QLatin1String("HTTPS://")) ||
                        source.contains(QLatin1String("FTP://"));
    if (!ended && !stream) {
        const std::optional<qint64> position = m_backend.musicPositionMs();
        const std::optional<qint64> length = m_backend.musicLengthMs();
        ended = position && length && *position >= *length - kEndMarginMs;
    }
    if (ended) {
        const bool neverSounded = m_backend.musicFailed();
        StopTrack();
        m_status = TMusicStatus::Ended;
        // A stream that could not be reached is an entry that could not be opened: the round goes on.
        if (neverSounded)
            continueRound();
    }
}

qint64 TMusicEngine::PositionMs() const
{
    return std::max<qint64>(0, m_backend.musicPositionMs().value_or(0));
}

qint64 TMusicEngine::LengthMs() const
{
    return std::max<qint64>(0, m_backend.musicLengthMs().value_or(0));
}

int TMusicEngine::Volume() const
{
    return m_backend.volume();
}

void TMusicEngine::SetVolume(int volume)
{
    m_backend.setVolume(volume);
}
