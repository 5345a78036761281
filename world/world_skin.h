#pragma once

#include "world/world_context.h"

class ResourceSet;

// Points the world at the current skin's prototypes, its background and the player sprite of
// a loaded resource set. Call again (then Playfield::rebuild_skin) after the skin changes.
void use_current_skin(WorldContext& ctx, const ResourceSet& resources);
