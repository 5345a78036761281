#include "world/playfield.h"

#include <cstdio>
#include <cstdlib>

#include "world/rules.h"
#include "world/world_context.h"

namespace {
// A level file holds 22 lines of 32 cells, each line followed by one line-end byte.
constexpr int kFileStride = 33;
constexpr int kFileRows = 22;
constexpr float kDigReach2 = 35.0f * 35.0f;
constexpr float kPushBackReach2 = 20.0f * 20.0f;
}  // namespace

Playfield::Playfield(WorldContext& ctx)
    : m_ctx(ctx), m_outside(std::make_unique<Cell>(ctx, kSolid, Animation())) {}

Playfield::~Playfield() = default;

std::string Playfield::level_path(int kind, int level) {
    char path[64];
    std::snprintf(path, sizeof path, "dat/levels%i_full/%02i.txt", kind + 1, level);
    return path;
}

void Playfield::clear() {
    m_ticking_stale = true;
    for (auto& cell : m_cells) {
        cell.reset();
    }
    for (auto& light : m_lights) {
        light.reset();
    }
}

bool Playfield::load_level(int level) {
    std::vector<uint8_t> data;
    bool read = false;
    if (m_ctx.read_file) {
        read = m_ctx.read_file(level_path(m_ctx.params.m_game_kind, level), data);
    }
    if (!read) {
        data.clear();
    }
    load_level_data(data.data(), data.size());
    return read;
}

void Playfield::load_level_data(const uint8_t* data, size_t size) {
    clear();
    m_guard_starts.clear();
    m_runner_start = Pos{};
    for (int r = 0; r < kGridHeight; ++r) {
        for (int c = 0; c < kGridWidth; ++c) {
            int kind = 0;
            if (c == 0 || c == kGridWidth - 1 || r == kGridHeight - 1) {
                kind = kSolid;
            } else {
                const size_t offset = static_cast<size_t>(kFileStride * r + (c - 1));
                const uint8_t ch = (data != nullptr && offset < size) ? data[offset] : 0;
                switch (ch) {
                    case 'T':
                        kind = kBrick;
                        break;
                    case 'U':
                        kind = kFalseBrick;
                        break;
                    case 'M':
                        kind = kSolid;
                        break;
                    case 'H':
                        kind = kLadder;
                        break;
                    case '#':
                        kind = kHiddenLadder;
                        break;
                    case '-':
                        kind = kRope;
                        break;
                    case '*':
                        kind = kGold;
                        break;
                    case '!':
                        m_runner_start = grid_cell_center(c, r);
                        break;
                    case '$':
                        m_guard_starts.push_back(grid_cell_center(c, r));
                        break;
                    default:
                        break;
                }
            }
            if (kind != 0) {
                m_cells[index(c, r)] = make_cell(m_ctx, kind, c, r);
            }
        }
    }
    static_assert(kFileRows == kGridHeight - 1, "the file holds every row but the border");
    m_gold_left = 0;
    for (const auto& cell : m_cells) {
        if (cell && cell->kind() == kGold) {
            ++m_gold_left;
        }
    }
    place_lights();
}

void Playfield::place_lights() {
    const int spacing = m_ctx.params.light_spacing();
    int countdown = std::rand() % spacing;
    for (int r = 0; r < kGridHeight - 1; ++r) {
        for (int c = 0; c < kGridWidth; ++c) {
            // The countdown counts the cells since the last light, so a spacing of 1 lights
            // every qualifying cell and a spacing of n puts lights at least n cells apart.
            if (countdown > 0) {
                --countdown;
            }
            if (countdown > 0) {
                continue;
            }
            const int below = kind_at(c, r + 1);
            if (!m_cells[index(c, r)] && (below == kBrick || below == kSolid)) {
                m_lights[index(c, r)] = std::make_unique<Light>(m_ctx, c, r);
                countdown = spacing;
            }
        }
    }
}

Cell* Playfield::cell_at(int c, int r) const {
    if (!grid_in_range(c, r)) {
        return m_outside.get();
    }
    return m_cells[index(c, r)].get();
}

int Playfield::kind_at(int c, int r) const {
    const Cell* cell = cell_at(c, r);
    return cell != nullptr ? cell->kind() : 0;
}

bool Playfield::is_blocking(int c, int r) const {
    const Cell* cell = cell_at(c, r);
    if (cell == nullptr) {
        return false;
    }
    return cell->kind() == kSolid || (cell->kind() == kBrick && !cell->is_passable());
}

bool Playfield::is_near_center(const Pos& p, float radius) const {
    const CellCoord cc = cell_of(p);
    return dist2(p, cell_center(cc.c, cc.r)) < radius * radius;
}

const Light* Playfield::light_at(int c, int r) const {
    return grid_in_range(c, r) ? m_lights[index(c, r)].get() : nullptr;
}

void Playfield::gather_ticking() {
    m_ticking_cells.clear();
    for (int r = 0; r < kGridHeight; ++r) {
        for (int c = 0; c < kGridWidth; ++c) {
            if (Cell* cell = m_cells[index(c, r)].get()) {
                m_ticking_cells.push_back(cell);
            }
        }
    }
    m_ticking_lights.clear();
    for (auto& light : m_lights) {
        if (light) {
            m_ticking_lights.push_back(light.get());
        }
    }
    m_ticking_stale = false;
}

void Playfield::tick_cells() {
    if (m_ticking_stale) {
        gather_ticking();
    }
    for (Cell* cell : m_ticking_cells) {
        cell->tick();
    }
    for (Light* light : m_ticking_lights) {
        light->tick();
    }
}

void Playfield::rebuild_skin() {
    m_ticking_stale = true;
    for (int r = 0; r < kGridHeight; ++r) {
        for (int c = 0; c < kGridWidth; ++c) {
            std::unique_ptr<Cell>& slot = m_cells[index(c, r)];
            if (!slot) {
                continue;
            }
            std::unique_ptr<Cell> fresh = make_cell(m_ctx, slot->kind(), c, r);
            if (slot->kind() == kBrick) {
                static_cast<BrickCell&>(*fresh).take_hole_from(static_cast<BrickCell&>(*slot));
            }
            fresh->animation().set_visible(slot->animation().m_visible);
            slot = std::move(fresh);
        }
    }
    for (int r = 0; r < kGridHeight; ++r) {
        for (int c = 0; c < kGridWidth; ++c) {
            std::unique_ptr<Light>& light = m_lights[index(c, r)];
            if (light) {
                light = std::make_unique<Light>(m_ctx, c, r);
            }
        }
    }
}

int Playfield::take_gold(int c, int r) {
    if (!grid_in_range(c, r) || kind_at(c, r) != kGold) {
        return 0;
    }
    m_cells[index(c, r)].reset();
    m_ticking_stale = true;
    --m_gold_left;
    if (m_gold_left == 0) {
        last_gold_taken();
    }
    return kGoldPoints;
}

void Playfield::last_gold_taken() {
    m_ctx.play(kSoundLastGold, false);
    for (int r = 0; r < kGridHeight; ++r) {
        for (int c = 0; c < kGridWidth; ++c) {
            Cell* cell = m_cells[index(c, r)].get();
            if (cell != nullptr && cell->kind() == kHiddenLadder) {
                cell->activate();
            }
        }
    }
    for (int r = 0; r < kGridHeight; ++r) {
        bool found = false;
        for (int c = 0; c < kGridWidth && !found; ++c) {
            const int k = kind_at(c, r);
            found = k == kLadder || k == kBrick || k == kSolid;
        }
        if (found) {
            m_exit_row = r == 0 ? 0 : r - 1;
            break;
        }
    }
}

void Playfield::check_exit(int row) {
    if (m_exit_row != -1 && m_exit_row == row) {
        m_complete = true;
        m_ctx.play(kSoundExit, false);
    }
}

bool Playfield::dig(const Pos& p, int facing) {
    const CellCoord cc = cell_of(p);
    int d = facing < 0 ? -1 : 1;
    // Too far behind the own cell's centre to reach the next column: dig in the own column.
    if (dist2(p, cell_center(cc.c + d, cc.r)) > kDigReach2) {
        d = 0;
    }
    const int sc = cc.c + d;
    const Cell* side = cell_at(sc, cc.r);
    if (side != nullptr) {
        const bool open_kind = side->kind() == kBrick || side->kind() == kHiddenLadder;
        if (!open_kind || !side->is_passable()) {
            return false;
        }
    }
    Cell* target = cell_at(sc, cc.r + 1);
    if (target == nullptr || target->kind() != kBrick || target->is_passable() ||
        !grid_in_range(sc, cc.r + 1)) {
        return false;
    }
    target->activate();
    m_ctx.play(kSoundDig, true);
    return dist2(p, cell_center(sc, cc.r)) < kPushBackReach2;
}

std::unique_ptr<Cell> Playfield::remove_cell(int c, int r) {
    if (!grid_in_range(c, r)) {
        return nullptr;
    }
    m_ticking_stale = true;
    return std::move(m_cells[index(c, r)]);
}

void Playfield::put_cell(int c, int r, std::unique_ptr<Cell> cell) {
    if (!grid_in_range(c, r) || !cell) {
        return;
    }
    cell->place(cell_center(c, r));
    m_cells[index(c, r)] = std::move(cell);
    m_ticking_stale = true;
}
