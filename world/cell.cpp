#include "world/cell.h"

#include <cstdlib>

#include "world/world_context.h"

namespace {
// Grids of the built-in sprites used when a skin has no prototype.
constexpr int kDefaultBrickFrames = 8;
constexpr int kDefaultGoldGroups = 4;
constexpr int kDefaultLightFrames = 8;
constexpr uint32_t kBrickFrameMs = 100;
}  // namespace

Sprite make_world_sprite(const Sprite* prototype, int groups, int frames) {
    if (prototype != nullptr) {
        return Sprite(*prototype);
    }
    Sprite s;
    s.m_groups = groups;
    s.m_frames = frames;
    return s;
}

int sprite_groups(const Sprite& s) {
    return s.m_groups < 1 ? 1 : s.m_groups;
}
int sprite_frames(const Sprite& s) {
    return s.m_frames < 1 ? 1 : s.m_frames;
}

Cell::Cell(WorldContext& ctx, int kind, Sprite sprite)
    : m_ctx(ctx), m_kind(kind), m_sprite(std::move(sprite)) {}

void Cell::draw() {
    m_sprite.draw(true);
}

void Cell::place(const Pos& p) {
    m_sprite.m_pos.x = p.x;
    m_sprite.m_pos.y = p.y;
    m_sprite.m_pos.z = p.z;
}

void HiddenLadderCell::activate() {
    m_sprite.set_visible(true);
    m_kind = kLadder;
}

BrickCell::BrickCell(WorldContext& ctx, Sprite sprite) : Cell(ctx, kBrick, std::move(sprite)) {}

void BrickCell::activate() {
    m_is_open = true;
    m_sprite.m_blend = true;
    m_sprite.m_reverse = false;
    const int32_t t = m_ctx.params.m_time_exploded;
    m_open_time_left = t > 0 ? static_cast<uint32_t>(t) : 0;
    m_stage = kDigging;
}

void BrickCell::tick() {
    m_open_time_left = m_open_time_left > kTickMs ? m_open_time_left - kTickMs : 0;
    switch (m_stage) {
        case kDigging:
            m_sprite.advance(kTickMs);
            if (m_sprite.m_frame + 1 >= sprite_frames(m_sprite)) {
                m_stage = kOpen;
            }
            break;
        case kOpen:
            if (m_open_time_left == 0) {
                m_stage = kClosing;
                m_sprite.m_reverse = true;
            }
            break;
        case kClosing:
            m_sprite.advance(kTickMs);
            // Passable until the closing animation is three quarters of the way back.
            if (sprite_frames(m_sprite) / 4 >= m_sprite.m_frame) {
                m_is_open = false;
            }
            if (m_sprite.m_frame == 0) {
                m_stage = kClosed;
                m_sprite.m_blend = false;
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
    m_sprite.set_frame(other.m_sprite.m_frame);
    m_sprite.m_reverse = other.m_sprite.m_reverse;
    m_sprite.m_blend = other.m_sprite.m_blend;
}

std::unique_ptr<Cell> make_cell(WorldContext& ctx, int kind, int c, int r) {
    const WorldSkin& skin = ctx.skin;
    std::unique_ptr<Cell> cell;
    switch (kind) {
        case kBrick: {
            auto brick = std::make_unique<BrickCell>(
                ctx, make_world_sprite(skin.brick, 1, kDefaultBrickFrames));
            brick->sprite().set_frame_time(kBrickFrameMs);
            cell = std::move(brick);
            break;
        }
        case kSolid:
            cell = std::make_unique<Cell>(ctx, kSolid, make_world_sprite(skin.solid, 1, 1));
            break;
        case kFalseBrick:
            cell = std::make_unique<PassableCell>(
                ctx, kFalseBrick, make_world_sprite(skin.brick, 1, kDefaultBrickFrames));
            break;
        case kLadder:
            cell =
                std::make_unique<PassableCell>(ctx, kLadder, make_world_sprite(skin.ladder, 1, 1));
            cell->sprite().m_blend = true;
            break;
        case kHiddenLadder:
            cell = std::make_unique<HiddenLadderCell>(ctx, kHiddenLadder,
                                                      make_world_sprite(skin.ladder, 1, 1));
            cell->sprite().m_blend = true;
            cell->sprite().set_visible(false);
            break;
        case kGold: {
            cell = std::make_unique<PassableCell>(
                ctx, kGold, make_world_sprite(skin.gold, kDefaultGoldGroups, 1));
            Sprite& s = cell->sprite();
            s.m_blend = true;
            s.m_flip = true;
            s.set_group(std::rand() % sprite_groups(s));
            break;
        }
        case kRope:
            cell = std::make_unique<PassableCell>(ctx, kRope, make_world_sprite(skin.rope, 1, 1));
            cell->sprite().m_blend = true;
            cell->sprite().m_flip = true;
            break;
        default:
            return nullptr;
    }
    const float size = ctx.params.m_sprite_size;
    cell->sprite().set_size(size, size);
    cell->place(grid_cell_center(c, r));
    return cell;
}

Light::Light(WorldContext& ctx, int c, int r)
    : m_sprite(make_world_sprite(ctx.skin.light, 1, kDefaultLightFrames)) {
    m_sprite.set_group(std::rand() % sprite_groups(m_sprite));
    m_sprite.m_blend = true;
    m_sprite.set_frame(std::rand() % sprite_frames(m_sprite));
    const float size = ctx.params.m_sprite_size;
    m_sprite.set_size(size, size);
    m_sprite.m_flip = true;
    m_sprite.set_frame_time(static_cast<uint32_t>(std::rand() % 150 + 50));
    const Pos p = grid_cell_center(c, r);
    m_sprite.m_pos.x = p.x;
    m_sprite.m_pos.y = p.y;
    m_sprite.m_pos.z = -5.0f;
}

void Light::tick() {
    m_sprite.advance(kTickMs);
}

void Light::draw() {
    m_sprite.draw(true);
}
