#include "sound/cue_sound_port.h"

#include "sound/cue_player.h"

void TCueSoundPort::playCue(const QString &cueList)
{
    if (m_player)
        m_player->PlayCue(cueList);
}

void TCueSoundPort::playSoundSync(const QString &filePath)
{
    if (m_player)
        m_player->PlaySoundSync(filePath);
}

void TCueSoundPort::beep()
{
    if (m_beep)
        m_beep();
}
