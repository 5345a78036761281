#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer (build/asan, -O1 -g) and runs it. Any report fails the run. Only leaks inside
# system libraries (Mesa, X11, SDL's drivers, fontconfig ...) are suppressed, by
# tests/robustness/lsan.supp; the game's own code never is. Arguments go to ctest. The soak
# test plays QUARRIK_SOAK_TICKS ticks (200,000 unless set).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/deps.sh"

build="$root/build/asan"
flags="-g -O1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all"
generator=()
if [ ! -f "$build/CMakeCache.txt" ] && command -v ninja >/dev/null; then generator=(-G Ninja); fi
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="$flags" -DCMAKE_C_FLAGS_DEBUG="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DQUARRIK_WERROR=OFF -DQUARRIK_TESTS=ON -DQUARRIK_BENCH=OFF >/dev/null

# The build itself runs sanitized programs: the asset generators and the test listing.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$root/tests/robustness/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cmake --build "$build" --parallel "$(nproc)"

export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export LIBGL_ALWAYS_SOFTWARE=1
export QUARRIK_SOAK_TICKS="${QUARRIK_SOAK_TICKS:-200000}"
cd "$build"
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --output-on-failure --parallel "$(nproc)" --timeout 1800 "$@"
