#!/usr/bin/env python3
"""Writes the two level sets.

The first levels of set 1 are drawn by hand (hand_levels.py); the rest come from the seeded
generator in generate.py. Every candidate is proved finishable by quarrik-levels, and for each
place in a set the candidate whose difficulty is nearest the rising target is kept. The output is
curated and committed; this script records how it was made and is not part of the build.

    design.py TOOL OUTDIR [SET]     write levels1_full and levels2_full under OUTDIR
"""
import os
import random
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import generate  # noqa: E402
import hand_levels  # noqa: E402


def text_of(rows):
    rows = [r.ljust(32) for r in rows]
    if len(rows) != 22 or any(len(r) != 32 for r in rows):
        bad = [i for i, r in enumerate(rows) if len(r) != 32]
        raise ValueError("level must be 22 rows of 32 cells (bad rows %s, %d rows)" % (bad, len(rows)))
    return "".join(r + "\n" for r in rows)


def write_level(outdir, set_no, number, rows):
    folder = os.path.join(outdir, "levels%d_full" % set_no)
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "%02d.txt" % number)
    try:
        text = text_of(rows)
    except ValueError as e:
        raise ValueError("%s: %s" % (path, e))
    with open(path, "w", newline="\n") as f:
        f.write(text)
    return path


GOLD = re.compile(r"gold at column (\d+), row (\d+) cannot be reached")
BOTH = re.compile(r"gold at column \d+, row \d+ and gold at column (\d+), row (\d+) cannot both")


def stats(tool, path):
    out = subprocess.run([tool, "stats", path], capture_output=True, text=True).stdout
    line = out.strip().splitlines()[-1]
    cells = [c.strip() for c in line.strip("|").split("|")]
    if cells[-1] == "FAIL":
        return None
    keys = ["gold", "guards", "ladders", "hidden", "ropes", "digs", "route", "difficulty"]
    return dict(zip(keys, [int(c) for c in cells[1:]]))


def add_exit_shaft(rows, seed):
    """A hidden ladder from the ground to the top row: air until the last gold, then the way out."""
    cols = [x for x in range(2, 30) if all(rows[y][x] in " TM#" for y in range(21))]
    if not cols:
        return False
    x = cols[seed % len(cols)]
    for y in range(21):
        rows[y] = rows[y][:x] + "#" + rows[y][x + 1:]
    return True


def settle(tool, rows, tmp, seed):
    """Repairs what the checker refuses (unreachable or stranding gold, no way out); returns the
    rows and their stats, or None."""
    rows = [r.ljust(32) for r in rows]
    path = os.path.join(tmp, "candidate.txt")
    shafts = 0
    for _ in range(6):
        with open(path, "w", newline="\n") as f:
            f.write(text_of(rows))
        out = subprocess.run([tool, "check", path], capture_output=True, text=True).stdout
        if ": ok" in out:
            return rows, stats(tool, path), shafts
        found = GOLD.findall(out) or BOTH.findall(out)[:1]
        if found:
            for c, r in found:
                c, r = int(c), int(r)
                rows[r] = rows[r][: c - 1] + " " + rows[r][c:]
        elif "no way out" in out and shafts == 0:
            shafts += 1
            if not add_exit_shaft(rows, seed):
                return None
        else:
            return None
    return None


def pool(tool, set_no, size, tmp):
    """Finishable candidates across the whole range of the difficulty knob."""
    found = []
    for i in range(size):
        d = i / (size - 1)
        if set_no == 2:
            d = 0.3 + 0.7 * d
        seed = set_no * 100000 + i
        rows = generate.generate(seed, d, set_no)
        if rows is None:
            continue
        got = settle(tool, rows, tmp, seed)
        if got is None or got[1] is None:
            continue
        rows, st, shafts = got
        if shafts and seed % 4:
            continue  # a shaft through every floor is a repair; keep only a few of those
        if st["gold"] < (6 if set_no == 1 else 10):
            continue
        if set_no == 2 and st["digs"] < 1:
            continue
        if st["difficulty"] < (42 if set_no == 1 else 58):
            continue  # easier than what comes before it in the set
        found.append((st["difficulty"], seed, rows, st))
    return found


def spread(cands, count):
    """`count` candidates from the pool, evenly over its difficulty range, easiest first."""
    cands = sorted(cands, key=lambda c: (c[0], c[1]))
    if len(cands) < count:
        raise SystemExit("pool too small: %d for %d" % (len(cands), count))
    picked = [cands[round(i * (len(cands) - 1) / (count - 1))] for i in range(count)]
    return picked


def guards_for(set_no, t):
    """Guards rise through each set: 1 to 5 in the gentle set, 4 to 8 in the hard one."""
    return round(1 + 4 * t) if set_no == 1 else round(4 + 4 * t)


def set_guards(rows, want, seed):
    """Adds or removes guards to `want`, new ones on floors far from the runner."""
    rng = random.Random(seed)
    rows = list(rows)
    cells = [(x, y) for y in range(22) for x in range(32) if rows[y][x] == "$"]
    rng.shuffle(cells)
    while len(cells) > want:
        x, y = cells.pop()
        rows[y] = rows[y][:x] + " " + rows[y][x + 1:]
    runner = next((x, y) for y in range(22) for x in range(32) if rows[y][x] == "!")

    def floor(x, y):
        below = rows[y + 1][x] if y < 21 else "M"
        return rows[y][x] == " " and below in "TMH"

    free = [(x, y) for y in range(22) for x in range(32) if floor(x, y)
            and abs(x - runner[0]) + 2 * abs(y - runner[1]) > 14]
    rng.shuffle(free)
    while len(cells) < want and free:
        x, y = free.pop()
        rows[y] = rows[y][:x] + "$" + rows[y][x + 1:]
        cells.append((x, y))
    return rows


def main():
    tool, outdir = sys.argv[1], sys.argv[2]
    only = int(sys.argv[3]) if len(sys.argv) > 3 else 0
    size = int(sys.argv[4]) if len(sys.argv) > 4 else 400
    with tempfile.TemporaryDirectory() as tmp:
        for set_no in (1, 2):
            if only and only != set_no:
                continue
            first = 1
            if set_no == 1:
                for number, rows in sorted(hand_levels.SET1.items()):
                    write_level(outdir, 1, number, rows)
                first = max(hand_levels.SET1) + 1
            cands = pool(tool, set_no, size, tmp)
            print("set %d: %d candidates" % (set_no, len(cands)), flush=True)
            picked = spread(cands, 76 - first)
            final = []
            for i, (diff, seed, rows, st) in enumerate(picked):
                rows = set_guards(rows, guards_for(set_no, i / (len(picked) - 1)), seed)
                path = os.path.join(tmp, "guards.txt")
                with open(path, "w", newline="\n") as f:
                    f.write(text_of(rows))
                st = stats(tool, path)
                final.append((st["difficulty"], seed, rows, st))
            final.sort(key=lambda c: (c[0], c[1]))
            # Neighbours of the same striking shape would feel repeated: swap one further on.
            for i in range(1, len(final) - 1):
                shape = generate.style_of(final[i][1])
                if shape in ("pyramid", "zigzag") and shape == generate.style_of(final[i - 1][1]):
                    for j in range(i + 1, min(len(final), i + 4)):
                        if generate.style_of(final[j][1]) != shape:
                            final[i], final[j] = final[j], final[i]
                            break
            for number, (diff, seed, rows, st) in zip(range(first, 76), final):
                write_level(outdir, set_no, number, rows)
                print("%d-%02d seed %d %s" % (set_no, number, seed, st), flush=True)


if __name__ == "__main__":
    main()
