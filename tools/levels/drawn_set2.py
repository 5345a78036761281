# Set 2, for experienced players. Its first levels bring every idea back with two or three
# guards; the guards then rise to eight near the end, with an easier level every five or so.
from drawn import level


@level(2, 1, "Rope bridges", "three ropes span an open pit; two guards wait at its bottom")
def _(g):
    for w in (2, 8, 14):
        g.h(w + 1, 0, 7)
        g.h(w + 1, 24, 31)
        g.h(w, 8, 23, "-")
    g.h(21, 0, 31, "M")
    g.v(3, 2, 20)
    g.v(28, 0, 20)
    g.v(15, 14, 20)
    g.gold((2, 5), (8, 1), (14, 5), (20, 1), (2, 26), (8, 30), (14, 26), (20, 30), (20, 11), (20, 20),
           (8, 15))
    g.guards((20, 9), (20, 22))
    g.start(2, 1)


@level(2, 2, "Gold rain", "gold hangs under the gaps of two floors: walk off and fall through it")
def _(g):
    g.h(5, 0, 31)
    g.h(12, 0, 31)
    g.h(21, 0, 31)
    for c in (6, 13, 18, 25):
        g.put(5, c, " ")
    for c in (9, 22):
        g.put(12, c, " ")
    g.v(1, 0, 20)
    g.v(30, 2, 20)
    g.h(2, 2, 29, "-")
    g.gold((7, 6), (9, 6), (8, 13), (10, 13), (8, 18), (7, 25), (10, 25), (15, 9), (18, 9),
           (16, 22), (19, 22), (4, 28))
    g.guards((20, 12), (20, 20))
    g.start(4, 15)


@level(2, 3, "Trapdoors", "floors of brick with false bricks in them: the quick way down is through them")
def _(g):
    g.h(5, 0, 31)
    g.h(10, 0, 31)
    g.h(15, 0, 31)
    g.h(21, 0, 31, "M")
    g.at("U", (5, 12), (5, 20), (10, 7), (10, 16), (10, 25), (15, 11), (15, 22))
    g.v(0, 0, 20)
    g.v(31, 5, 20)
    g.gold((9, 12), (4, 20), (14, 7), (9, 16), (14, 25), (20, 11), (20, 22), (4, 8), (19, 30))
    g.guards((20, 14), (20, 26))
    g.start(4, 3)


@level(2, 4, "The sealed tower", "no ladder reaches the top until the last gold: then one rises inside the tower")
def _(g):
    g.v(1, 5, 20)
    g.h(6, 2, 9)
    g.h(11, 2, 11)
    g.h(16, 2, 9)
    g.gold((5, 6), (10, 8), (15, 6))
    g.guards((5, 4))
    g.mirror()
    g.v(12, 3, 19, "M")
    g.v(19, 3, 19, "M")
    g.h(3, 12, 19, "M")
    g.h(21, 0, 31)
    g.v(15, 0, 20, "#")
    g.gold((20, 13), (20, 18))
    g.start(20, 16)


@level(2, 5, "The well", "a stone well plugged with brick: dig down through it, plug by plug")
def _(g):
    g.v(1, 3, 20)
    g.h(4, 2, 11)
    g.h(9, 2, 11)
    g.h(14, 2, 11)
    g.gold((3, 5), (8, 9), (13, 4))
    g.mirror()
    g.h(21, 0, 31)
    g.v(12, 2, 19, "M")
    g.v(19, 2, 19, "M")
    for r in (6, 10, 14, 18):
        g.h(r, 13, 18)
    g.gold((5, 17), (9, 14), (13, 17), (17, 14), (20, 15))
    g.v(30, 0, 2)
    g.guards((20, 3), (20, 28), (8, 27))
    g.start(1, 15)


@level(2, 6, "The racetrack", "two long floors joined at both ends, gold all round and three guards running it: they pick the gold up")
def _(g):
    g.h(8, 0, 31)
    g.h(15, 0, 31)
    g.v(2, 7, 14)
    g.v(29, 7, 14)
    g.h(2, 12, 19, "M")
    g.v(15, 0, 7)
    g.gold((7, 8), (7, 12), (7, 20), (7, 25), (14, 6), (14, 12), (14, 18), (14, 24), (1, 18))
    g.guards((14, 4), (14, 16), (14, 27))
    g.fill(19, 0, 21, 31, "M")
    g.start(1, 13)


@level(2, 7, "Two holes", "a low brick gallery where guards come two at a time: dig two holes to hold them both")
def _(g):
    g.h(3, 0, 31)
    g.h(9, 4, 27, "M")
    g.h(12, 0, 31)
    g.h(21, 0, 31)
    g.v(2, 0, 11)
    g.v(29, 0, 11)
    g.v(15, 12, 20)
    g.gold((2, 5), (2, 26), (11, 8), (11, 14), (11, 20), (20, 4), (20, 26), (20, 20))
    g.guards((11, 24), (11, 27), (20, 29))
    g.start(2, 15)


@level(2, 8, "The vault", "gold locked in solid stone: dig in through its brick roof and out through its floor")
def _(g):
    g.box(7, 9, 15, 22, "M")
    g.h(7, 0, 8)
    g.h(7, 23, 31)
    g.h(7, 14, 17)
    g.h(15, 11, 12)
    g.h(15, 19, 20)
    g.h(21, 0, 31)
    g.v(2, 0, 20)
    g.v(29, 7, 20)
    g.gold((14, 13), (14, 15), (14, 16), (14, 18), (10, 14), (6, 4), (6, 27), (20, 6), (20, 25))
    g.guards((20, 12), (20, 19), (6, 30))
    g.start(6, 1)


@level(2, 9, "The great stair", "a brick pyramid to walk down step by step; a rope over it takes you back to the top")
def _(g):
    g.pyramid(8, 15, 13)
    g.h(21, 0, 31)
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.h(4, 2, 29, "-")
    g.gold((9, 13), (11, 19), (13, 9), (15, 23), (17, 5), (19, 27), (20, 2), (20, 29), (5, 8))
    g.guards((20, 0), (20, 31))
    g.start(7, 15)


@level(2, 10, "Rope maze", "ropes broken at different places with short ladders between: find the way down and back")
def _(g):
    g.h(1, 13, 17, "M")
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.h(4, 2, 29, "-")
    g.h(8, 2, 29, "-")
    g.h(12, 2, 29, "-")
    g.h(16, 2, 29, "-")
    g.at(" ", (8, 10), (8, 21), (12, 15), (12, 16), (16, 6), (16, 25))
    g.v(8, 4, 8)
    g.v(23, 4, 8)
    g.v(13, 8, 12)
    g.v(18, 8, 12)
    g.v(4, 12, 16)
    g.v(27, 12, 16)
    g.h(21, 0, 31)
    g.gold((10, 10), (10, 21), (14, 15), (18, 16), (18, 6), (18, 25), (6, 3), (6, 28), (20, 12), (20, 19))
    g.guards((20, 4), (20, 27), (20, 15))
    g.start(0, 15)


@level(2, 11, "Three towers", "three brick towers of different heights with ladders in the clefts between them")
def _(g):
    g.fill(12, 1, 20, 7)
    g.fill(6, 9, 20, 22)
    g.fill(9, 24, 20, 30)
    g.v(0, 11, 20)
    g.v(8, 5, 20)
    g.v(23, 5, 20)
    g.v(31, 8, 20)
    g.h(21, 0, 31, "M")
    g.v(15, 0, 5, "#")
    g.gold((11, 3), (11, 6), (5, 11), (5, 20), (8, 26), (8, 29), (4, 23), (4, 8))
    g.guards((20, 0), (20, 31), (8, 30))
    g.start(5, 13)


@level(2, 12, "Zigzag", "a brick ramp runs down to the right and another back to the left; a rope at the top starts it again")
def _(g):
    steps_a = []
    for k in range(15):
        r = 3 + k // 2
        g.h(r, 2 * k, 2 * k + 1)
        steps_a.append((r - 1, 2 * k))
    steps_b = []
    for k in range(15):
        r = 11 + k // 2
        g.h(r, 30 - 2 * k, 31 - 2 * k)
        steps_b.append((r - 1, 31 - 2 * k))
    g.h(2, 1, 30, "-")
    g.v(31, 0, 20)
    g.h(21, 0, 31, "M")
    g.gold(*[steps_a[i] for i in (3, 6, 9, 12)])
    g.gold(*[steps_b[i] for i in (2, 5, 8, 11)])
    g.gold((20, 5), (20, 16))
    g.guards((20, 10), (20, 20), (20, 27))
    g.start(1, 0)


@level(2, 13, "Ladder forest", "eight tall ladders with short brick floors hung between them at every height")
def _(g):
    cols = [2, 6, 10, 14, 17, 21, 25, 29]
    for c in cols:
        g.v(c, 1, 20)
    floors = [(4, 3, 5), (9, 3, 5), (15, 3, 5), (6, 7, 9), (12, 7, 9), (18, 7, 9), (3, 11, 13),
              (10, 11, 13), (16, 11, 13), (7, 15, 16), (13, 15, 16)]
    for r, a, b in floors:
        g.h(r, a, b)
        g.h(r, 31 - b, 31 - a)
    g.h(21, 0, 31)
    g.v(15, 0, 6, "#")
    g.v(16, 0, 6, "#")
    g.gold((3, 4), (14, 4), (5, 8), (17, 8), (2, 12), (15, 12), (12, 15), (8, 27), (11, 23),
           (2, 19), (17, 23))
    g.guards((20, 0), (20, 31), (20, 12), (20, 19))
    g.start(6, 16)


@level(2, 14, "The cavern", "an open cave of stone with brick ledges and two ladders: room to run")
def _(g):
    rows = [
        "MMMMMMMMMM.......H.....MMMMMMMMM",
        "MMMMMM...........H.........MMMMM",
        "MMM..............H............MM",
        "MM....*..........H..........*..M",
        "M...TTTHTTT......H.....TTHTTTT..",
        "M................H..............",
        "MM...............H............MM",
        "MMM............TTTTTT.........MM",
        "MMMM..H..................H....MM",
        "MMM...H..................H....MM",
        "MM....H..*........*......H....HM",
        "M...TTTTTTTT.........TTTTTTTTTHM",
        "M.............................HM",
        "M.............................HM",
        "MM.....*.............*........HM",
        "MMM..TTTTTTTTTTHTTTTTTTTTTTTTTHM",
        "MM.............H..............MM",
        "M..............H...............M",
        "M..*...........H.............*.M",
        "MTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTM",
        "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM",
        "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM",
    ]
    for r, row in enumerate(rows):
        g.s(r, 0, row)
    g.v(6, 4, 10)
    g.v(25, 4, 10)
    g.put(4, 7, "T")
    g.h(3, 7, 16, "-")
    g.h(3, 18, 22, "-")
    g.guards((18, 5), (18, 27), (10, 28))
    g.start(6, 16)
