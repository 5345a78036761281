#!/usr/bin/env bash
# Plays every level with the level bot (guards active, seeds 1..5, the two sets side by side at
# a low priority) and rewrites the results table in docs/levels.md between the "bot results"
# markers, with a summary per set. Takes a long while (tens of minutes on a busy machine).
# Usage: tools/levels/write_bot_docs.sh path/to/quarrik-levels [SEEDS]
set -euo pipefail
tool="$1"
seeds="${2:-5}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
doc="$root/docs/levels.md"
table="$(mktemp)"
rows1="$(mktemp)"
rows2="$(mktemp)"
trap 'rm -f "$table" "$rows1" "$rows2"' EXIT
# The tool exits 1 when a level is not finished: that is a result here, not a failure.
nice -n 10 "$tool" bot --dir "$root/assets/dat" --set 1 --seeds "$seeds" --markdown > "$rows1" &
set1=$!
nice -n 10 "$tool" bot --dir "$root/assets/dat" --set 2 --seeds "$seeds" --markdown > "$rows2" &
set2=$!
wait "$set1" || test $? -eq 1
wait "$set2" || test $? -eq 1
{
    printf '| level | seeds that finished | first seed that did | its ticks (game time) | its lives lost | its goings back | when none did: most gold in one life, how the lives of one seed ended |\n'
    printf '|---|---|---|---|---|---|---|\n'
    grep -h '^| [12]-' "$rows1" "$rows2"
    printf '\n'
    for set in 1 2; do
        rows="$rows1"
        [ "$set" = 2 ] && rows="$rows2"
        # Column 3 reads "K of N" (or "**0** of N").
        awk -F'|' -v set="$set" -v seeds="$seeds" '
            /^\| [12]-/ { split($3, f, " "); k = f[1]; gsub(/\*/, "", k); n++;
                          if (k > 0) any++; if (k == seeds) all++; if (k * 2 > seeds) most++;
                          name = $2; gsub(/ /, "", name); if (k == 0) missed = missed " " name }
            END { gsub(/  +/, " ", missed);
                  printf "Set %d: %d of %d levels finished with at least one seed, %d with most " \
                         "seeds, %d with all %d%s\n\n", set, any, n, most, all, seeds,
                         (missed == "" ? "" : "; with none:" missed) }' "$rows"
    done
} > "$table"
awk -v table="$table" '
    /^<!-- bot results -->$/ { print; while ((getline line < table) > 0) print line; skip = 1; next }
    /^<!-- end of bot results -->$/ { skip = 0 }
    !skip { print }
' "$doc" > "$doc.new"
mv "$doc.new" "$doc"
