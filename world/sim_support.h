#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/keyboard_state.h"

class WorldRun;

// Keys held per tick for headless runs: each line "TICK KEY KEY ..." holds exactly these scan
// codes from that tick on; a line with no keys releases all. Blank lines and lines starting
// with '#' are skipped.
class KeyScript {
  public:
    // False (with the line number in `error`) on a malformed line.
    bool parse(const std::string& text, std::string* error = nullptr);
    // The keys held during tick `tick` (ticks count from 1).
    const std::vector<int>& held_at(int tick) const;
    size_t size() const { return m_steps.size(); }

  private:
    struct Step {
        int tick;
        std::vector<int> keys;
    };
    std::vector<Step> m_steps;  // in tick order
    std::vector<int> m_none;
};

// A keyboard whose keys the simulator sets before each poll.
class ScriptedKeyboard : public KeyboardDevice {
  public:
    int32_t acquire() override { return 0; }
    void unacquire() override {}
    int32_t read_state(uint8_t* state256) override;
    void hold(const std::vector<int>& keys);

  private:
    std::array<uint8_t, 256> m_keys{};
};

// One line of the simulator's output: the state of the level after a tick, as a JSON object.
std::string tick_json(int tick, WorldRun& run);
