#!/usr/bin/env bash
# Prints offset, peak and loudness of every shipped effect and music track (the music as the
# game's own player mixes it at the default volume) and how far apart the effect sets and the
# music are; exits 1 when an effect has an offset or the spread is over the limit.
#
#   scripts/audio-levels.sh [BUILD_DIR]     default build/test (built if needed)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build/test}"
cmake --build "$build" --target quarrik-sfx audio_data >/dev/null
exec "$build/tools/quarrik-sfx" levels "$build/game"
