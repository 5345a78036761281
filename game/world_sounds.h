#pragma once

#include "sound/sound_bank.h"
#include "world/world_context.h"

// Plays the world's sound events from the game's sound bank.
class WorldSounds : public WorldSoundSink {
  public:
    explicit WorldSounds(SoundBank& bank) : m_bank(bank) {}

    void play(int effect, bool restart, bool stop_first) override {
        if (stop_first) {
            m_bank.stop(effect);
        }
        m_bank.play(effect, restart, false);
    }

  private:
    SoundBank& m_bank;
};
