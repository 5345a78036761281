#pragma once

#include <array>
#include <cstdint>

class Playfield;

// Uncovers a new level in reading order, five cells per tick, before play starts. Hidden
// ladders stay hidden: they appear only with the last gold.
class LevelReveal {
  public:
    static constexpr int kColumns = 32;
    static constexpr int kRows = 22;
    static constexpr int kCellsPerTick = 5;

    // Hides every cell object of the level.
    explicit LevelReveal(Playfield& field);

    void advance();
    bool finished() const { return m_finished; }
    bool hidden(int column, int row) const { return m_hidden[column * kRows + row] != 0; }

  private:
    Playfield& m_field;
    std::array<uint8_t, kColumns * kRows> m_hidden{};
    bool m_finished = false;
};
