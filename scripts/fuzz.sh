#!/usr/bin/env bash
# Builds (if needed) and runs one libFuzzer target for a number of seconds.
#
#   scripts/fuzz.sh TARGET [SECONDS] [libFuzzer options...]
#   scripts/fuzz.sh list
#
# TARGET is a name from `list` (pack, param, scrambler, tga, jpeg, font, sprite, wav, level,
# mesh, module; "fuzz_" in front is optional). SECONDS defaults to 60. The targets are built
# with clang in build/fuzz; the corpus grows in build/fuzz/corpus/fuzz_TARGET, seeded from the
# game's own generated files (build/test/game, built first when missing) and fuzz/seeds/.
# Findings (crash-*, leak-*, timeout-*, oom-*) are written to build/fuzz/findings/ and make the
# script fail. Longer runs: see docs/robustness.md.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/fuzz"

if [ $# -lt 1 ]; then
    sed -n '2,13p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//' >&2
    exit 2
fi
if [ "$1" = list ]; then
    for f in "$root"/fuzz/fuzz_*.cpp; do
        n="$(basename "$f" .cpp)"
        echo "${n#fuzz_}"
    done
    exit 0
fi
target="fuzz_${1#fuzz_}"
seconds="${2:-60}"
shift $(($# >= 2 ? 2 : 1))
if [ ! -f "$root/fuzz/$target.cpp" ]; then
    echo "fuzz.sh: no target ${target#fuzz_} (see: scripts/fuzz.sh list)" >&2
    exit 2
fi

"$root/scripts/deps.sh"

# Building and seeding are shared by all targets: one run at a time does them.
mkdir -p "$root/build"
exec 9>"$root/build/.fuzz.lock"
flock 9

# Seeds come from the game's own files, made by the ordinary build.
game_build="${QUARRIK_SEED_BUILD:-$root/build/test}"
if [ ! -f "$game_build/game/data/data.pk" ] || [ ! -x "$game_build/tools/quarrik-cfg" ]; then
    if [ ! -f "$game_build/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$game_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
            -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DCMAKE_C_FLAGS_DEBUG="-g -O1" \
            -DQUARRIK_WERROR=ON >/dev/null
    fi
    cmake --build "$game_build" --parallel "$(nproc)" --target game_data quarrik-pack quarrik-cfg
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DCMAKE_C_FLAGS_DEBUG="-g -O1" \
        -DQUARRIK_FUZZ=ON -DQUARRIK_TESTS=OFF -DQUARRIK_BENCH=OFF >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" --target "$target"

corpus="$build/corpus"
if [ ! -f "$corpus/.seeded" ] || [ "$root/fuzz/make_seeds.py" -nt "$corpus/.seeded" ]; then
    python3 "$root/fuzz/make_seeds.py" "$game_build/game" "$game_build/tools" "$corpus"
    touch "$corpus/.seeded"
fi
mkdir -p "$corpus/$target" "$build/findings"
flock -u 9
exec 9>&-

# The game logs nowhere unless it opens its log, and runs without a window or sound card.
export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# The game's font picture is a megabyte; its target must be able to hold it whole.
extra=()
if [ "$target" = fuzz_font ]; then extra=(-max_len=1100000); fi
cd "$build/findings"
exec "$build/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" \
    "${extra[@]}" "$@" "$corpus/$target"
