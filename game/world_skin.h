#pragma once

#include "world/world_context.h"

class ResourceSet;

// Gives the world the sheet grids of a loaded resource set's current skin and player. Call
// again (then Playfield::rebuild_skin) after the skin changes.
void use_current_skin(WorldContext& ctx, const ResourceSet& resources);
