#include "game/playfield_renderer.h"

#include <cmath>

#include "gfx/draw.h"
#include "gfx/gl.h"
#include "gfx/quad_batch.h"
#include "gfx/resource_set.h"
#include "world/cell.h"
#include "world/guard.h"
#include "world/playfield.h"

namespace {

// The lights are decoration: a little translucent, so they never compete with gold or guards.
constexpr float kLightAlpha = 0.8f;

// The colour a sprite's texels are multiplied with.
struct Tint {
    float r, g, b, a;
};
constexpr Tint kWhite{1.0f, 1.0f, 1.0f, 1.0f};

// Adds `look` at `pos` in `tint` to `batch` with the sheet of `sheet`, a copy of a skin's
// prototype that shares its texture.
void add_look(QuadBatch& batch, Sprite& sheet, const Animation& look, const Pos& pos,
              const Tint& tint) {
    sheet.m_pos = Vec3{pos.x, pos.y, pos.z};
    sheet.m_frame = look.m_frame;
    sheet.m_group = look.m_group;
    sheet.m_frame_width = look.m_width;
    sheet.m_frame_height = look.m_height;
    sheet.m_visible = look.m_visible;
    sheet.m_blend = look.m_blend;
    sheet.m_flip = look.m_flip;
    sheet.add_to(batch, tint.r, tint.g, tint.b, tint.a);
}

// True when every cell's quad lies inside its own square of the grid, so that no two overlap
// and the cells may be drawn sheet by sheet. A rules file may make sprites larger than a cell;
// then they overlap and keep the order of the grid.
bool cells_keep_to_their_squares(const Playfield& field) {
    constexpr float kHalf = kCellSize / 2.0f;
    for (int r = 0; r < kGridHeight - 1; ++r) {
        for (int c = 1; c < kGridWidth - 1; ++c) {
            const Cell* cell = field.cell_at(c, r);
            if (cell == nullptr) {
                continue;
            }
            const Animation& look = cell->animation();
            const Pos centre = grid_cell_center(c, r);
            if (std::fabs(look.m_pos.x - centre.x) + look.m_width / 2.0f > kHalf ||
                std::fabs(look.m_pos.y - centre.y) + look.m_height / 2.0f > kHalf) {
                return false;
            }
        }
    }
    return true;
}

// One copy per picture of the skin, reused for every object drawn with it.
struct SkinSheets {
    explicit SkinSheets(const SkinSprites& skin)
        : brick(skin.m_brick),
          solid(skin.m_solid),
          ladder(skin.m_ladder),
          rope(skin.m_rope),
          gold(skin.m_gold),
          light(skin.m_light) {}

    Sprite* for_kind(int kind) {
        switch (kind) {
            case kBrick:
            case kFalseBrick:
                return &brick;
            case kSolid:
                return &solid;
            case kLadder:
            case kHiddenLadder:
                return &ladder;
            case kRope:
                return &rope;
            case kGold:
                return &gold;
            default:
                return nullptr;
        }
    }

    Sprite brick;
    Sprite solid;
    Sprite ladder;
    Sprite rope;
    Sprite gold;
    Sprite light;
};

}  // namespace

void draw_playfield(const Playfield& field, const ResourceSet& resources) {
    SkinSheets sheets(resources.current_skin_sprites());
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_DEPTH_TEST);
    draw_fullscreen_image(resources.current_background());
    // The lights are on one sheet, drawn before the cells: a light and a ladder, rope or gold
    // may share a square.
    QuadBatch lights;
    const Tint light_tint{1.0f, 1.0f, 1.0f, kLightAlpha};
    for (int r = 0; r < kGridHeight - 1; ++r) {
        for (int c = 1; c < kGridWidth - 1; ++c) {
            const Light* light = field.light_at(c, r);
            // A light stands on the floor below it; while the level is being uncovered it
            // shows only once that floor does.
            const Cell* floor = field.cell_at(c, r + 1);
            if (light != nullptr && floor != nullptr && floor->animation().m_visible) {
                add_look(lights, sheets.light, light->animation(), light->animation().m_pos,
                         light_tint);
            }
        }
    }
    lights.flush();
    QuadBatch cells(cells_keep_to_their_squares(field));
    for (int r = 0; r < kGridHeight - 1; ++r) {
        for (int c = 1; c < kGridWidth - 1; ++c) {
            const Cell* cell = field.cell_at(c, r);
            Sprite* sheet = cell != nullptr ? sheets.for_kind(cell->kind()) : nullptr;
            if (sheet != nullptr) {
                add_look(cells, *sheet, cell->animation(), cell->animation().m_pos, kWhite);
            }
        }
    }
}

void draw_actors(const Runner& runner, const GuardList& guards, const ResourceSet& resources) {
    Sprite sheet(resources.m_player);
    QuadBatch batch;
    const Tint magenta{1.0f, 0.0f, 1.0f, 1.0f};
    for (const auto& guard : guards) {
        add_look(batch, sheet, guard->animation(), guard->pos(), magenta);
    }
    add_look(batch, sheet, runner.animation(), runner.pos(), kWhite);
}
