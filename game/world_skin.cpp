#include "game/world_skin.h"

#include "gfx/resource_set.h"

namespace {
SheetGrid grid_of(const Sprite& sprite) {
    return SheetGrid{sprite.m_groups, sprite.m_frames};
}
}  // namespace

void use_current_skin(WorldContext& ctx, const ResourceSet& resources) {
    const SkinSprites& skin = resources.current_skin_sprites();
    ctx.skin.brick = grid_of(skin.m_brick);
    ctx.skin.solid = grid_of(skin.m_solid);
    ctx.skin.ladder = grid_of(skin.m_ladder);
    ctx.skin.rope = grid_of(skin.m_rope);
    ctx.skin.gold = grid_of(skin.m_gold);
    ctx.skin.light = grid_of(skin.m_light);
    ctx.skin.player = grid_of(resources.m_player);
}
