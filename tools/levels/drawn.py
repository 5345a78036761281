#!/usr/bin/env python3
"""Writes the drawn levels and the list of their ideas in docs/levels.md.

Every level is drawn by hand. Set 1's lessons (levels 1-10) are rows of text in
hand_levels.py; the other 140 are composed in drawn_set1.py and drawn_set2.py: a function per
level that places floors, walls, ladders, ropes, gold and the actors at chosen cells of a Grid,
under a @level(set, number, name, idea) header. Nothing is random.

    drawn.py [ASSETS_DIR]        write the files (default assets/dat) and the docs list
    drawn.py --print S-NN ...    show levels as text
"""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
W, H = 32, 22
LEVELS = {}


class Grid:
    """Rows 0..21 (0 on top), columns 0..31; every method clips nothing and checks its cells."""

    def __init__(self):
        self.cells = [[" "] * W for _ in range(H)]

    def put(self, r, c, ch):
        if not (0 <= r < H and 0 <= c < W):
            raise ValueError("cell (%d, %d) is off the grid" % (r, c))
        self.cells[r][c] = ch

    def h(self, r, c0, c1, ch="T"):  # a run along a row, both ends included
        for c in range(min(c0, c1), max(c0, c1) + 1):
            self.put(r, c, ch)

    def v(self, c, r0, r1, ch="H"):  # a run down a column, both ends included
        for r in range(min(r0, r1), max(r0, r1) + 1):
            self.put(r, c, ch)

    def fill(self, r0, c0, r1, c1, ch="T"):
        for r in range(r0, r1 + 1):
            self.h(r, c0, c1, ch)

    def box(self, r0, c0, r1, c1, ch="M"):  # the outline of a rectangle
        self.h(r0, c0, c1, ch)
        self.h(r1, c0, c1, ch)
        self.v(c0, r0, r1, ch)
        self.v(c1, r0, r1, ch)

    def s(self, r, c, text):  # a drawn piece of a row; '.' is air, '_' leaves the cell alone
        for i, ch in enumerate(text):
            if ch != "_":
                self.put(r, c + i, " " if ch == "." else ch)

    def at(self, ch, *cells):  # the same cell kind at several (row, column) places
        for r, c in cells:
            self.put(r, c, ch)

    def gold(self, *cells):
        self.at("*", *cells)

    def guards(self, *cells):
        self.at("$", *cells)

    def start(self, r, c):
        self.put(r, c, "!")

    def pyramid(self, top, c, rows, ch="T"):  # a stepped pyramid whose apex is at (top, c)
        for i in range(rows):
            self.h(top + i, max(0, c - i), min(W - 1, c + i), ch)

    def mirror(self):  # the left half copied onto the right, mirrored
        for row in self.cells:
            for c in range(W // 2):
                row[W - 1 - c] = row[c]

    def text(self):
        return "".join("".join(row) + "\n" for row in self.cells)


def level(set_no, number, name, idea):
    def wrap(build):
        LEVELS[(set_no, number)] = (name, idea, build)
        return build
    return wrap


def lesson(set_no, number, name, idea):
    LEVELS[(set_no, number)] = (name, idea, None)


def load():
    sys.path.insert(0, HERE)
    sys.modules.setdefault("drawn", sys.modules[__name__])  # run as a script, one LEVELS
    import drawn_set1  # noqa: F401
    import drawn_set2  # noqa: F401


def build(key):
    name, idea, fn = LEVELS[key]
    if fn is None:
        import hand_levels
        rows = [row.ljust(W) for row in hand_levels.SET1[key[1]]]
        if len(rows) != H or any(len(row) != W for row in rows):
            raise SystemExit("%d-%02d: not 22 rows of 32 cells" % key)
        return "".join(row + "\n" for row in rows)
    g = Grid()
    fn(g)
    text = g.text()
    runners = text.count("!")
    if runners != 1:
        raise SystemExit("%d-%02d: %d runner starts" % (key[0], key[1], runners))
    return text


def write_docs():
    doc = os.path.join(ROOT, "docs", "levels.md")
    with open(doc) as f:
        text = f.read()
    start, end = "<!-- level ideas -->", "<!-- end of level ideas -->"
    lines = [start, "| level | name | the idea |", "|---|---|---|"]
    for key in sorted(LEVELS):
        name, idea, _fn = LEVELS[key]
        lines.append("| %d-%02d | %s | %s |" % (key[0], key[1], name, idea))
    lines.append(end)
    if start not in text:
        raise SystemExit("docs/levels.md has no '%s' marker" % start)
    text = re.sub(re.escape(start) + ".*?" + re.escape(end), lambda _m: "\n".join(lines), text,
                  flags=re.S)
    with open(doc, "w") as f:
        f.write(text)


def main(argv):
    load()
    if len(argv) > 2 and argv[1] == "--print":
        for name in argv[2:]:
            s, n = name.split("-")
            print(name)
            print("\n".join("|" + row + "|" for row in build((int(s), int(n))).splitlines()))
        return
    out = argv[1] if len(argv) > 1 else os.path.join(ROOT, "assets", "dat")
    for key in sorted(LEVELS):
        path = os.path.join(out, "levels%d_full" % key[0], "%02d.txt" % key[1])
        with open(path, "w", newline="\n") as f:
            f.write(build(key))
    write_docs()


if __name__ == "__main__":
    main(sys.argv)
