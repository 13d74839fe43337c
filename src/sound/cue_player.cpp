#include "sound/cue_player.h"

#include "core/ports.h"
#include "core/random_generator.h"
#include "sound/audio_backend.h"
#include "sound/sound_files.h"

#include <QFileInfo>

TCuePlayer::TCuePlayer(IAudioBackend &backend, IRandomGenerator &random, QString soundsFolder,
                       ISoundPort *beepPort)
    : m_backend(backend), m_random(random), m_soundsFolder(std::move(soundsFolder)), m_beepPort(beepPort)
{
}

QStringList TCuePlayer::SplitCueList(const QString &list)
{
    QStringList names;
    qsizetype start = 0;
    while (start < list.size()) {
        // The first character belongs to the name whatever it is.
        qsizetype end = start + 1;
        while (end < list.size() && list[end] != u';')
            ++end;
        names << list.mid(start, end - start);
        start = end + 1;
    }
    return names;
}

void TCuePlayer::PlayCue(const QString &list)
{
    if (list.isEmpty())
        return;
    const QStringList names = SplitCueList(list);
    m_random.reseed();
    const QString path = FindSoundFile(soundPath(names.at(m_random.draw(static_cast<int>(names.size())))));
    if (!QFileInfo(path).isFile())
        return;
    PlayFile(path);
}

void TCuePlayer::PlaySoundSync(const QString &filePath)
{
    m_synchronous = true;
    PlayFile(FindSoundFile(filePath));
    m_synchronous = false;
}

void TCuePlayer::PlayFile(const QString &path)
{
    if (m_backend.playCue(path, m_synchronous) == IAudioBackend::CueResult::CannotOpen && m_beepPort)
        m_beepPort->beep();
}

QString TCuePlayer::soundPath(const QString &name) const
{
    return m_soundsFolder.endsWith(u'/') ? m_soundsFolder + name : m_soundsFolder + u'/' + name;
}
