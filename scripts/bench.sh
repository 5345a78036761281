#!/usr/bin/env bash
# Builds an optimised copy of the game and its benchmarks (build/bench, Release, -O2), runs every
# measurement on a virtual X server with Mesa's software renderer, and prints a table of the
# figures against their targets. The raw results stay in build/bench/results/.
#
#   scripts/bench.sh [--quick]     --quick: short runs (a few seconds each) instead of a minute
#
# Not part of the test suite: timings on a shared machine vary, so nothing here fails a build.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
quick=0
if [ "${1:-}" = "--quick" ]; then quick=1; fi

"$root/scripts/deps.sh"

build="$root/build/bench"
out="$build/results"
generator=()
if [ ! -f "$build/CMakeCache.txt" ] && command -v ninja >/dev/null; then generator=(-G Ninja); fi
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DQUARRIK_TESTS=OFF -DQUARRIK_BENCH=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
if [ ! -x "$build/quarrik_bench" ]; then
    echo "bench.sh: no benchmark executable (is libbenchmark-dev installed?)" >&2
    exit 1
fi
mkdir -p "$out"
{
    echo "nproc: $(nproc)"
    lscpu | head -20
    free -h | head -2
    echo "load at start: $(cut -d' ' -f1-3 /proc/loadavg)"
} >"$out/machine.txt"

export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export LIBGL_ALWAYS_SOFTWARE=1
game="$build/game"
hold=60
min_time=0.5
if ((quick)); then
    hold=5
    min_time=0.1
fi

# Everything that needs a display runs inside one virtual X server.
run_on_display() {
    xvfb-run -a -s "-screen 0 1920x1080x24" "$@"
}

echo "== Google Benchmark"
run_on_display "$build/quarrik_bench" --benchmark_min_time="$min_time" \
    --benchmark_out="$out/bench.json" --benchmark_out_format=json | tee "$out/bench.txt"

# Simulator throughput: every level of both sets with random keys held for random stretches.
echo "== quarrik-sim over the level sets"
sim="$build/tools/quarrik-sim"
: >"$out/sim.txt"
if [ -x "$sim" ]; then
    sim_ticks=2000
    if ((quick)); then sim_ticks=300; fi
    keys_dir="$out/keys"
    mkdir -p "$keys_dir"
    # The key scripts are written first, so that only the simulator is timed.
    python3 "$root/scripts/bench_keys.py" "$keys_dir" "$sim_ticks"
    # One pass of 0 ticks gives the fixed cost of a run (start, archive, rules, level load).
    for ticks in 0 "$sim_ticks"; do
        levels=0
        start_ns=$(date +%s%N)
        for set in 1 2; do
            for level in $(seq 1 75); do
                if (cd "$game" && "$sim" --seed "$level" --ticks "$ticks" --set "$set" \
                    --level "$level" --keys "$keys_dir/$set-$level.txt" >/dev/null \
                    2>>"$out/sim.txt"); then
                    levels=$((levels + 1))
                fi
            done
        done
        end_ns=$(date +%s%N)
        echo "levels=$levels ticks_per_level=$ticks ns=$((end_ns - start_ns))" |
            tee -a "$out/sim.txt"
    done
else
    echo "no quarrik-sim built" | tee -a "$out/sim.txt"
fi

# The real program: start-up to the first main-menu frame (several runs), then one long run for
# the peak memory and the regularity of the ticks.
echo "== start-up"
rm -f "$game/data/save.sav"  # a saved game would be restored at start and asked about later
probe="$build/tools/quarrik-startup-probe"
run_on_display "$probe" "$game" --runs 5 | tee "$out/startup.txt" || true
echo "== one ${hold} s run"
# The first new-game button's place, from the generated layout.
layout="$build/generated/pack/mui/menu.txt"
bx="$(awk '$1 == "m_zelm1_game_btnx" {print $2}' "$layout" 2>/dev/null || true)"
by="$(awk '$1 == "m_zelm1_game_btny" {print $2}' "$layout" 2>/dev/null || true)"
rm -f "$game/data/save.sav"
run_on_display "$probe" "$game" --hold "$hold" \
    --drive "$root/scripts/bench_drive.sh $hold ${bx:-20} ${by:-150}" | tee "$out/run.txt" || true

echo "load at end: $(cut -d' ' -f1-3 /proc/loadavg)" >>"$out/machine.txt"
cat "$out/machine.txt"
python3 "$root/scripts/bench_table.py" "$out"
