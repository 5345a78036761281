#!/usr/bin/env bash
# Fails when an #include of the game's code points up its layers. Each folder has a level; a
# file may include its own folder and folders of lower levels only (folders of one level are
# independent of each other). The tools, tests, benchmarks and fuzz targets sit above it all.
#
#   0  core       services every layer needs: log, user-file paths, version, key state
#   1  storage    archives, parameter files, score tables, atomic writes
#   1  platform   SDL: window, GL context, input devices, audio device, clock
#   2  gfx        textures, sprites, font, drawing primitives
#   2  sound      effects, music, mixer
#   2  world      the rules of play, plain state (no pictures, sound or window)
#   3  levels     tools over the world: level checker, level bot
#   3  ui         screens, dialogs, controls
#   4  game       the game session, its screen and the playfield renderer
#   5  app        the application object, the window and its stacks, start-up
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

declare -A level=([core]=0 [storage]=1 [platform]=1 [gfx]=2 [sound]=2 [world]=2 [levels]=3
                  [ui]=3 [game]=4 [app]=5)

# Upward includes allowed, as "FROM-FOLDER HEADER" (none: the screens and the game get what they
# use of the application and the window handed down as ui/app_context.h and ui/screen_host.h).
allowed=()

levels="$(for k in "${!level[@]}"; do printf '%s=%s ' "$k" "${level[$k]}"; done)"
# One pass over every include of every folder: grep gives "FILE:LINE:#include "HEADER"".
grep -rnE '^#include "[a-z_]+/' --include='*.h' --include='*.cpp' "${!level[@]}" |
    awk -v levels="$levels" -v allowed="$(printf '%s;' "${allowed[@]}")" '
        BEGIN {
            n = split(levels, pairs, " ")
            for (i = 1; i <= n; i++) { split(pairs[i], kv, "="); rank[kv[1]] = kv[2] }
            n = split(allowed, list, ";")
            for (i = 1; i <= n; i++) ok[list[i]] = 1
        }
        {
            split($0, part, ":")
            file = part[1]; line = part[2]
            from = file; sub(/\/.*/, "", from)
            header = $0; sub(/^[^"]*"/, "", header); sub(/".*/, "", header)
            to = header; sub(/\/.*/, "", to)
            if (!(to in rank) || to == from || rank[to] < rank[from] || ((from " " header) in ok))
                next
            printf "%s:%s: %s (level %d) includes %s (level %d)\n", file, line, from,
                   rank[from], header, rank[to]
            bad++
        }
        END {
            if (bad) { printf "check_layers: %d include(s) point up or across the layers\n", bad > "/dev/stderr"; exit 1 }
            print "check_layers: every include points down"
        }'
