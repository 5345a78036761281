#!/usr/bin/env bash
# Installs what is missing, checks the layers of the includes, builds with warnings as errors and
# runs the whole test suite.
# Tests that need a display run on a virtual X server.
#
#   scripts/test.sh [CTEST ARGS]              plain build in build/test
#   scripts/test.sh --sanitize [CTEST ARGS]   the same suite built with AddressSanitizer,
#       UndefinedBehaviorSanitizer and LeakSanitizer in build/asan (cmake/sanitize.cmake); any
#       report fails the test, and the soak test plays 200,000 ticks (QUARRIK_SOAK_TICKS). This
#       is the suite CI runs; it draws no contact sheet of the pictures, builds no benchmarks
#       and keeps line tables only (-g1) for the sanitizers' reports.
#   scripts/test.sh --release-check           no tests: the game and its tools built as released
#       (-O3) with warnings as errors in build/release-check, as a unity build (a few large files
#       instead of some 130 small ones): the warnings only the optimiser finds fail here. CI runs it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"
# Every include must point down the code's layers (a second; fails before the long build).
"$root/scripts/check_layers.sh"

if [ "${1:-}" = "--release-check" ]; then
    release="$root/build/release-check"
    generator=()
    if [ ! -f "$release/CMakeCache.txt" ] && command -v ninja >/dev/null; then generator=(-G Ninja); fi
    cmake -S "$root" -B "$release" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_UNITY_BUILD=ON -DQUARRIK_WERROR=ON -DQUARRIK_TESTS=OFF -DQUARRIK_BENCH=ON \
        -DQUARRIK_GAME_DATA=OFF >/dev/null
    cmake --build "$release" --parallel "$(nproc)" --target programs
    echo "test.sh: release check built in $SECONDS s"
    exit 0
fi

build="$root/build/test"
extra=(-DQUARRIK_BENCH=ON)
debug_flags="-g -O1"
if [ "${1:-}" = "--sanitize" ]; then
    shift
    build="$root/build/asan"
    # No benchmarks (no test runs them; the release check builds them) and line tables only
    # for the sanitizers' reports: both keep CI within its time.
    extra=(-DCMAKE_PROJECT_INCLUDE="$root/cmake/sanitize.cmake" -DQUARRIK_CONTACT_SHEET=OFF
           -DQUARRIK_BENCH=OFF)
    debug_flags="-g1 -O1"
    export QUARRIK_SOAK_TICKS="${QUARRIK_SOAK_TICKS:-200000}"
fi
generator=()
if [ ! -f "$build/CMakeCache.txt" ] && command -v ninja >/dev/null; then generator=(-G Ninja); fi
cmake -S "$root" -B "$build" "${generator[@]}" "${extra[@]}" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="$debug_flags" -DCMAKE_C_FLAGS_DEBUG="$debug_flags" \
    -DQUARRIK_WERROR=ON -DQUARRIK_TESTS=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
echo "test.sh: built in $SECONDS s (CPU time of the shell, then of the build:)"
times

# No sound card on build machines: the game must run silently there.
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export LIBGL_ALWAYS_SOFTWARE=1
cd "$build"
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --output-on-failure --parallel "$(nproc)" "$@"
