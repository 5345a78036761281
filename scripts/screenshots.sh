#!/usr/bin/env bash
# Makes the README's screenshots (docs/screenshots/*.png) by playing the real game from a
# script with quarrik-drive on a virtual display, in a scratch copy of the game directory.
#   scripts/screenshots.sh [BUILD_DIR]     (default: build/test, built if needed)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build/test}"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DQUARRIK_WERROR=ON >/dev/null
fi
cmake --build "$build" --parallel 2 --target quarrik-drive game_data

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/game/data"
# The shipped data only: no settings, saved game or scores from earlier runs.
(cd "$build/game/data" && find . -mindepth 1 -maxdepth 1 ! -name dx.cfg ! -name save.sav \
    ! -name "scores?.tab" -exec cp -r {} "$scratch/game/data/" \;)

out="$root/docs/screenshots"
mkdir -p "$out"
cd "$out"
SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/tools/quarrik-drive" --game-dir "$scratch/game" \
    "$root/tools/drive/scripts/screenshots.txt"
# The driver stores its pictures uncompressed; the copies kept in the repository are deflated.
python3 - "$out"/*.png <<'PY'
import struct, sys, zlib
for path in sys.argv[1:]:
    data = open(path, "rb").read()
    at, chunks, idat = 8, [], b""
    while at < len(data):
        size, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + size]
        at += 12 + size
        if kind == b"IDAT":
            idat += body
        else:
            chunks.append((kind, body))
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    packed = zlib.compress(zlib.decompress(idat), 9)
    out = data[:8] + chunk(*chunks[0]) + chunk(b"IDAT", packed)
    out += b"".join(chunk(k, b) for k, b in chunks[1:])
    open(path, "wb").write(out)
PY
ls -l "$out"/*.png
