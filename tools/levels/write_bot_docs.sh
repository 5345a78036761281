#!/usr/bin/env bash
# Plays every level with the level bot (guards active, seeds 1..3) and rewrites the results table
# in docs/levels.md between the "bot results" markers. Takes a few minutes.
# Usage: tools/levels/write_bot_docs.sh path/to/quarrik-levels
set -euo pipefail
tool="$1"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
doc="$root/docs/levels.md"
table="$(mktemp)"
rows="$(mktemp)"
trap 'rm -f "$table" "$rows"' EXIT
# The tool exits 1 when a level is not finished: that is a result here, not a failure.
"$tool" bot --dir "$root/assets/dat" --seeds 3 --markdown > "$rows" || test $? -eq 1
{
    printf '| level | finished | seed | ticks (game time) | lives lost | seeds that finished | when not: most gold in one life, how the lives ended |\n'
    printf '|---|---|---|---|---|---|---|\n'
    grep '^|' "$rows"
    printf '\n'
    grep '^finished ' "$rows"
} > "$table"
awk -v table="$table" '
    /^<!-- bot results -->$/ { print; while ((getline line < table) > 0) print line; skip = 1; next }
    /^<!-- end of bot results -->$/ { skip = 0 }
    !skip { print }
' "$doc" > "$doc.new"
mv "$doc.new" "$doc"
