#!/usr/bin/env bash
# Rewrites the statistics tables at the end of docs/levels.md from the level files.
# Usage: tools/levels/write_docs.sh path/to/quarrik-levels
set -euo pipefail
tool="$1"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
doc="$root/docs/levels.md"
head="$(sed '/^## Statistics$/q' "$doc")"
{
    printf '%s\n\n' "$head"
    for set in 1 2; do
        printf '### Set %d\n\n' "$set"
        "$tool" stats --dir "$root/assets/dat" "$root"/assets/dat/levels${set}_full/*.txt | sed "s|$root/||"
        printf '\n'
    done
} > "$doc.new"
mv "$doc.new" "$doc"
