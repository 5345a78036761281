#include "world/world_skin.h"

#include "gfx/resource_set.h"

void use_current_skin(WorldContext& ctx, const ResourceSet& resources) {
    const SkinSprites& skin = resources.current_skin_sprites();
    ctx.skin.brick = &skin.m_brick;
    ctx.skin.solid = &skin.m_solid;
    ctx.skin.ladder = &skin.m_ladder;
    ctx.skin.rope = &skin.m_rope;
    ctx.skin.gold = &skin.m_gold;
    ctx.skin.light = &skin.m_light;
    ctx.skin.background = &resources.current_background();
    ctx.player = &resources.m_player;
}
