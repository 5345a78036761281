// The sound tools are executables, not part of the game library; their code is built into
// this test directly (everything but their main files) so it can be checked piece by piece.

#include "tools/music/composer.cpp"
#include "tools/music/instruments.cpp"
#include "tools/music/mod_writer.cpp"
#include "tools/music/parts.cpp"
#include "tools/music/render.cpp"
#include "tools/music/song.cpp"
#include "tools/music/theory.cpp"
#include "tools/music/tracks.cpp"
#include "tools/music/xm_writer.cpp"
#include "tools/sfx/effects.cpp"
#include "tools/sfx/levels.cpp"
#include "tools/sfx/loudness.cpp"
#include "tools/sfx/synth.cpp"
