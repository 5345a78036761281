"""Seeded level generator: floors of bricks and stone joined by ladders, with ropes, shafts,
shelves under the floors that only a dug hole reaches, false bricks, dividing walls and an exit
that may stay hidden until the last gold. A knob `d` (0..1) sets how hard a level is.

Every candidate is checked by quarrik-levels: gold it cannot prove reachable is removed, and a
level that still fails is thrown away."""
import random

W, H = 32, 22


class Grid:
    def __init__(self):
        self.c = [[" "] * W for _ in range(H)]

    def get(self, x, y):
        if x < 0 or x >= W or y >= H:
            return "M"
        if y < 0:
            return "M"
        return self.c[y][x]

    def set(self, x, y, ch):
        if 0 <= x < W and 0 <= y < H:
            self.c[y][x] = ch

    def rows(self):
        return ["".join(r) for r in self.c]

    def blocking(self, x, y):
        return self.get(x, y) in "TM"

    def standing(self, x, y):
        """Empty cell the runner can stand in (on a floor, the top of a ladder, or a rope)."""
        ch = self.get(x, y)
        if ch not in " -":
            return False
        if ch == "-":
            return True
        below = self.get(x, y + 1)
        return below in "TMH"


def floor_rows(rng, d):
    ys = [21]
    y = 21
    while True:
        y -= rng.choice([3, 4, 4, 5] if d < 0.5 else [3, 3, 4, 4, 5])
        if y < 2:
            break
        ys.append(y)
    return sorted(ys)


def segments(rng, width, d, mirror):
    """Runs of floor across `width` cells: a list of (x0, x1) inclusive."""
    segs = []
    x = rng.randint(0, 3)
    while x < width:
        n = rng.randint(4, 12 if mirror else 16)
        segs.append((x, min(width - 1, x + n - 1)))
        x += n + rng.choice([1, 2, 2, 3, 4])
    return segs


def style_of(seed):
    """The layout family a seed gets (drawn first from the same generator as the rest)."""
    rng = random.Random(seed)
    rng.random()
    return rng.choice(STYLES)


STYLES = ["floors", "floors", "walls", "shafts", "ropes", "pyramid", "zigzag"]


def generate(seed, d, set_no, style=None):
    rng = random.Random(seed)
    g = Grid()
    mirror = rng.random() < 0.5
    style = style or rng.choice(STYLES)
    if style == "pyramid":
        mirror = True
    elif style == "zigzag":
        mirror = False
    half = W // 2 if mirror else W
    ys = floor_rows(rng, d)
    solid_p = 0.08 + 0.35 * d + (0.1 if set_no == 2 else 0)

    # Floors.
    for y in ys:
        if y == 21:
            ground = "M" if rng.random() < 0.25 else "T"
            for x in range(W):
                g.set(x, y, ground)
            continue
        k = len([v for v in ys if v > y])  # floors below this one
        if style == "pyramid":
            runs = [(min(12, 1 + 2 * k), half - 1)]
            if rng.random() < 0.4:
                runs = [(runs[0][0], half - 3)]  # a gap in the middle
        elif style == "zigzag":
            runs = [(0, W - 6)] if k % 2 else [(5, W - 1)]
            if rng.random() < 0.5:
                a = rng.randint(8, W - 10)
                runs = [(runs[0][0], a), (a + 2, runs[0][1])]
        else:
            runs = segments(rng, half, d, mirror)
        for x0, x1 in runs:
            kind = "M" if rng.random() < solid_p else "T"
            for x in range(x0, x1 + 1):
                g.set(x, y, kind)
            if kind == "T" and rng.random() < solid_p:
                # A stone patch inside a brick run: no digging just there.
                a = rng.randint(x0, x1)
                for x in range(a, min(x1, a + rng.randint(1, 3)) + 1):
                    g.set(x, y, "M")
    if mirror:
        for y in range(H):
            for x in range(half):
                g.set(W - 1 - x, y, g.get(x, y))

    # Dividing walls with doors, for some styles.
    if style == "walls":
        for wx in rng.sample([9, 10, 15, 16, 21, 22], rng.randint(1, 2)):
            top = rng.choice(ys[:2])
            for y in range(top, 21):
                g.set(wx, y, rng.choice("MMT") if y not in ys else g.get(wx, y) or "M")
            for y in ys:
                if y > top and rng.random() < 0.6:
                    g.set(wx, y - 1, " ")  # a door at the standing row
    if style == "shafts":
        for sx in rng.sample(range(3, 29), 2):
            for y in range(ys[0] + 1, 21):
                if g.get(sx, y) in "TM" and rng.random() < 0.7:
                    g.set(sx, y, " ")

    # A ladder down from most floor runs to whatever lies below; runs left without one are
    # reached only by falling or digging.
    skip_p = 0.1 + 0.35 * d
    ladder_cols = []
    for y in ys[:-1]:
        x = 0
        while x < half:
            if not g.blocking(x, y):
                x += 1
                continue
            x1 = x
            while x1 + 1 < half and g.blocking(x1 + 1, y):
                x1 += 1
            run = [c for c in range(x, x1 + 1) if g.get(c, y - 1) == " "
                   and all(abs(c - lc) > 2 for lc in ladder_cols)
                   and not (mirror and abs(W - 1 - 2 * c) <= 2)]
            if run and x1 - x >= 2 and rng.random() > skip_p:
                c = rng.choice(run)
                for cc in ([c, W - 1 - c] if mirror else [c]):
                    yy = y
                    while yy < 21 and (yy == y or not g.blocking(cc, yy)):
                        g.set(cc, yy, "H")
                        yy += 1
                    ladder_cols.append(cc)
            x = x1 + 1

    # The way out: a ladder of the top floor goes on up to the top row, in view or hidden
    # until the last gold.
    top = ys[0]
    hidden_p = 0.2 + 0.5 * d
    tops = [x for x in ladder_cols if g.get(x, top) == "H"]
    exits = tops or [x for x in range(W) if g.blocking(x, top) and g.get(x, top - 1) == " "]
    if exits:
        x = rng.choice(exits)
        ch = "#" if rng.random() < hidden_p else "H"
        for y in range(0, top):
            g.set(x, y, ch)

    # A hidden ladder from one floor up through the next: a hole in the upper floor until the
    # last gold, then a way back up.
    if rng.random() < hidden_p:
        for _ in range(20):
            x = rng.randint(1, W - 2)
            low = rng.choice(ys[1:])
            up = max(y for y in ys if y < low)
            if g.get(x, low) in "TM" and g.get(x, up) in "TM" and g.get(x, up - 1) == " " \
                    and all(g.get(x, y) == " " for y in range(up + 1, low)):
                for y in range(up - 1, low):
                    g.set(x, y, "#")
                break

    # Ropes: across floor gaps, and hung from ladders into open space.
    rope_p = 0.45 if style == "ropes" else 0.2
    for y in ys[1:-1] + [ys[0]]:
        x = 0
        while x < W:
            if not g.blocking(x, y) and g.get(x, y) == " " and x > 0 and g.blocking(x - 1, y):
                x1 = x
                while x1 < W and g.get(x1, y) == " ":
                    x1 += 1
                if x1 < W and x1 - x >= 2 and rng.random() < rope_p * 2:
                    for xx in range(x - 1, x1 + 1):
                        if g.get(xx, y - 1) == " ":
                            g.set(xx, y - 1, "-")
                x = x1
            x += 1
    for x in list(ladder_cols):
        if rng.random() < rope_p:
            y = rng.randint(1, 20)
            if g.get(x, y) != "H" or g.get(x, y + 1) in "TM":
                continue
            direction = rng.choice([-1, 1])
            n = rng.randint(4, 12)
            for i in range(1, n + 1):
                xx = x + direction * i
                if g.get(xx, y) != " " or g.get(xx, y - 1) == "H":
                    break
                g.set(xx, y, "-")

    # Shelves under brick floors that only a dug hole reaches; the open end drops back out.
    shelves = int(round(d * 4 + rng.random() + (1 if set_no == 2 else 0)))
    tries = 0
    while shelves > 0 and tries < 60:
        tries += 1
        y = rng.choice(ys[:-1])
        low = min(v for v in ys if v > y)
        if low - y < 3:
            continue
        x = rng.randint(1, W - 5)
        if not all(g.get(x + i, y) == "T" for i in range(4)):
            continue
        if not all(g.get(x + i, y + 1) == " " and g.get(x + i, y + 2) == " " for i in range(-1, 5)):
            continue
        wall = rng.choice([0, 3])
        for i in range(4):
            g.set(x + i, y + 2, "M")
        g.set(x + wall, y + 1, "M")
        g.set(x + (1 if wall == 0 else 2), y + 1, "*")
        shelves -= 1

    # False bricks: floors that give way.
    for _ in range(int(d * 4 + rng.random() * 2)):
        y = rng.choice(ys[:-1])
        x = rng.randint(1, W - 2)
        if g.get(x, y) == "T" and g.get(x, y - 1) == " " and "H" not in (g.get(x - 1, y), g.get(x + 1, y)):
            g.set(x, y, "U")

    # Gold spread over the screen, one per band of columns and floors.
    n_gold = int(5 + d * 11 + rng.random() * 3) + (4 if set_no == 2 else 0)
    spots = [(x, y) for y in range(H) for x in range(W) if g.standing(x, y)]
    # Gold hanging in shafts is taken while falling.
    spots += [(x, y) for y in range(1, 21) for x in range(W)
              if g.get(x, y) == " " and g.get(x, y - 1) == " " and not g.standing(x, y)
              and rng.random() < 0.05]
    rng.shuffle(spots)
    placed = []
    for x, y in spots:
        if len(placed) >= n_gold:
            break
        if all(abs(x - px) + abs(y - py) > 5 for px, py in placed):
            g.set(x, y, "*")
            placed.append((x, y))

    # The runner on the ground or the top floor, the guards far from it.
    free = [(x, y) for y in range(H) for x in range(W) if g.get(x, y) == " " and g.standing(x, y)]
    if not free:
        return None
    start_row = 20 if rng.random() < 0.6 else top - 1
    cand = [p for p in free if p[1] == start_row] or free
    rx, ry = rng.choice(cand)
    g.set(rx, ry, "!")
    if set_no == 1:
        n_guards = min(5, int(1 + d * 4 + rng.random() * 0.8))
    else:
        n_guards = min(8, int(2.5 + d * 5.5 + rng.random() * 0.9))
    far = [p for p in free if abs(p[0] - rx) + 2 * abs(p[1] - ry) > 14 and g.get(*p) == " "]
    rng.shuffle(far)
    for x, y in far[:n_guards]:
        g.set(x, y, "$")
    return g.rows()
