#include "game/level_reveal.h"

#include "world/cell.h"
#include "world/playfield.h"

LevelReveal::LevelReveal(Playfield& field) : m_field(field) {
    m_hidden.fill(1);
    for (int c = 1; c <= kColumns; ++c) {
        for (int r = 0; r < kRows; ++r) {
            if (Cell* cell = m_field.cell_at(c, r)) {
                cell->animation().set_visible(false);
            }
        }
    }
}

void LevelReveal::advance() {
    int uncovered = 0;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            uint8_t& state = m_hidden[c * kRows + r];
            if (!state) {
                continue;
            }
            state = 0;
            Cell* cell = m_field.cell_at(c + 1, r);
            if (cell && cell->kind() != kHiddenLadder) {
                cell->animation().set_visible(true);
            }
            ++uncovered;
            if (r == kRows - 1 && c == kColumns - 1) {
                m_finished = true;
                return;
            }
            if (uncovered == kCellsPerTick) {
                return;
            }
        }
    }
}
