#pragma once

#include "world/runner.h"

class Playfield;
class ResourceSet;

// Draws a level in play from the world's state with the pictures of the current skin: the
// world keeps which frame shows where, the resource set holds the sheets.
void draw_playfield(const Playfield& field, const ResourceSet& resources);
// The guards (the runner's sheet tinted magenta), then the runner.
void draw_actors(const Runner& runner, const GuardList& guards, const ResourceSet& resources);
