#!/usr/bin/env python3
"""Seed corpora for the fuzz targets, made only from the game's own generated files and the
small hand-made inputs under fuzz/seeds/TARGET/.

usage: make_seeds.py GAME_DIR TOOLS_DIR OUT_DIR

GAME_DIR is a built game directory (data/data.pk, data/*.wav, data/music/*), TOOLS_DIR holds
quarrik-pack and quarrik-cfg. OUT_DIR/TARGET/ receives the seeds of each target; files are
named by content, so running it again adds nothing twice.
"""
import hashlib
import os
import subprocess
import sys

# Seeds above this size slow every mutation down and add little coverage.
MAX_SEED = 300 * 1024
# Keys of the scrambled files, by the names quarrik-cfg knows them by.
SCRAMBLED_NAMES = ["dx.cfg", "save.sav", "scores1.tab"]


def add(out_dir, target, data):
    if len(data) > MAX_SEED:
        return
    folder = os.path.join(out_dir, target)
    os.makedirs(folder, exist_ok=True)
    name = hashlib.sha1(data).hexdigest()
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def split_parts(*parts):
    """The fuzz::Splitter layout: each part but the last behind a 2-byte length."""
    out = b""
    for part in parts[:-1]:
        part = part[:0xFFFF]
        out += len(part).to_bytes(2, "little") + part
    return out + parts[-1]


def small_font():
    """A 32-bit TGA laid out like the game font: two text lines of 47 glyphs, each line led by
    a marker block, glyphs one to three pixels wide, transparent gaps between them."""
    lines = [[1 + (i * 7) % 3 for i in range(47)], [1 + (i * 5) % 3 for i in range(47)]]
    width = max(3 + sum(w + 1 for w in line) for line in lines) + 1
    rows_top_down = [[0] * width]
    for line in lines:
        for _ in range(3):
            row = [0] * width
            row[0] = row[1] = 255  # the marker block
            x = 3
            for w in line:
                for i in range(w):
                    row[x + i] = 255
                x += w + 1
            rows_top_down.append(row)
        rows_top_down.append([0] * width)
    height = len(rows_top_down)
    header = bytes([0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0]) + width.to_bytes(2, "little") + \
        height.to_bytes(2, "little") + bytes([32, 8])
    pixels = b"".join(bytes([200, 200, 200, a]) for row in reversed(rows_top_down) for a in row)
    return header + pixels


def pack_members(tools, archive):
    listing = subprocess.run([os.path.join(tools, "quarrik-pack"), "list", archive],
                             check=True, capture_output=True).stdout.decode()
    names = [line.split("\t")[0] for line in listing.splitlines() if line]
    members = {}
    for name in names:
        members[name] = subprocess.run([os.path.join(tools, "quarrik-pack"), "cat", archive, name],
                                       check=True, capture_output=True).stdout
    return members


def scrambled(tools, text, name, work):
    plain = os.path.join(work, name + ".txt")
    out = os.path.join(work, name)
    with open(plain, "wb") as f:
        f.write(text)
    subprocess.run([os.path.join(tools, "quarrik-cfg"), "encode", plain, out], check=True,
                   capture_output=True)
    with open(out, "rb") as f:
        return f.read()


def small_archive(tools, files, work):
    folder = os.path.join(work, "pack_src")
    os.makedirs(folder, exist_ok=True)
    for name, data in files.items():
        path = os.path.join(folder, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    out = os.path.join(work, "small.pk")
    subprocess.run([os.path.join(tools, "quarrik-pack"), "pack", folder, out], check=True,
                   capture_output=True)
    with open(out, "rb") as f:
        data = f.read()
    subprocess.run(["rm", "-rf", folder, out], check=True)
    return data


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    game, tools, out = sys.argv[1:]
    here = os.path.dirname(os.path.abspath(__file__))
    work = os.path.join(out, ".work")
    os.makedirs(work, exist_ok=True)

    # Hand-made inputs first: they exist even without a built game directory.
    hand = os.path.join(here, "seeds")
    for target in sorted(os.listdir(hand)) if os.path.isdir(hand) else []:
        for name in sorted(os.listdir(os.path.join(hand, target))):
            with open(os.path.join(hand, target, name), "rb") as f:
                add(out, target, f.read())

    add(out, "fuzz_font", small_font())
    add(out, "fuzz_tga", small_font())

    data = os.path.join(game, "data")
    members = pack_members(tools, os.path.join(data, "data.pk"))
    texts = {n: d for n, d in members.items() if n.endswith((".txt", ".spr"))}
    tgas = {n: d for n, d in members.items() if n.lower().endswith(".tga")}
    jpegs = {n: d for n, d in members.items() if n.lower().endswith((".jpg", ".jpeg"))}

    for name, text in texts.items():
        add(out, "fuzz_param", text)
        if "level" in name.lower():
            # The level alone, and with a run of key bytes (run left, dig, climb, ...).
            add(out, "fuzz_level", split_parts(text, b""))
            add(out, "fuzz_level", split_parts(text, bytes([1, 1, 1, 17, 2, 2, 4, 4, 8, 8, 2, 16] * 12)))
    for i, text in enumerate(sorted(texts.values(), key=len)[:12]):
        blob = scrambled(tools, text, SCRAMBLED_NAMES[i % len(SCRAMBLED_NAMES)], work)
        add(out, "fuzz_param", blob)
        add(out, "fuzz_scrambler", blob)
    for name, image in tgas.items():
        add(out, "fuzz_tga", image)
        if "font" in name.lower():
            # The font picture is large; it is the one picture the scan is made for.
            folder = os.path.join(out, "fuzz_font")
            os.makedirs(folder, exist_ok=True)
            with open(os.path.join(folder, "game_font"), "wb") as f:
                f.write(image)
    for image in jpegs.values():
        add(out, "fuzz_jpeg", image)
    for name, data_bytes in members.items():
        if name.lower().endswith(".obj"):
            add(out, "fuzz_mesh", data_bytes)

    # Sprites: each ".spr" with the smallest pictures of both kinds as its sheets (the tiny
    # hand-made ones keep the sprite target fast; the game's own sheets are tens of kilobytes).
    def hand_made(target):
        folder = os.path.join(hand, target)
        if not os.path.isdir(folder):
            return []
        out_list = []
        for name in sorted(os.listdir(folder)):
            with open(os.path.join(folder, name), "rb") as f:
                out_list.append(f.read())
        return out_list

    small_tga = min(list(tgas.values()) + hand_made("fuzz_tga"), key=len, default=b"")
    small_jpg = min(list(jpegs.values()) + hand_made("fuzz_jpeg"), key=len, default=b"")
    real_tga = min(tgas.values(), key=len, default=b"")
    real_jpg = min(jpegs.values(), key=len, default=b"")
    add(out, "fuzz_sprite", split_parts(b"file_name sheet.tga groups 4 frames 8\n", real_tga,
                                        real_jpg, b""))
    for name, text in texts.items():
        if name.endswith(".spr"):
            add(out, "fuzz_sprite", split_parts(text, small_tga, small_jpg, small_jpg))
    add(out, "fuzz_sprite", split_parts(b"file_name sheet.tga groups 2 frames 3\n", small_tga,
                                        b"", b""))
    add(out, "fuzz_sprite", split_parts(b"file_name sheet.jpg file_alpha alpha.jpg frames 4\n",
                                        b"", small_jpg, small_jpg))

    # Archives: small ones built from a few members (the real one is too large to mutate well).
    by_size = sorted(members.items(), key=lambda item: len(item[1]))
    for count in (1, 3, 6):
        picked = dict(by_size[:count])
        picked.update(dict(sorted(texts.items(), key=lambda item: len(item[1]))[:count]))
        add(out, "fuzz_pack", small_archive(tools, picked, work))

    for name in sorted(os.listdir(data)):
        if name.lower().endswith(".wav"):
            with open(os.path.join(data, name), "rb") as f:
                add(out, "fuzz_wav", f.read())
    music = os.path.join(data, "music")
    for name in sorted(os.listdir(music)) if os.path.isdir(music) else []:
        with open(os.path.join(music, name), "rb") as f:
            add(out, "fuzz_module", f.read())
    subprocess.run(["rm", "-rf", work], check=True)


if __name__ == "__main__":
    main()
