#include "world/cell.h"

#include <cstdlib>

#include "world/world_context.h"

namespace {
constexpr uint32_t kBrickFrameMs = 100;
}  // namespace

Cell::Cell(WorldContext& ctx, int kind, Animation animation)
    : m_ctx(ctx), m_kind(kind), m_animation(animation) {}

void Cell::place(const Pos& p) {
    m_animation.m_pos.x = p.x;
    m_animation.m_pos.y = p.y;
    m_animation.m_pos.z = p.z;
}

void HiddenLadderCell::activate() {
    m_animation.set_visible(true);
    m_kind = kLadder;
}

BrickCell::BrickCell(WorldContext& ctx, Animation animation) : Cell(ctx, kBrick, animation) {}

void BrickCell::activate() {
    m_is_open = true;
    m_animation.m_blend = true;
    m_animation.m_reverse = false;
    const int32_t t = m_ctx.params.m_time_exploded;
    m_open_time_left = t > 0 ? static_cast<uint32_t>(t) : 0;
    m_stage = kDigging;
}

void BrickCell::tick() {
    m_open_time_left = m_open_time_left > kTickMs ? m_open_time_left - kTickMs : 0;
    switch (m_stage) {
        case kDigging:
            m_animation.advance(kTickMs);
            if (m_animation.m_frame + 1 >= m_animation.frames()) {
                m_stage = kOpen;
            }
            break;
        case kOpen:
            if (m_open_time_left == 0) {
                m_stage = kClosing;
                m_animation.m_reverse = true;
            }
            break;
        case kClosing:
            m_animation.advance(kTickMs);
            // Passable until the closing animation is three quarters of the way back.
            if (m_animation.frames() / 4 >= m_animation.m_frame) {
                m_is_open = false;
            }
            if (m_animation.m_frame == 0) {
                m_stage = kClosed;
                m_animation.m_blend = false;
            }
            break;
        default:
            break;
    }
}

void BrickCell::take_hole_from(const BrickCell& other) {
    m_is_open = other.m_is_open;
    m_open_time_left = other.m_open_time_left;
    m_stage = other.m_stage;
    m_animation.set_frame(other.m_animation.m_frame);
    m_animation.m_reverse = other.m_animation.m_reverse;
    m_animation.m_blend = other.m_animation.m_blend;
}

std::unique_ptr<Cell> make_cell(WorldContext& ctx, int kind, int c, int r) {
    const WorldSkin& skin = ctx.skin;
    std::unique_ptr<Cell> cell;
    switch (kind) {
        case kBrick: {
            auto brick = std::make_unique<BrickCell>(ctx, Animation(skin.brick));
            brick->animation().set_frame_time(kBrickFrameMs);
            cell = std::move(brick);
            break;
        }
        case kSolid:
            cell = std::make_unique<Cell>(ctx, kSolid, Animation(skin.solid));
            break;
        case kFalseBrick:
            cell = std::make_unique<PassableCell>(ctx, kFalseBrick, Animation(skin.brick));
            break;
        case kLadder:
            cell = std::make_unique<PassableCell>(ctx, kLadder, Animation(skin.ladder));
            cell->animation().m_blend = true;
            break;
        case kHiddenLadder:
            cell = std::make_unique<HiddenLadderCell>(ctx, kHiddenLadder, Animation(skin.ladder));
            cell->animation().m_blend = true;
            cell->animation().set_visible(false);
            break;
        case kGold: {
            cell = std::make_unique<PassableCell>(ctx, kGold, Animation(skin.gold));
            Animation& s = cell->animation();
            s.m_blend = true;
            s.m_flip = true;
            s.set_group(std::rand() % s.groups());
            break;
        }
        case kRope:
            cell = std::make_unique<PassableCell>(ctx, kRope, Animation(skin.rope));
            cell->animation().m_blend = true;
            cell->animation().m_flip = true;
            break;
        default:
            return nullptr;
    }
    const float size = ctx.params.m_sprite_size;
    cell->animation().set_size(size, size);
    cell->place(grid_cell_center(c, r));
    return cell;
}

Light::Light(WorldContext& ctx, int c, int r) : m_animation(ctx.skin.light) {
    m_animation.set_group(std::rand() % m_animation.groups());
    m_animation.m_blend = true;
    m_animation.set_frame(std::rand() % m_animation.frames());
    const float size = ctx.params.m_sprite_size;
    m_animation.set_size(size, size);
    m_animation.m_flip = true;
    m_animation.set_frame_time(static_cast<uint32_t>(std::rand() % 150 + 50));
    const Pos p = grid_cell_center(c, r);
    m_animation.m_pos.x = p.x;
    m_animation.m_pos.y = p.y;
    m_animation.m_pos.z = -5.0f;
}

void Light::tick() {
    m_animation.advance(kTickMs);
}
