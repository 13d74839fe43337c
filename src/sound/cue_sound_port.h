#pragma once

#include "core/ports.h"

#include <functional>

class TCuePlayer;

// The sound port the data module is given: cues and the synchronous sounds go to the main window's
// wave player, the beep to the system. The player is attached once it exists (it beeps through
// this port itself).
class TCueSoundPort final : public ISoundPort
{
public:
    explicit TCueSoundPort(std::function<void()> beep) : m_beep(std::move(beep)) {}

    void AttachPlayer(TCuePlayer &player) { m_player = &player; }

    void playCue(const QString &cueList) override;
    void playSoundSync(const QString &filePath) override;
    void beep() override;

private:
    std::function<void()> m_beep;
    TCuePlayer *m_player = nullptr;
};
