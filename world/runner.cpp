#include "world/runner.h"

#include <cmath>

#include "core/keyboard_state.h"
#include "world/cell.h"
#include "world/guard.h"
#include "world/playfield.h"
#include "world/rules.h"
#include "world/world_context.h"

namespace {
constexpr float kRunnerZ = 2.0f;
constexpr float kStartShiftX = 3.0f;
constexpr uint32_t kRunnerFrameMs = 20;
// A push-back never needs more steps than this to cross one cell.
constexpr int kMaxPushBackSteps = 16;
}  // namespace

Runner::Runner(WorldContext& ctx, Playfield& field, const GuardList& guards)
    : m_ctx(ctx), m_field(field), m_guards(guards), m_animation(ctx.skin.player) {
    const float size = ctx.params.m_sprite_size + 5.0f;
    m_animation.set_size(size, size);
    m_animation.m_blend = true;
    m_animation.m_flip = true;
    m_animation.set_frame_time(kRunnerFrameMs);
    m_pos = field.runner_start();
    m_pos.x += kStartShiftX;
    m_pos.z = kRunnerZ;
}

int Runner::take_score() {
    const int s = m_score;
    m_score = 0;
    return s;
}

bool Runner::key_down(int code) const {
    if (code < 0 || code > 255) {
        return false;
    }
    return m_ctx.keyboard.is_down(code);
}

bool Runner::is_near() const {
    return m_field.is_near_center(m_pos, m_near_radius);
}

int Runner::kind_at(int c, int r) const {
    return m_field.kind_at(c, r);
}

bool Runner::is_blocking(int c, int r) const {
    return m_field.is_blocking(c, r);
}

bool Runner::is_passable_at(int c, int r) const {
    const Cell* cell = m_field.cell_at(c, r);
    return cell != nullptr && cell->is_passable();
}

bool Runner::is_drop_cell(int c, int r) const {
    const int k = kind_at(c, r);
    return is_open_kind(k) || k == kRope || (k == kBrick && is_passable_at(c, r));
}

bool Runner::is_cell_free(int c, int r, const Runner* self) const {
    for (const auto& guard : m_guards) {
        if (guard.get() != self && guard->target_cell().same_cell(c, r)) {
            return false;
        }
    }
    return true;
}

void Runner::die() {
    // Several guards may reach the runner in one tick; it is caught once.
    if (!m_caught) {
        m_caught = true;
        m_ctx.play(kSoundCaught, false);
    }
    m_dead = true;
}

void Runner::update(int elapsed_ms) {
    const uint32_t elapsed = elapsed_ms > 0 ? static_cast<uint32_t>(elapsed_ms) : 0;
    const GameParams& params = m_ctx.params;
    if (m_state == kFalling) {
        fall();
        animate(elapsed);
    } else if (key_down(params.m_down_key)) {
        move_down();
        m_moved = true;
    } else if (key_down(params.m_left_key)) {
        move_across(-1);
        m_moved = true;
    } else if (key_down(params.m_right_key)) {
        move_across(1);
        m_moved = true;
    } else if (key_down(params.m_up_key)) {
        move_up();
        m_moved = true;
    }

    const CellCoord cc = cell();
    const int points = m_field.take_gold(cc.c, cc.r);
    if (points != 0) {
        m_ctx.play(kSoundGold, true, true);
        m_score += points;
    }
    m_field.check_exit(cc.r);

    // A hole that closed on the runner.
    if (grid_in_range(cc.c, cc.r)) {
        const Cell* here = m_field.cell_at(cc.c, cc.r);
        if (here != nullptr && !here->is_passable()) {
            m_dead = true;
            m_animation.set_visible(false);
        }
    }

    m_dig_cooldown = m_dig_cooldown > elapsed ? m_dig_cooldown - elapsed : 0;
    if (key_down(params.m_fire_key) && m_dig_cooldown == 0) {
        m_dig_cooldown = kDigCooldownMs;
        if (m_field.dig(m_pos, m_facing)) {
            push_back();
        }
    }
    if (key_down(params.m_die_key)) {
        m_dead = true;
    }
}

void Runner::push_back() {
    const float dir = m_facing < 0 ? -1.0f : 1.0f;
    for (int step = 0; step < kMaxPushBackSteps; ++step) {
        m_pos.x -= dir * m_speed;
        if (is_near()) {
            break;
        }
        // Off the centre line (digging in mid-fall) no horizontal step reaches the centre:
        // stop where the runner is as close to it as the steps allow.
        const CellCoord cc = cell();
        if (std::fabs(m_pos.x - m_field.cell_center(cc.c, cc.r).x) <= m_speed / 2.0f) {
            break;
        }
    }
    const CellCoord cc = cell();
    check_fall(cc.c, cc.r);
}

bool Runner::check_fall(int c, int r) {
    const int k = kind_at(c, r);
    if ((is_open_kind(k) || k == kBrick) && is_cell_free(c, r + 1, this) &&
        is_drop_cell(c, r + 1)) {
        select_group(kGroupFall);
        m_state = kFalling;
        return true;
    }
    return false;
}

void Runner::fall() {
    const CellCoord cc = cell();
    const Pos center = m_field.cell_center(cc.c, cc.r);
    const int k = kind_at(cc.c, cc.r);
    if (is_open_kind(k) || k == kBrick) {
        const int below = kind_at(cc.c, cc.r + 1);
        const bool drop = is_open_kind(below) || below == kRope ||
                          (below == kBrick && is_passable_at(cc.c, cc.r + 1) &&
                           is_cell_free(cc.c, cc.r + 1, this));
        m_state = drop ? kFalling : kStanding;
    }
    // A rope catches the actor at its centre line.
    if (k == kRope && m_pos.y <= center.y) {
        m_state = kStanding;
    }
    if (m_state == kFalling) {
        m_pos.y += m_speed;
    } else if (m_state == kStanding) {
        if (center.y - m_pos.y >= m_speed) {
            m_pos.y += m_speed;
            m_state = kFalling;
        } else {
            m_pos.y = center.y;
        }
    }
}

void Runner::move_across(int dir) {
    const int d = dir < 0 ? -1 : 1;
    const float step = static_cast<float>(d) * m_speed;
    const int run = d > 0 ? kRunRight : kRunLeft;
    const int run_back = d > 0 ? kRunLeft : kRunRight;
    const int hang = d > 0 ? kRopeRight : kRopeLeft;
    const int hang_back = d > 0 ? kRopeLeft : kRopeRight;
    const int run_group = d > 0 ? kGroupRight : kGroupLeft;
    const int hang_group = d > 0 ? kGroupRopeRight : kGroupRopeLeft;
    const CellCoord cc = cell();
    const Pos center = m_field.cell_center(cc.c, cc.r);
    if (!is_near()) {
        if (m_state == run_back || m_state == kStanding) {
            m_state = run;
            select_group(run_group);
        }
        if (m_state == hang_back) {
            m_state = hang;
            select_group(hang_group);
        }
    } else {
        if (check_fall(cc.c, cc.r)) {
            m_pos.x = center.x;
            return;
        }
        if (is_blocking(cc.c + d, cc.r)) {
            m_state = kStanding;
            select_group(kGroupStand);
        } else if (kind_at(cc.c, cc.r) == kRope) {
            m_state = hang;
            select_group(hang_group);
        } else {
            m_state = run;
            select_group(run_group);
        }
    }
    if (m_state == run || m_state == hang) {
        m_pos.x += step;
        m_pos.y = center.y;
        animate(kTickMs);
        m_facing = d;
    } else if (m_state == kStanding) {
        // Short of the centre by a whole step or more: keep running to it.
        if (static_cast<float>(d) * (center.x - m_pos.x) >= m_speed) {
            m_pos.x += step;
            m_state = run;
        } else {
            m_pos.x = center.x;
        }
    }
}

void Runner::move_up() {
    const CellCoord cc = cell();
    const Pos center = m_field.cell_center(cc.c, cc.r);
    if (!is_near()) {
        if (m_state == kClimbDown) {
            m_state = kClimbUp;
        }
    } else {
        if (check_fall(cc.c, cc.r)) {
            return;
        }
        if (kind_at(cc.c, cc.r) == kLadder && !is_blocking(cc.c, cc.r - 1)) {
            m_state = kClimbUp;
            select_group(kGroupUp);
        } else {
            m_state = kStanding;
        }
    }
    if (m_state == kClimbUp) {
        m_pos.y -= m_speed / 2.0f;
        m_pos.x = center.x;
        animate(kTickMs);
    } else if (m_state == kStanding) {
        m_pos.y = center.y;
    }
}

void Runner::move_down() {
    const CellCoord cc = cell();
    const Pos center = m_field.cell_center(cc.c, cc.r);
    const int here = kind_at(cc.c, cc.r);
    const int below = kind_at(cc.c, cc.r + 1);
    if (!is_near()) {
        if (m_state == kClimbUp) {
            m_state = kClimbDown;
            select_group(kGroupDown);
        }
        if (here == kRope) {
            // Drop off the rope between centres.
            if (is_blocking(cc.c, cc.r + 1)) {
                m_state = kStanding;
            } else if (below == kLadder) {
                m_state = kClimbDown;
                select_group(kGroupDown);
            } else {
                m_state = kFalling;
            }
        }
    } else if (!check_fall(cc.c, cc.r)) {
        if (here == kLadder) {
            if (!is_blocking(cc.c, cc.r + 1)) {
                m_state = kClimbDown;
                select_group(kGroupDown);
            } else {
                m_state = kStanding;
            }
        } else if (here == kRope) {
            if (is_blocking(cc.c, cc.r + 1)) {
                m_state = kStanding;
            } else if (below == kLadder) {
                m_state = kClimbDown;
                select_group(kGroupDown);
            } else {
                select_group(kGroupFall);
                m_state = kFalling;
            }
        } else if (below == kLadder) {
            m_state = kClimbDown;
            select_group(kGroupDown);
        } else {
            m_state = kStanding;
        }
    }
    if (m_state == kClimbDown || m_state == kFalling) {
        m_pos.y += m_speed / 2.0f;
        animate(kTickMs);
        m_pos.x = center.x;
    } else if (m_state == kStanding) {
        m_pos.y = center.y;
    }
}
