#!/usr/bin/env bash
# Plays the levels with the level bot (guards active, seeds 1..SEEDS, RETRIES goings back per
# life, two bot processes at a low priority) and rewrites the results table in docs/levels.md
# between the "bot results" markers, with a summary per set. All 150 levels take a long while
# (tens of minutes on a busy machine).
# Usage: tools/levels/write_bot_docs.sh path/to/quarrik-levels [SEEDS [LEVEL...]]
#        tools/levels/write_bot_docs.sh path/to/quarrik-levels SEEDS --rows FILE...
# With LEVELs (e.g. 1-43 2-12) only those are played again and their rows replace the ones in
# the table; the other rows are kept as they were, so use it only after changing those levels.
# With --rows the rows come from saved `bot --markdown` output of the same SEEDS and goings back
# (a long run split over several processes), later files winning, and replace those in the table.
set -euo pipefail
tool="$1"
seeds="${2:-5}"
shift $(($# < 2 ? $# : 2))
retries="${BOT_RETRIES:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
doc="$root/docs/levels.md"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
bot() {
    nice -n 10 "$tool" bot --dir "$root/assets/dat" --seeds "$seeds" --retries "$retries" \
        --markdown "$@"
}
# The tool exits 1 when a level is not finished: that is a result here, not a failure.
if [ "${1:-}" = "--rows" ]; then
    shift
    cat "$@" > "$work/rows1"
    : > "$work/rows2"
    first="" second=""
    awk '/^<!-- bot results -->$/ { on = 1; next } /^<!-- end of bot results -->$/ { on = 0 }
         on && /^\| [12]-/' "$doc" > "$work/old"
elif [ $# -eq 0 ]; then
    bot --set 1 > "$work/rows1" &
    first=$!
    bot --set 2 > "$work/rows2" &
    second=$!
    # Rows only: the earlier table is not used.
    : > "$work/old"
else
    files1=() files2=()
    i=0
    for level in "$@"; do
        set_no="${level%%-*}"
        number="$(printf '%02d' "$((10#${level#*-}))")"
        file="$root/assets/dat/levels${set_no}_full/$number.txt"
        # Every other level to each of the two processes.
        if [ $((i++ % 2)) -eq 0 ]; then files1+=("$file"); else files2+=("$file"); fi
    done
    bot "${files1[@]}" > "$work/rows1" &
    first=$!
    if [ ${#files2[@]} -gt 0 ]; then
        bot "${files2[@]}" > "$work/rows2" &
        second=$!
    else
        : > "$work/rows2"
        second=""
    fi
    awk '/^<!-- bot results -->$/ { on = 1; next } /^<!-- end of bot results -->$/ { on = 0 }
         on && /^\| [12]-/' "$doc" > "$work/old"
fi
[ -z "$first" ] || wait "$first" || test $? -eq 1
[ -z "$second" ] || wait "$second" || test $? -eq 1
# New rows replace old ones of the same level (of the new ones the last wins); the table is
# sorted by set and level.
cat "$work/rows1" "$work/rows2" | grep -h '^| [12]-' | tac > "$work/new" || true
awk -F'|' 'NR == FNR { name = $2; gsub(/ /, "", name); if (!(name in fresh)) print;
                       fresh[name] = 1; next }
           { name = $2; gsub(/ /, "", name); if (!(name in fresh)) print }' \
    "$work/new" "$work/old" | sort -t'|' -k2,2 > "$work/rows"
{
    printf 'Seeds 1 to %s, four lives each, up to %s goings back per life.\n\n' "$seeds" "$retries"
    printf '| level | seeds that finished | first seed that did | its ticks (game time) | its lives lost | its goings back | when none did: most gold in one life, how the lives of one seed ended |\n'
    printf '|---|---|---|---|---|---|---|\n'
    cat "$work/rows"
    printf '\n'
    for set in 1 2; do
        # Column 3 reads "K of N" (or "**0** of N").
        awk -F'|' -v set="$set" -v seeds="$seeds" '
            $2 ~ "^ " set "-" { split($3, f, " "); k = f[1]; gsub(/\*/, "", k); n++;
                          if (k > 0) any++; if (k == seeds) all++; if (k * 2 > seeds) most++;
                          name = $2; gsub(/ /, "", name); if (k == 0) missed = missed " " name }
            END { gsub(/  +/, " ", missed);
                  printf "Set %d: %d of %d levels finished with at least one seed, %d with most " \
                         "seeds, %d with all %d%s\n\n", set, any, n, most, all, seeds,
                         (missed == "" ? "" : "; with none:" missed) }' "$work/rows"
    done
} > "$work/table"
awk -v table="$work/table" '
    /^<!-- bot results -->$/ { print; while ((getline line < table) > 0) print line; skip = 1; next }
    /^<!-- end of bot results -->$/ { skip = 0 }
    !skip { print }
' "$doc" > "$doc.new"
mv "$doc.new" "$doc"
