#!/usr/bin/env bash
# Plays the running game during the long benchmark run, so that its memory and tick figures
# come from play and not from an idle menu: a click on the first new-game button of the main
# menu, then random playing keys (arrows and space) held for random short stretches until
# SECONDS have passed. Returns at once; the playing goes on in the background.
#
#   QUARRIK_PID=PID scripts/bench_drive.sh SECONDS BUTTON_X BUTTON_Y
set -uo pipefail
seconds="${1:-60}"
x="${2:-20}"
y="${3:-150}"
window="$(xdotool search --sync --pid "${QUARRIK_PID:?}" 2>/dev/null | head -1)"
if [ -z "$window" ]; then
    echo "bench_drive: no window of process $QUARRIK_PID" >&2
    exit 1
fi
# The pointer settles on the button before the press, as a player's would.
xdotool mousemove --window "$window" $((x + 20)) $((y + 12))
sleep 0.3
xdotool mousedown 1
sleep 0.1
xdotool mouseup 1
(
    keys=(Down Left Right Up space)
    end=$((SECONDS + seconds - 1))
    while ((SECONDS < end)); do
        key="${keys[RANDOM % ${#keys[@]}]}"
        xdotool keydown "$key"
        sleep "0.$((RANDOM % 9 + 1))"
        xdotool keyup "$key"
    done
) >/dev/null 2>&1 &
