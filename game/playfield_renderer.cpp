#include "game/playfield_renderer.h"

#include <algorithm>
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

// True when the quad of `look` lies inside the square of column c, row r.
bool inside_square(const Animation& look, int c, int r) {
    constexpr float kHalf = kCellSize / 2.0f;
    const Pos centre = grid_cell_center(c, r);
    return std::fabs(look.m_pos.x - centre.x) + look.m_width / 2.0f <= kHalf &&
           std::fabs(look.m_pos.y - centre.y) + look.m_height / 2.0f <= kHalf;
}

// True when every cell's quad lies inside its own square of the grid, so that no two overlap
// and the cells may be drawn sheet by sheet. A rules file may make sprites larger than a cell;
// then they overlap and keep the order of the grid.
bool cells_keep_to_their_squares(const Playfield& field) {
    for (int r = 0; r < kGridHeight - 1; ++r) {
        for (int c = 1; c < kGridWidth - 1; ++c) {
            const Cell* cell = field.cell_at(c, r);
            if (cell != nullptr && !inside_square(cell->animation(), c, r)) {
                return false;
            }
        }
    }
    return true;
}

// The same for the lights; the screen copy needs both.
bool lights_keep_to_their_squares(const Playfield& field) {
    for (int r = 0; r < kGridHeight - 1; ++r) {
        for (int c = 1; c < kGridWidth - 1; ++c) {
            const Light* light = field.light_at(c, r);
            if (light != nullptr && !inside_square(light->animation(), c, r)) {
                return false;
            }
        }
    }
    return true;
}

// The picture that draws a cell of this kind, from the skin itself or from its copies below
// (both name their pictures alike); none for an empty kind.
template <typename Skin>
auto sheet_for_kind(Skin& skin, int kind) -> decltype(&skin.m_brick) {
    switch (kind) {
        case kBrick:
        case kFalseBrick:
            return &skin.m_brick;
        case kSolid:
            return &skin.m_solid;
        case kLadder:
        case kHiddenLadder:
            return &skin.m_ladder;
        case kRope:
            return &skin.m_rope;
        case kGold:
            return &skin.m_gold;
        default:
            return nullptr;
    }
}

// One copy per picture of the skin, reused for every object drawn with it.
struct SkinSheets {
    explicit SkinSheets(const SkinSprites& skin)
        : m_brick(skin.m_brick),
          m_solid(skin.m_solid),
          m_ladder(skin.m_ladder),
          m_rope(skin.m_rope),
          m_gold(skin.m_gold),
          m_light(skin.m_light) {}

    Sprite* for_kind(int kind) { return sheet_for_kind(*this, kind); }

    Sprite m_brick;
    Sprite m_solid;
    Sprite m_ladder;
    Sprite m_rope;
    Sprite m_gold;
    Sprite m_light;
};

int square_index(int c, int r) {
    return r * kGridWidth + c;
}

constexpr int kSquares = kGridWidth * kGridHeight;

// A square that changed within this many frames (0.9 s) is drawn every frame, not held in the
// copy: a hole being dug changes at every tick, and would otherwise remake the copy each time.
constexpr uint32_t kRecentFrames = 30;

// What each drawing path draws over the background.
enum class Squares { kAll, kHeld, kNotHeld };

void add_lights(QuadBatch& batch, const Playfield& field, SkinSheets& sheets) {
    const Tint light_tint{1.0f, 1.0f, 1.0f, kLightAlpha};
    for (int r = 0; r < kGridHeight - 1; ++r) {
        for (int c = 1; c < kGridWidth - 1; ++c) {
            const Light* light = field.light_at(c, r);
            // A light stands on the floor below it; while the level is being uncovered it
            // shows only once that floor does.
            const Cell* floor = field.cell_at(c, r + 1);
            if (light != nullptr && floor != nullptr && floor->animation().m_visible) {
                add_look(batch, sheets.m_light, light->animation(), light->animation().m_pos,
                         light_tint);
            }
        }
    }
}

void add_cells(QuadBatch& batch, const Playfield& field, SkinSheets& sheets,
               const std::vector<char>& held, Squares which) {
    for (int r = 0; r < kGridHeight - 1; ++r) {
        for (int c = 1; c < kGridWidth - 1; ++c) {
            if (which != Squares::kAll &&
                (held[square_index(c, r)] != 0) != (which == Squares::kHeld)) {
                continue;
            }
            const Cell* cell = field.cell_at(c, r);
            Sprite* sheet = cell != nullptr ? sheets.for_kind(cell->kind()) : nullptr;
            if (sheet != nullptr) {
                add_look(batch, *sheet, cell->animation(), cell->animation().m_pos, kWhite);
            }
        }
    }
}

}  // namespace

bool PlayfieldRenderer::Look::operator==(const Look& o) const {
    return sheet == o.sheet && frame == o.frame && group == o.group && x == o.x && y == o.y &&
           z == o.z && width == o.width && height == o.height && visible == o.visible &&
           blend == o.blend && flip == o.flip;
}

bool PlayfieldRenderer::Key::operator==(const Key& o) const {
    return std::equal(viewport, viewport + 4, o.viewport) &&
           std::equal(modelview, modelview + 16, o.modelview) && background == o.background &&
           background_name == o.background_name && std::equal(sheets, sheets + 6, o.sheets) &&
           std::equal(sheet_names, sheet_names + 6, o.sheet_names);
}

PlayfieldRenderer::Key PlayfieldRenderer::current_key(const ResourceSet& resources) const {
    Key key;
    glGetIntegerv(GL_VIEWPORT, key.viewport);
    glGetFloatv(GL_MODELVIEW_MATRIX, key.modelview);
    const Texture& background = resources.current_background();
    key.background = &background;
    key.background_name = background.gl_name();
    const SkinSprites& skin = resources.current_skin_sprites();
    const Sprite* sprites[6] = {&skin.m_brick, &skin.m_solid, &skin.m_ladder,
                                &skin.m_rope,  &skin.m_gold,  &skin.m_light};
    for (int i = 0; i < 6; ++i) {
        key.sheets[i] = sprites[i]->texture();
        key.sheet_names[i] = key.sheets[i] ? key.sheets[i]->gl_name() : 0;
    }
    return key;
}

// Notes which squares changed since the last frame, and whether anything changed that a copy
// could have held (an upset).
bool PlayfieldRenderer::note_changes(const Playfield& field, const ResourceSet& resources) {
    bool upset = false;
    const Key key = current_key(resources);
    if (!(key == m_key)) {
        upset = true;
        m_key = key;
    }
    const bool first = m_looks.empty();
    if (first) {
        m_looks.assign(kSquares, Look{});
        m_moved.assign(kSquares, 0);
        m_held.assign(kSquares, 0);
    }
    const SkinSprites& skin = resources.current_skin_sprites();
    for (int r = 0; r < kGridHeight - 1; ++r) {
        for (int c = 1; c < kGridWidth - 1; ++c) {
            Look look;
            if (const Cell* cell = field.cell_at(c, r)) {
                const Sprite* sprite = sheet_for_kind(skin, cell->kind());
                if (sprite != nullptr) {
                    const Animation& a = cell->animation();
                    look.sheet = sprite->texture();
                    look.frame = a.m_frame;
                    look.group = a.m_group;
                    look.x = a.m_pos.x;
                    look.y = a.m_pos.y;
                    look.z = a.m_pos.z;
                    look.width = a.m_width;
                    look.height = a.m_height;
                    look.visible = a.m_visible;
                    look.blend = a.m_blend;
                    look.flip = a.m_flip;
                }
            }
            const int i = square_index(c, r);
            if (look != m_looks[i]) {
                m_looks[i] = look;
                // A square that was still starts to change: a copy may hold it.
                upset = upset || m_frame - m_moved[i] > kRecentFrames;
                m_moved[i] = first ? 0 : m_frame;
            }
        }
    }
    // Lights always change: never held.
    for (int r = 0; r < kGridHeight - 1; ++r) {
        for (int c = 1; c < kGridWidth - 1; ++c) {
            if (field.light_at(c, r) != nullptr) {
                m_moved[square_index(c, r)] = m_frame;
            }
        }
    }
    return upset;
}

void PlayfieldRenderer::draw(const Playfield& field, const ResourceSet& resources) {
    SkinSheets sheets(resources.current_skin_sprites());
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_DEPTH_TEST);
    // Frames count from kRecentFrames + 1, so nothing seen at the first frame counts as recent.
    m_frame = m_frame == 0 ? kRecentFrames + 1 : m_frame + 1;
    const bool upset_before = m_last_upset + 1 == m_frame;
    if (note_changes(field, resources)) {
        m_last_upset = m_frame;
        m_cache.invalidate();
    }
    m_from_cache = false;
    m_captured = false;
    const bool apart = cells_keep_to_their_squares(field) && lights_keep_to_their_squares(field);
    // A square that has been still long enough joins the copy, at most once in kRecentFrames.
    if (m_cache.valid() && m_frame - m_last_capture > kRecentFrames) {
        for (int i = 0; i < kSquares; ++i) {
            if (m_held[i] == 0 && m_frame - m_moved[i] > kRecentFrames &&
                m_looks[i].sheet != nullptr) {
                m_cache.invalidate();
                break;
            }
        }
    }
    Squares on_top = Squares::kAll;
    if (!apart || !ScreenCache::supported()) {
        m_cache.invalidate();
        draw_fullscreen_image(resources.current_background());
    } else if (!m_enabled) {
        // The copy, if any, stays: the changes are still noted, and drop it when due.
        draw_fullscreen_image(resources.current_background());
    } else if (m_cache.valid()) {
        m_cache.draw();
        m_from_cache = true;
        on_top = Squares::kNotHeld;
    } else if (upset_before) {
        // Still changing (a level being uncovered changes every frame): the copy waits for a
        // quieter frame.
        draw_fullscreen_image(resources.current_background());
    } else {
        for (int i = 0; i < kSquares; ++i) {
            m_held[i] = m_frame - m_moved[i] > kRecentFrames ? 1 : 0;
        }
        draw_fullscreen_image(resources.current_background());
        {
            QuadBatch still(true);
            add_cells(still, field, sheets, m_held, Squares::kHeld);
        }
        m_captured = m_cache.capture();
        m_last_capture = m_frame;
        on_top = Squares::kNotHeld;
    }
    {
        // The lights go before the cells: a light and a ladder, rope or gold may share a
        // square.
        QuadBatch lights;
        add_lights(lights, field, sheets);
    }
    QuadBatch cells(apart);
    add_cells(cells, field, sheets, m_held, on_top);
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
