#include "sound/music_controller.h"

#include "core/velmora_error.h"
#include "sound/music_engine.h"

TMusicController::TMusicController(TMusicEngine &engine, QString musicFolder)
    : m_engine(engine), m_musicFolder(std::move(musicFolder))
{
    m_musicTimer.setInterval(kMusicTimerMs);
    QObject::connect(&m_musicTimer, &QTimer::timeout, &m_musicTimer, [this] { MusicTimerTick(); });
}

void TMusicController::StartMusic(const QString &volumeText)
{
    m_savedVolume = m_engine.Volume();
    bool ok = false;
    const int volume = volumeText.toInt(&ok);
    if (!ok)
        throw VelmoraError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(volumeText));
    SetMusicVolume(volume);
    m_engine.BuildPlaylist(m_musicFolder);
    m_engine.SetContinue(true);
    m_engine.NextTrack();
    m_musicTimer.start();
}

void TMusicController::StopMusic()
{
    SetMusicVolume(m_savedVolume);
    m_engine.StopTrack();
    m_engine.ClearPlaylist();
    m_musicTimer.stop();
}

void TMusicController::PauseMusic(bool musicOff)
{
    if (!musicOff)
        m_engine.StopTrack();
}

void TMusicController::ResumeMusic(bool musicOff)
{
    if (!musicOff)
        m_engine.NextTrack();
}

void TMusicController::SetMusicVolume(int volume)
{
    m_engine.SetVolume(volume);
}

void TMusicController::MusicTimerTick()
{
    if (m_engine.Status() == TMusicStatus::Ended && (m_engine.Continue() || m_engine.Shuffle()))
        m_engine.NextTrack();
}
