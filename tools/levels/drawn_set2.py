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
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
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
    g.h(21, 0, 31, "M")
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


@level(2, 9, "The great stair", "a brick pyramid on a floor to walk down step by step, a passage under it and a rope back to the top: a breather")
def _(g):
    g.pyramid(8, 15, 10)
    g.h(18, 3, 28)
    g.h(21, 0, 31, "M")
    g.h(4, 2, 29, "-")
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.gold((9, 13), (11, 19), (13, 9), (15, 23), (17, 5), (20, 10), (20, 20), (5, 8), (17, 27))
    g.guards((20, 4), (20, 27))
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
    g.v(0, 3, 20)
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


@level(2, 19, "Diamond", "a great brick diamond: gold on its floors inside, a ladder down its middle, guards outside its corners")
def _(g):
    for i in range(10):
        g.put(1 + i, 15 - i, "T")
        g.put(1 + i, 16 + i, "T")
        if i > 0:
            g.put(20 - i, 15 - i, "T")
            g.put(20 - i, 16 + i, "T")
    g.h(6, 11, 20)
    g.h(11, 7, 24)
    g.h(16, 11, 20)
    g.v(15, 0, 20)
    g.h(21, 0, 31, "M")
    g.v(1, 8, 20)
    g.v(30, 8, 20)
    g.h(8, 0, 3)
    g.h(8, 28, 31)
    g.h(2, 2, 12, "-")
    g.h(2, 19, 29, "-")
    g.v(2, 2, 7)
    g.v(29, 2, 7)
    g.gold((5, 13), (5, 18), (10, 9), (10, 22), (15, 12), (15, 19), (20, 11), (7, 1), (7, 30), (20, 3), (20, 28))
    g.guards((20, 0), (20, 31), (1, 6), (1, 25))
    g.start(10, 16)


@level(2, 23, "The moat", "locked in a stone castle on stilts: dig out through its brick door into the moat, and back in through its roof")
def _(g):
    g.box(4, 9, 14, 22, "M")
    g.h(4, 14, 17)
    g.h(14, 14, 17)
    g.h(9, 10, 21)
    g.v(12, 5, 13)
    g.v(19, 5, 13)
    g.h(14, 0, 7)
    g.h(14, 24, 31)
    g.h(21, 0, 31)
    g.v(7, 14, 20)
    g.v(24, 14, 20)
    g.v(3, 0, 13)
    g.v(28, 0, 13)
    g.h(2, 4, 27, "-")
    g.gold((13, 11), (13, 20), (8, 14), (8, 17), (3, 15), (20, 10), (20, 21), (13, 1), (13, 30), (6, 5), (6, 26))
    g.guards((20, 9), (20, 22), (13, 1 + 1), (13, 29), (20, 15))
    g.start(8, 15)


@level(2, 25, "Shelves", "a bookcase of stone shelves with gold on every shelf and ladders at their ends")
def _(g):
    for r in (4, 8, 12, 16):
        g.h(r, 1, 9, "M")
        g.h(r, 11, 20, "M")
        g.h(r, 22, 30, "M")
    g.v(0, 1, 20)
    g.v(10, 4, 20)
    g.v(21, 4, 20)
    g.v(31, 1, 20)
    g.h(21, 0, 31, "M")
    g.gold((3, 5), (7, 3), (11, 7), (15, 4), (3, 15), (7, 17), (11, 14), (15, 16), (3, 26), (7, 28),
           (11, 24), (15, 27), (20, 15))
    g.guards((20, 3), (20, 28), (3, 28), (20, 13))
    g.start(3, 2)


@level(2, 26, "The brick pit", "a solid block of brick fills the bottom: the gold lies in pits of different depths, a ladder in each")
def _(g):
    g.fill(12, 0, 21, 31)
    g.h(21, 0, 31, "M")
    for c, depth in ((4, 1), (9, 2), (14, 3), (19, 3), (24, 2), (28, 1)):
        for d in range(1, depth + 1):
            g.put(12 + d, c, " ")
        g.v(c + 1, 12, 12 + depth)
        g.put(12 + depth, c, "*")
    g.v(0, 2, 11)
    g.v(31, 2, 11)
    g.h(3, 1, 30, "-")
    g.h(7, 6, 25)
    g.v(15, 0, 6)
    g.gold((6, 8), (6, 23), (11, 12), (11, 18))
    g.guards((11, 2), (11, 29), (11, 12 - 1), (11, 20), (11, 7))
    g.start(6, 13)


@level(2, 30, "Stilts", "a long brick deck on stone teeth over a rope: dig through the deck to fall between the teeth")
def _(g):
    g.h(8, 0, 31)
    for c in (3, 7, 11, 15, 19, 23, 27):
        g.v(c, 9, 12, "M")
    g.h(14, 2, 29, "-")
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.h(21, 0, 31, "M")
    g.gold((10, 5), (11, 9), (10, 13), (11, 17), (10, 21), (11, 25), (20, 8), (20, 23), (7, 29), (3, 2))
    g.guards((20, 4), (20, 12), (20, 20), (20, 28))
    g.start(7, 15)


@level(2, 32, "The cross", "a cross of brick floors and ladders divides the screen into four rooms with two doors on the shaft, one guard in each")
def _(g):
    g.h(10, 0, 31)
    g.fill(0, 14, 21, 17, "T")
    g.v(15, 0, 21, "H")
    g.v(16, 0, 21, "H")
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    for r in (5, 15):
        g.h(r, 2, 11)
        g.h(r, 20, 29)
    g.v(1, 1, 9)
    g.v(30, 1, 9)
    g.v(1, 11, 20)
    g.v(30, 11, 20)
    g.at(" ", (9, 14), (9, 17), (20, 14), (20, 17))
    # Doors from the shaft on to each room's upper floor too: with one door a room, its guard
    # met the runner in it with no way round.
    g.at(" ", (4, 14), (4, 17), (14, 14), (14, 17))
    g.gold((4, 6), (4, 25), (9, 8), (9, 23), (14, 5), (14, 26), (20, 8), (20, 23), (1, 1 + 1), (1, 29), (11, 11), (11, 20))
    # One guard to a room: a fifth one made the bottom left room a trap with no way round.
    g.guards((20, 27), (4, 3), (4, 28), (14, 9))
    g.start(0, 15)


@level(2, 33, "Six chambers", "stone walls cut the screen into six chambers, each with its ladder, its shelf and its guard")
def _(g):
    g.h(11, 0, 31, "M")
    g.h(21, 0, 31, "M")
    g.v(10, 0, 20, "M")
    g.v(21, 0, 20, "M")
    g.at(" ", (10, 10), (10, 21), (20, 10), (20, 21))
    for r in (6, 16):
        g.h(r, 1, 9)
        g.h(r, 11, 20)
        g.h(r, 22, 30)
    g.v(5, 1, 20)
    g.v(15, 0, 20)
    g.v(26, 1, 20)
    g.gold((5, 2), (5, 8), (5, 12), (5, 19), (5, 23), (5, 30), (15, 2), (15, 8), (15, 12), (15, 19),
           (15, 23), (15, 30), (10, 13), (20, 28))
    g.guards((20, 2), (20, 29), (10, 2), (10, 29), (20, 18))
    g.start(5, 16)


@level(2, 36, "Hourglass", "stone walls narrow to a neck in the middle; floors across it and gold in the corners outside")
def _(g):
    for i in range(10):
        g.put(1 + i, 1 + i, "M")
        g.put(20 - i, 1 + i, "M")
    g.h(4, 5, 15)
    g.h(7, 8, 15)
    g.h(14, 8, 15)
    g.h(17, 5, 15)
    g.v(13, 0, 20)
    g.v(0, 0, 20)
    g.h(10, 1, 7)
    g.h(16, 1, 2)
    g.h(0, 1, 12, "-")
    g.gold((3, 7), (6, 10), (13, 10), (16, 7), (9, 3), (15, 1), (20, 9))
    g.mirror()
    # Brick under the bottom walk, stone under the neck: the guards that come down to the
    # corner gold can be held in holes there.
    g.s(21, 0, "TTTTTTTTTTTTMMMMMMMMTTTTTTTTTTTT")
    g.guards((3, 8), (3, 23), (9, 2), (9, 29), (6, 9), (6, 22))
    g.start(20, 15)


@level(2, 42, "The funnel", "brick steps slope in from both sides to a ladder in the middle and a false floor under it")
def _(g):
    for k in range(7):
        g.h(3 + 2 * k, 2 * k, 2 * k + 1)
        g.put(2 + 2 * k, 2 * k, "*") if k % 2 == 1 else None
    g.v(0, 0, 20)
    g.mirror()
    g.v(15, 0, 16)
    g.v(16, 0, 16)
    g.h(17, 5, 26)
    g.at("U", (17, 12), (17, 19))
    g.h(21, 0, 31)
    g.gold((20, 8), (20, 23), (20, 15), (16, 9), (16, 22), (1, 15 - 1))
    g.guards((20, 2), (20, 29), (2, 1), (2, 30), (20, 11), (20, 20))
    g.start(16, 15)


@level(2, 46, "Checkerboard", "floors of brick squares with gaps between, each row shifted: fall from square to square")
def _(g):
    for i, r in enumerate((4, 8, 12, 16)):
        off = 0 if i % 2 == 0 else 4
        for c in range(2 + off, 30, 8):
            g.h(r, c, min(c + 3, 29))
            g.put(r - 1, c + 1, "*") if (c // 8 + i) % 2 == 0 else None
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.h(21, 0, 31)
    g.at("-", *[(2, c) for c in range(1, 31)])
    g.guards((20, 5), (20, 12), (20, 19), (20, 26), (15, 7), (15, 24))
    g.start(1, 15)


@level(2, 48, "Twin shafts", "two stone shafts plugged with brick at staggered depths: dig down each for its gold")
def _(g):
    for a, b, plugs in ((6, 11, (5, 9, 13, 17)), (20, 25, (7, 11, 15))):
        g.v(a, 2, 19, "M")
        g.v(b, 2, 19, "M")
        for r in plugs:
            g.h(r, a + 1, b - 1)
            g.put(r - 1, a + 2 + (r % 3), "*")
    # Brick under the open ground between the shafts, where four guards walk.
    g.s(21, 0, "TTTTTTTMMMMTTTTTTTTTTMMMMTTTTTTT")
    g.h(2, 0, 5)
    g.h(2, 12, 19)
    g.h(2, 26, 31)
    g.v(2, 2, 20)
    g.v(15, 2, 20)
    g.v(29, 0, 20)
    g.h(10, 12, 14)
    g.h(14, 16, 19)
    g.gold((9, 13), (13, 18), (20, 1), (20, 30))
    g.guards((20, 4), (20, 13), (20, 17), (20, 27), (9, 12), (13, 19))
    g.start(1, 8)


@level(2, 61, "The arena", "an open arena under a rope, stands of ledges with ladders front and back on both sides and a brick pedestal in the middle")
def _(g):
    for r in (5, 9, 13, 17):
        g.h(r, 0, 5)
    g.v(6, 1, 20)
    # A ladder at the back of each stand as well: with only the one at the front, a guard
    # coming up it cornered the runner on a ledge.
    g.v(0, 4, 20)
    g.h(2, 7, 15, "-")
    g.gold((4, 2), (8, 4), (12, 1), (16, 3), (6, 10), (9, 12), (12, 14))
    g.mirror()
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    g.fill(17, 13, 20, 18)
    g.h(16, 14, 17)
    g.gold((15, 15), (15, 16), (20, 9), (20, 22))
    g.guards((4, 1), (4, 30), (12, 3), (12, 28), (20, 1), (20, 30), (20, 11))
    g.start(15, 14)


@level(2, 62, "Hanging gardens", "ropes at every height with gold hanging under them like fruit: let go above each piece")
def _(g):
    g.h(3, 2, 13, "-")
    g.h(3, 18, 29, "-")
    g.h(7, 6, 25, "-")
    g.h(11, 2, 11, "-")
    g.h(11, 20, 29, "-")
    g.h(15, 8, 23, "-")
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.v(14, 3, 7)
    g.v(17, 3, 7)
    g.v(12, 11, 15)
    g.v(19, 11, 15)
    g.h(21, 0, 31, "M")
    g.h(18, 3, 28)
    g.gold((5, 4), (6, 11), (5, 21), (6, 27), (9, 8), (10, 16), (9, 24), (13, 4), (14, 9), (13, 22), (14, 27),
           (17, 10), (17, 21), (20, 2), (20, 29), (1, 15))
    g.guards((20, 4), (20, 8), (20, 12), (20, 19), (20, 23), (20, 27), (17, 15))
    g.h(3, 15, 16)
    g.at(" ", (1, 15))
    g.gold((2, 16))
    g.start(2, 15)


@level(2, 70, "The fortress", "a stone fortress with brick gates: dig out at its gate, back in through the roof, and leave by a ladder that rises in it")
def _(g):
    g.box(4, 4, 19, 27, "M")
    g.h(4, 8, 10)
    g.h(4, 21, 23)
    g.h(19, 14, 17)
    g.box(10, 11, 16, 20, "M")
    g.h(10, 14, 17)
    g.v(6, 5, 18)
    g.v(25, 5, 18)
    g.h(9, 7, 10)
    g.h(9, 21, 24)
    g.h(15, 7, 10)
    g.h(15, 21, 24)
    # The inner hall's ladder goes up through its roof: with only the hidden ladder's gap above
    # it, the hall was a pit that the guards fell into after the runner.
    g.v(15, 10, 15)
    g.h(21, 0, 31, "M")
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.h(1, 2, 29, "-")
    g.v(15, 0, 9, "#")
    g.gold((8, 8), (8, 23), (14, 8), (14, 23), (18, 9), (18, 22), (15, 13), (15, 18), (12, 17), (3, 13),
           (20, 3), (20, 28))
    # All guards start outside the fortress: two in it with the runner held him on his ledge.
    g.guards((20, 2), (20, 29), (20, 8), (20, 23), (3, 5), (3, 26), (20, 15))
    g.start(8, 9)

@level(2, 72, "Labyrinth", "five bands of stone-walled rooms on brick floors joined by ladders in odd places: find the one path up")
def _(g):
    # Brick floors: on stone its eight guards could not be held anywhere in the maze.
    for r in (4, 8, 12, 16):
        g.h(r, 0, 31)
    g.h(21, 0, 31)
    bands = {(0, 3): (10, 21), (5, 7): (6, 16, 25), (9, 11): (11, 20), (13, 15): (5, 15, 26),
             (17, 20): (9, 22)}
    for (top, bottom), walls in bands.items():
        for c in walls:
            g.v(c, top, bottom, "M")
    for floor, cols in ((4, (3, 18, 28)), (8, (1, 8, 23)), (12, (2, 13, 29)), (16, (4, 12, 17, 27))):
        for c in cols:
            g.v(c, floor - 1, floor + 3 if floor < 16 else floor + 4)
    g.at(" ", (20, 9), (11, 20))
    g.v(30, 7, 11)
    g.v(26, 0, 3, "#")
    g.gold((3, 5), (3, 14), (3, 27), (7, 4), (7, 11), (7, 20), (7, 30), (11, 6), (11, 16), (11, 25),
           (15, 1), (15, 10), (15, 20), (15, 30), (20, 6), (20, 15), (20, 28))
    g.guards((3, 8), (3, 12), (3, 24), (3, 30), (7, 13), (7, 19), (7, 27), (11, 17))
    g.start(20, 2)


@level(2, 73, "Ziggurat", "a stepped pyramid of stone with brick terraces and a ladder up each face of every step, over a gallery that joins its two sides")
def _(g):
    g.h(21, 0, 31, "M")
    g.h(20, 0, 31)
    # Three steps of stone under brick terraces four cells wide, where a file of guards can be
    # held in several holes. The lowest stands on a gallery (row 19), so the two sides meet
    # under the pyramid as well as over it: with only the way over the summit, seven guards
    # came along one lane of ledges.
    for i in range(3):
        top, c0, c1 = 16 - 4 * i, 4 + 4 * i, 27 - 4 * i
        g.fill(top, c0, min(18, top + 3), c1, "M")
        g.h(top, c0, c1)
        g.v(c0 - 1, top - 1, top + 3)
        g.v(c1 + 1, top - 1, top + 3)
    g.v(15, 0, 7, "#")
    g.gold((19, 1), (19, 20), (19, 30), (15, 5), (15, 26), (11, 9), (11, 22), (7, 13), (7, 18))
    # The guards start on the far side, two at each height and one on the summit, and come as
    # several files.
    g.guards((19, 23), (19, 31), (15, 25), (15, 27), (11, 21), (11, 23), (7, 19))
    g.start(19, 0)


@level(2, 15, "Scaffold", "a scaffold of ladders every six columns with planks of brick between them at changing heights")
def _(g):
    for c in (1, 7, 13, 19, 25, 30):
        g.v(c, 1, 20)
    planks = {(2, 6): (5, 13), (8, 12): (9, 17), (14, 18): (4, 11), (20, 24): (7, 15), (26, 29): (10, 17)}
    for (a, b), rows in planks.items():
        for r in rows:
            g.h(r, a, b)
    g.h(21, 0, 31, "M")
    g.gold((4, 4), (12, 5), (8, 10), (16, 10), (3, 16), (10, 16), (6, 22), (14, 22), (9, 27), (16, 28), (20, 16))
    g.guards((20, 4), (20, 22), (20, 27))
    g.start(0, 13)


@level(2, 16, "Sinkholes", "solid ground riddled with false bricks: the gold lies in the caves under the sinkholes")
def _(g):
    g.fill(6, 0, 8, 31, "M")
    g.fill(13, 0, 15, 31, "M")
    for c in (5, 12, 19, 26):
        g.v(c, 6, 8, "U")
    for c in (9, 22):
        g.v(c, 13, 15, "U")
    g.h(21, 0, 31)
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.h(2, 1, 30, "-")
    g.gold((5, 3), (5, 28), (11, 5), (11, 12), (11, 19), (11, 26), (18, 9), (20, 22), (5, 16), (20, 4), (20, 27))
    g.guards((20, 12), (20, 16), (5, 20), (11, 16))
    g.start(5, 8)


@level(2, 17, "The tree", "a ladder trunk with brick branches spreading out at every height, gold at the branch tips and in the roots")
def _(g):
    g.v(15, 0, 17)
    g.v(16, 0, 17)
    for r, a in ((4, 9), (8, 4), (12, 1), (16, 6)):
        g.h(r, a, 14)
        g.h(r, 17, 31 - a)
        g.put(r - 1, a, "*")
        g.put(r - 1, 31 - a, "*")
    g.fill(18, 0, 21, 31)
    g.h(18, 15, 16, "H")
    g.at(" ", (19, 12), (19, 13), (19, 18), (19, 19), (20, 8), (20, 9), (20, 22), (20, 23))
    g.gold((19, 12), (19, 19), (20, 8), (20, 23))
    g.v(14, 19, 19)
    g.v(17, 19, 19)
    g.v(10, 19, 20)
    g.v(21, 19, 20)
    g.h(19, 14, 17, "H")
    g.h(19, 10, 11, "H")
    g.h(19, 20, 21, "H")
    g.guards((3, 10), (3, 21), (11, 2), (11, 29))
    g.start(17, 13)


@level(2, 18, "Gold train", "a long floor strewn with gold and guards walking it: take it before they carry it away")
def _(g):
    g.h(11, 0, 31)
    g.h(21, 0, 31)
    g.h(4, 5, 26, "M")
    g.v(3, 0, 20)
    g.v(28, 0, 20)
    for c in range(6, 27, 2):
        g.put(10, c, "*")
    g.gold((3, 10), (3, 21), (20, 15))
    g.guards((10, 1), (10, 30), (20, 8), (20, 23))
    g.start(3, 15)


@level(2, 20, "Balconies", "a tall symmetric front of stone with balconies and ladders: an easy climb round it")
def _(g):
    g.v(2, 0, 20)
    for r in (5, 10, 15):
        g.h(r, 3, 7)
        g.h(r, 11, 15, "M")
        g.put(r - 1, 5, "*")
    g.v(9, 4, 20)
    g.v(13, 1, 4)
    g.gold((3, 14))
    g.mirror()
    g.h(21, 0, 31, "M")
    g.h(0, 3, 28, "-")
    g.guards((20, 5), (20, 26), (20, 15))
    g.start(14, 13)


@level(2, 21, "The basement", "the ground floor is stone with one brick patch: the gold is down in the basement")
def _(g):
    g.h(12, 0, 31, "M")
    g.h(12, 14, 17)
    g.v(1, 0, 11)
    g.v(30, 0, 11)
    g.h(6, 2, 12)
    g.h(6, 19, 29)
    g.h(21, 0, 31)
    g.h(16, 3, 10)
    g.h(16, 21, 28)
    g.v(2, 13, 20)
    g.v(29, 13, 20)
    g.v(30, 12, 20, "#")
    g.gold((5, 5), (5, 26), (11, 8), (15, 5), (15, 26), (20, 9), (20, 15), (20, 22), (15, 8))
    g.guards((20, 4), (20, 27), (20, 12), (5, 24))
    g.start(11, 10)


@level(2, 22, "Waterfall", "a column of gold pours down the middle through gaps in five floors; the guards wait at the sides")
def _(g):
    for r in (4, 8, 12, 16):
        g.h(r, 0, 31)
        g.at(" ", (r, 15), (r, 16))
    g.h(21, 0, 31)
    for r in (3, 6, 10, 14, 18):
        g.put(r, 15, "*")
    g.gold((19, 16), (3, 3), (7, 28), (11, 3), (15, 28), (20, 3))
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.v(8, 4, 7)
    g.v(23, 12, 15)
    g.guards((20, 28), (15, 2), (11, 29), (7, 2), (3, 29))
    g.start(3, 10)


@level(2, 24, "Islands", "brick islands float in open air, joined by ropes; fall between them and climb back by the side ladders")
def _(g):
    for r, a, b in ((4, 3, 8), (4, 23, 28), (8, 12, 19), (11, 2, 7), (11, 24, 29), (15, 9, 14),
                    (15, 17, 22), (18, 3, 6), (18, 25, 28)):
        g.h(r, a, b)
        g.put(r - 1, (a + b) // 2, "*")
    g.h(3, 9, 22, "-")
    g.h(10, 8, 23, "-")
    g.h(14, 1, 8, "-")
    g.h(14, 23, 30, "-")
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.h(2, 1, 2, "-")
    g.h(2, 29, 30, "-")
    g.v(2, 2, 3)
    g.v(29, 2, 3)
    g.h(21, 0, 31, "M")
    g.guards((20, 8), (20, 15), (20, 23), (20, 2), (20, 29))
    g.start(7, 15)


@level(2, 27, "The net", "a lattice of ladders every five columns and ropes every four rows: gold at the crossings, guards everywhere")
def _(g):
    for r in (3, 7, 11, 15):
        g.h(r, 0, 31, "-")
    for c in (3, 9, 15, 21, 27):
        g.v(c, 1, 20)
    g.h(21, 0, 31, "M")
    g.gold((3, 6), (3, 24), (7, 1), (7, 12), (7, 18), (7, 30), (11, 6), (11, 24), (15, 12), (15, 18),
           (20, 6), (20, 24), (1, 15 + 1))
    g.h(2, 14, 17)
    g.guards((20, 1), (20, 12), (20, 18), (20, 30), (19, 9 + 1))
    g.start(1, 14)


@level(2, 28, "Honeycomb", "rows of small brick cells, each holding a piece of gold over a false floor: fall from cell to cell")
def _(g):
    for i, r in enumerate((4, 9, 14)):
        off = 0 if i % 2 == 0 else 3
        for a in range(1 + off, 29, 6):
            if a + 4 > 30:
                continue
            g.box(r, a, r + 3, a + 4, "T")
            g.put(r + 3, a + 2, "U")
            g.put(r, a + 2, " ")
            g.put(r + 2, a + 2, "*")
    g.h(21, 0, 31)
    g.h(2, 1, 30, "-")
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.gold((20, 5), (20, 26))
    g.guards((20, 10), (20, 15), (20, 20), (20, 2), (20, 29))
    g.start(1, 15)


@level(2, 29, "The dam", "a thick brick dam splits the screen; the only ways across are over its top and under its stone foot")
def _(g):
    g.fill(4, 13, 17, 18)
    g.fill(18, 13, 19, 18, "M")
    g.v(12, 3, 20)
    g.v(19, 3, 20)
    for r in (7, 12, 16):
        g.h(r, 1, 11)
        g.h(r, 20, 30)
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    g.gold((3, 15), (3, 16), (6, 5), (6, 26), (11, 8), (11, 23), (15, 4), (15, 27), (20, 8), (20, 23), (20, 15))
    g.guards((20, 3), (20, 28), (15, 8), (15, 23), (11, 26))
    g.start(3, 14)


@level(2, 31, "Guard house", "the guards start in a stone house in the middle and come out of its doors: the gold lies all round it")
def _(g):
    g.box(8, 11, 16, 20, "M")
    g.at(" ", (15, 11), (15, 20))
    g.h(12, 12, 19)
    g.v(15, 9, 15)
    g.h(4, 0, 31)
    g.h(17, 0, 10)
    g.h(17, 21, 31)
    g.h(21, 0, 31, "M")
    g.v(2, 4, 16)
    g.v(29, 4, 16)
    g.v(5, 17, 20)
    g.v(26, 17, 20)
    g.v(15, 0, 3)
    g.h(16, 11, 20, "M")
    g.h(12, 3, 8)
    g.h(12, 23, 28)
    g.gold((3, 4), (3, 27), (7, 6), (7, 25), (11, 4), (11, 27), (16, 8), (16, 23), (20, 10), (20, 21), (20, 1), (20, 30))
    g.guards((11, 13), (11, 18), (15, 13), (15, 18), (15, 16))
    g.start(3, 13)


@level(2, 34, "Chasm bridges", "a deep chasm down the middle crossed by short ropes at staggered heights, gold at its bottom")
def _(g):
    for r in (4, 8, 12, 16):
        g.h(r, 0, 9)
        g.h(r, 22, 31)
    g.h(3, 10, 21, "-")
    g.h(7, 10, 15, "-")
    g.h(11, 16, 21, "-")
    g.h(15, 10, 21, "-")
    g.v(1, 0, 20)
    g.v(30, 4, 20)
    g.h(21, 0, 31, "M")
    g.h(20, 10, 21)
    g.v(9, 16, 20)
    g.v(22, 16, 20)
    g.gold((3, 5), (7, 26), (11, 5), (15, 26), (19, 12), (19, 19), (5, 16), (9, 13), (13, 18), (20, 4), (20, 27))
    g.guards((20, 2), (20, 29), (19, 15), (15, 3), (11, 28))
    g.start(3, 4)


@level(2, 35, "Plaza", "a wide open square with four stone columns and gold between them: a breather")
def _(g):
    g.h(21, 0, 31)
    for c in (5, 12, 19, 26):
        g.fill(10, c, 17, c + 1, "M")
        g.put(9, c, "*")
    g.h(10, 0, 3)
    g.h(10, 28, 31)
    g.v(4, 10, 20)
    g.v(27, 10, 20)
    g.h(4, 3, 28, "-")
    g.v(2, 4, 9)
    g.v(29, 4, 9)
    g.v(16, 0, 4)
    g.gold((20, 9), (20, 16), (20, 23), (20, 1), (20, 30), (9, 1), (9, 30), (8, 16))
    g.guards((20, 8), (20, 15), (20, 22), (20, 29))
    g.start(9, 2)


@level(2, 37, "The mine", "solid rock cut by ladder shafts and galleries, the gold in brick seams off them")
def _(g):
    g.fill(3, 0, 21, 31, "M")
    for r in (6, 11, 16, 20):
        g.h(r, 1, 30, " ")
    g.at(" ", (5, 1), (5, 30), (10, 1), (10, 30), (15, 1), (15, 30), (19, 1), (19, 30))
    g.v(4, 3, 20)
    g.v(16, 6, 16)
    g.v(27, 11, 20)
    g.v(10, 16, 20)
    g.v(22, 6, 11)
    g.v(4, 0, 2)
    for r, cols in ((7, (8, 9, 12)), (12, (6, 7, 19, 20)), (17, (13, 14, 24))):
        for c in cols:
            g.put(r, c, "T")
    g.at(" ", (8, 9), (13, 7), (13, 20), (18, 14))
    g.gold((8, 9), (13, 7), (13, 20), (18, 14), (6, 12), (11, 25), (16, 5), (20, 20), (6, 29), (20, 2))
    g.put(8, 8, "T")
    g.put(13, 6, "T")
    g.put(13, 19, "T")
    g.put(18, 13, "T")
    g.put(13, 8, "H")
    g.put(12, 8, "H")
    g.put(8, 10, "H")
    g.put(7, 10, "H")
    g.put(13, 21, "H")
    g.put(12, 21, "H")
    g.put(18, 15, "H")
    g.put(17, 15, "H")
    g.guards((20, 24), (20, 14), (16, 20), (11, 13), (6, 26))
    g.start(2, 6)


@level(2, 38, "Three strongrooms", "three stone strongrooms stacked one above the other: dig down through all three brick lids")
def _(g):
    g.v(11, 3, 20, "M")
    g.v(20, 3, 20, "M")
    for top in (3, 9, 15):
        g.h(top, 11, 20, "M")
        g.h(top, 14, 17)
        g.put(top + 5, 13, "*")
        g.put(top + 5, 18, "*")
    g.at(" ", (20, 11), (20, 20))
    g.h(21, 0, 31)
    g.v(10, 0, 20)
    g.v(21, 2, 20)
    g.h(7, 0, 9)
    g.h(14, 22, 31)
    g.v(1, 7, 20)
    g.v(30, 0, 13)
    g.gold((6, 3), (13, 27), (20, 5), (20, 26), (2, 15))
    g.guards((20, 2), (20, 29), (13, 25), (20, 16), (20, 8), (20, 23))
    g.start(2, 12)


@level(2, 39, "Crossfire", "two long brick corridors with guards coming from both ends: trap them in pairs to get through")
def _(g):
    # Brick under every corridor (stone only at the far ends): the guards are trapped, not
    # outrun.
    for r in (7, 11, 15, 21):
        g.h(r, 0, 31)
        g.at("M", (r, 0), (r, 31))
    g.v(15, 0, 6)
    g.v(16, 7, 10)
    g.v(15, 11, 14)
    g.v(16, 15, 20)
    g.gold((10, 3), (10, 9), (10, 22), (10, 28), (14, 5), (14, 11), (14, 20), (14, 26), (20, 7), (20, 24), (6, 3), (6, 28))
    g.guards((10, 0), (10, 31), (14, 0), (14, 31), (20, 0), (20, 31))
    g.start(6, 14)


@level(2, 40, "Seesaw", "a brick beam tilted across a stone pivot, ladders at both ends and gold along it: a breather")
def _(g):
    for i in range(14):
        g.put(6 + i // 2, 2 + i, "T")
        g.put(6 + i // 2, 3 + i, "T")
    g.fill(14, 15, 19, 16, "M")
    g.pyramid(12, 15, 2, "M")
    for i in range(14):
        g.put(13 - i // 2, 16 + i, "T")
    g.h(13, 14, 17, "T")
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    g.v(1, 0, 20)
    g.v(30, 3, 20)
    g.h(3, 2, 29, "-")
    g.v(15, 3, 12)
    g.gold((5, 4), (7, 9), (9, 13), (11, 19), (8, 24), (6, 28), (20, 6), (20, 25), (12, 16))
    g.guards((20, 10), (20, 21), (20, 3), (20, 28), (20, 14))
    g.start(4, 2)


@level(2, 41, "The spire", "one tall brick spire in the middle with a ladder up each face and landings branching off at every height")
def _(g):
    g.fill(3, 14, 20, 17)
    g.v(13, 0, 20)
    g.v(18, 0, 20)
    for r in (17, 11, 5):
        g.h(r, 8, 12)
        g.put(r - 1, 9, "*")
    for r in (14, 8):
        g.h(r, 19, 23)
        g.put(r - 1, 22, "*")
    g.h(21, 0, 31)
    g.gold((20, 2), (20, 29), (20, 11), (2, 16))
    g.guards((20, 0), (20, 31), (20, 5), (20, 26), (20, 22), (20, 9))
    g.start(2, 15)

@level(2, 43, "Stairwell", "a tall house whose stair changes sides on every floor, with a gap in each floor to fall through")
def _(g):
    for i, r in enumerate((4, 8, 12, 16)):
        g.h(r, 2, 29)
        c = 3 if i % 2 == 0 else 28
        g.v(c, r - 4 if r > 4 else 0, r - 1)
        gap = 20 if i % 2 == 0 else 10
        g.at(" ", (r, gap), (r, gap + 1))
        g.put(r - 1, 31 - c - 2, "*")
        g.put(r - 1, gap - 4, "*")
    g.v(3, 16, 20)
    g.v(28, 16, 20)
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.h(21, 0, 31, "M")
    g.gold((20, 10), (20, 21))
    g.guards((20, 1), (20, 30), (20, 14), (20, 17), (15, 26), (15, 5))
    g.start(3, 8)


@level(2, 44, "Crossbeams", "brick beams and ropes cross the screen at alternating heights, ladders only at the edges")
def _(g):
    for i, r in enumerate((3, 6, 9, 12, 15, 18)):
        if i % 2 == 0:
            g.h(r, 2, 14)
            g.h(r, 17, 29, "-")
        else:
            g.h(r, 2, 14, "-")
            g.h(r, 17, 29)
        g.put(r - 1, 8 if i % 2 == 0 else 23, "*")
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.v(15, 3, 18)
    g.v(16, 3, 18)
    g.h(21, 0, 31)
    g.gold((20, 8), (20, 23), (19, 4), (7, 27))
    g.guards((20, 3), (20, 28), (20, 12), (20, 19), (16, 7), (13, 24))
    g.start(2, 5)


@level(2, 45, "Flowerbeds", "low brick beds along the stone ground, gold planted in each and a ladder into it; a breather")
def _(g):
    g.fill(16, 0, 21, 31, "M")
    for a in (2, 9, 16, 23):
        g.h(16, a, a + 5)
        g.put(17, a + 2, "*")
        g.put(17, a + 3, " ")
        g.put(17, a + 1, "M")
        g.v(a + 4, 16, 17)
    g.h(8, 4, 27)
    g.v(3, 8, 15)
    g.v(28, 0, 15)
    g.gold((7, 8), (7, 15), (7, 22), (15, 0), (15, 31))
    g.guards((15, 1), (15, 30), (15, 15), (15, 20), (15, 8))
    g.start(7, 12)


@level(2, 47, "The cistern", "a great stone tank with a false floor: drop in, take the gold round its walls, climb out by its one ladder")
def _(g):
    g.box(6, 4, 19, 27, "M")
    g.h(6, 5, 26, " ")
    g.h(13, 5, 26, "U")
    g.h(13, 5, 7)
    g.h(13, 24, 26)
    # A brick bottom inside the stone one: the guards in the tank can be held in holes.
    g.h(18, 5, 26)
    g.v(15, 6, 17)
    g.gold((12, 6), (12, 25), (17, 7), (17, 24), (17, 12), (17, 19), (9, 10), (10, 21))
    g.h(5, 0, 3)
    g.h(5, 28, 31)
    g.v(2, 0, 20)
    g.v(29, 0, 20)
    g.h(21, 0, 31)
    g.gold((4, 1), (4, 30), (20, 15))
    g.h(3, 3, 28, "-")
    g.v(15, 3, 6)
    # All six guards start under the tank: they come in after the runner by its one ladder.
    # With two starting inside it, the tank was a trap from the first second.
    g.guards((20, 1), (20, 30), (20, 10), (20, 21), (20, 5), (20, 26))
    g.start(4, 0)


@level(2, 49, "Cranes", "three ladder cranes with ropes swinging out from their tops and gold hanging off the ropes")
def _(g):
    for c, arm in ((5, 1), (16, -1), (26, -1)):
        g.v(c, 2, 20)
        end = c + arm * 8
        g.h(2, min(c + arm, end), max(c + arm, end), "-")
        g.put(6, end, "*")
        g.put(9, end, "*")
    g.h(21, 0, 31, "M")
    g.h(12, 0, 31)
    g.v(30, 0, 20)
    g.v(1, 12, 20)
    g.at(" ", (12, 13), (12, 21))
    g.gold((11, 3), (11, 28), (20, 9), (20, 22), (20, 15), (15, 13))
    g.guards((20, 2), (20, 28), (20, 12), (20, 19), (11, 24), (11, 9))
    g.start(1, 5)


@level(2, 50, "Lanes", "six long lanes joined by ladders at alternate ends: run the snake from top to bottom; a breather")
def _(g):
    for i, r in enumerate((3, 6, 9, 12, 15, 18)):
        g.h(r, 0, 31)
        c = 30 if i % 2 == 0 else 1
        g.v(c, r, r + 2)
        for k in (6, 15, 24):
            g.put(r - 1, k + (i % 3), "*")
    g.v(1, 0, 2)
    g.h(21, 0, 31)
    # Three guards: a breather, and the snake back up to the top is long.
    g.guards((20, 12), (20, 24), (17, 15))
    g.start(2, 3)


@level(2, 51, "The snake", "one brick corridor winds from the top left to the bottom right, the gold strung along it")
def _(g):
    g.fill(0, 0, 21, 31, "M")
    for i, r in enumerate((2, 6, 10, 14, 18)):
        g.h(r, 1, 30, " ")
        g.h(r - 1, 1, 30, " ")
        g.h(r + 1, 1, 30, "T")
        c = 29 if i % 2 == 0 else 2
        if r < 18:
            g.v(c, r, r + 4)
        g.put(r, 8, "*")
        g.put(r, 22, "*")
    g.h(19, 1, 30, "T")
    g.v(15, 0, 1)
    g.v(30, 16, 18, "#")
    g.v(30, 0, 15, "#")
    g.guards((18, 5), (18, 12), (18, 19), (14, 15), (14, 25), (10, 20))
    g.start(2, 2)


@level(2, 52, "Sawtooth", "floors like the teeth of a saw: walk down each slope, climb each ladder, the guards coming the other way")
def _(g):
    for r0 in (3, 10, 17):
        for t in range(4):
            a = 8 * t
            for k in range(4):
                g.h(r0 + k, a + 2 * k, a + 2 * k + 1)
            g.v(a + 7, r0, r0 + 3) if a + 7 < 31 else None
            g.put(r0 - 1, a, "*")
    g.v(0, 0, 20)
    g.h(21, 0, 31)
    g.guards((20, 10), (20, 18), (20, 26), (13, 31), (6, 31), (20, 3))
    g.start(2, 1)


@level(2, 53, "Bell tower", "a tall stone tower with ropes hung inside like bell ropes and gold at each bell; seven guards below")
def _(g):
    g.v(8, 3, 20, "M")
    g.v(23, 3, 20, "M")
    g.h(3, 8, 23, "M")
    g.at(" ", (20, 8), (20, 23), (19, 8), (19, 23))
    for r, a, b in ((6, 9, 15), (9, 16, 22), (12, 9, 15), (15, 16, 22)):
        g.h(r, a, b, "-")
        g.put(r + 1, (a + b) // 2, "*")
    g.v(15, 4, 20)
    g.h(3, 14, 17)
    g.h(21, 0, 31, "M")
    g.h(11, 0, 5)
    g.h(11, 26, 31)
    g.v(6, 0, 20)
    g.v(25, 0, 20)
    g.gold((10, 1), (10, 30), (20, 2), (20, 29), (2, 15))
    g.guards((20, 0), (20, 31), (20, 3), (20, 28), (10, 3), (10, 28), (20, 11))
    g.start(2, 13)


@level(2, 54, "Battlements", "a castle wall with battlements along its top, gold in the gaps and a gallery inside the wall, stairs down at both ends and in the middle")
def _(g):
    g.fill(8, 0, 21, 31, "M")
    g.h(8, 0, 31)
    g.h(5, 1, 30, "-")
    for c in range(0, 32, 4):
        g.put(7, c, "M")
        if c + 3 < 32:
            g.put(7, c + 1, "*")
            g.v(c + 3, 5, 7)
    g.fill(12, 3, 19, 28, " ")
    g.h(20, 3, 28)
    g.h(16, 6, 25)
    g.fill(9, 14, 11, 16, " ")
    g.v(15, 7, 19)
    g.v(4, 12, 19)
    g.v(27, 12, 19)
    # Stairs down through the wall at both ends as well as in the middle: with one way out of
    # the gallery its seven guards held it against the runner.
    g.v(3, 8, 12)
    g.v(27, 8, 11)
    g.gold((15, 8), (15, 22), (19, 10), (19, 20), (11, 14))
    g.v(31, 0, 4)
    g.guards((19, 5), (19, 26), (15, 7), (15, 24), (19, 14), (11, 16), (19, 18))
    g.start(4, 1)

@level(2, 55, "Pergola", "a long trellis of ropes on ladder posts over a garden floor: an easier level with room to run")
def _(g):
    for c in (2, 9, 16, 22, 29):
        g.v(c, 5, 20)
    g.h(5, 3, 8, "-")
    g.h(5, 10, 15, "-")
    g.h(5, 17, 21, "-")
    g.h(5, 23, 28, "-")
    g.h(10, 3, 28, "-")
    g.at(" ", (10, 9), (10, 22))
    g.v(9, 10, 10)
    g.v(22, 10, 10)
    g.h(21, 0, 31)
    g.v(16, 0, 4)
    g.gold((7, 5), (7, 12), (7, 19), (7, 25), (13, 6), (13, 13), (13, 19), (13, 26), (20, 1), (20, 30))
    g.guards((20, 5), (20, 12), (20, 19), (20, 26), (20, 0), (20, 31))
    g.start(4, 15)


@level(2, 56, "Covered bridge", "two stone towers joined by a covered bridge: inside it a brick floor over a deep drop")
def _(g):
    g.box(3, 1, 20, 8, "M")
    g.box(3, 23, 20, 30, "M")
    g.h(8, 8, 23, "M")
    g.h(12, 8, 23)
    g.at(" ", (9, 8), (10, 8), (11, 8), (9, 23), (10, 23), (11, 23))
    g.h(12, 2, 7)
    g.h(12, 24, 29)
    g.v(5, 0, 19)
    g.v(26, 0, 19)
    g.h(16, 6, 7)
    g.h(16, 24, 25)
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    g.v(15, 12, 20)
    g.gold((11, 11), (11, 16), (11, 20), (19, 12), (19, 19), (11, 2), (11, 29), (19, 3), (19, 28), (2, 7),
           (15, 7), (15, 24))
    g.guards((20, 10), (20, 21), (19, 2), (19, 29), (19, 27), (15, 25), (20, 17))
    g.start(2, 3)


@level(2, 57, "Catacombs", "long stone galleries lined with niches under brick lids, gold in each niche")
def _(g):
    g.fill(0, 0, 21, 31, "M")
    for r in (4, 10, 16):
        g.h(r, 1, 30, " ")
        g.h(r - 1, 1, 30, " ")
        for c in range(4, 29, 6):
            g.put(r + 1, c, "T")
            g.put(r + 2, c, "*")
            g.put(r + 2, c + 1, " ")
            g.put(r + 1, c + 1, "H")
            g.put(r + 2, c + 1, "H")
    g.v(2, 3, 16)
    g.v(29, 3, 16)
    g.at(" ", (2, 2), (1, 2), (0, 2))
    g.v(2, 0, 2)
    g.guards((16, 12), (16, 18), (16, 24), (10, 20), (10, 26), (16, 6), (10, 14))
    g.start(4, 8)


@level(2, 58, "Teeth", "stone teeth hang from a brick roof and rise from the floor, meshing: dig through the roof and fall between them; ladders beside the lower teeth")
def _(g):
    # Brick under the bottom walk, where six guards start: they can be trapped there.
    g.h(21, 0, 31)
    g.h(2, 0, 31, "M")
    for c in range(3, 30, 6):
        g.fill(3, c, 12, c + 1, "M")
    for c in range(6, 28, 6):
        g.fill(9, c, 20, c + 1, "M")
    g.at(" ", (20, 6), (20, 12), (20, 18), (20, 24))
    g.at(" ", (20, 7), (20, 13), (20, 19), (20, 25))
    for c in range(6, 28, 6):
        g.h(8, c, c + 1, "T")
    g.h(2, 1, 30)
    g.v(0, 0, 20)
    g.v(31, 3, 20)
    g.gold((7, 6), (7, 12), (7, 18), (7, 24), (15, 4), (15, 10), (15, 16), (15, 22), (15, 28), (20, 2))
    g.h(16, 2, 5)
    g.h(16, 8, 11)
    g.h(16, 14, 17)
    g.h(16, 20, 23)
    g.h(16, 26, 29)
    # Ladders up beside the lower teeth from the bottom walk to the roof's underside: with the
    # two at the sides only, the guards on the walk cornered the runner between the teeth.
    for c in (8, 14, 20, 26):
        g.v(c, 3, 20)
    g.guards((20, 1), (20, 10), (20, 16), (20, 22), (20, 28), (15, 29), (20, 30))
    g.start(1, 15)


@level(2, 59, "Split level", "the left half stands high, the right half low; false bricks and a rope are the ways between them")
def _(g):
    g.fill(9, 0, 21, 14, "M")
    for r in (9, 13, 17):
        g.h(r, 16, 31)
    g.h(21, 15, 31)
    g.h(5, 0, 14)
    g.v(2, 0, 8)
    g.v(12, 5, 8)
    g.at("U", (9, 6), (9, 7))
    g.fill(10, 6, 13, 7, " ")
    g.h(14, 5, 8)
    g.v(8, 10, 13)
    g.v(8, 9, 14)
    g.h(3, 3, 29, "-")
    g.v(30, 3, 20)
    g.v(18, 13, 16)
    g.v(25, 9, 12)
    g.v(22, 17, 20)
    g.gold((4, 5), (4, 10), (8, 5), (13, 6), (8, 20), (8, 27), (12, 17), (12, 23), (16, 28), (16, 20), (20, 17), (20, 26))
    g.guards((20, 16), (20, 24), (20, 29), (16, 25), (12, 28), (8, 16 + 1), (16, 16))
    g.start(4, 1)


@level(2, 60, "Gold columns", "five columns of gold stacked in the air between ropes: an easier level with a lot to pick up")
def _(g):
    g.h(2, 1, 30, "-")
    g.h(11, 1, 30, "-")
    for c in (5, 10, 15, 21, 26):
        for r in (5, 8, 15):
            g.put(r, c, "*")
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.h(21, 0, 31)
    g.guards((20, 3), (20, 12), (20, 18), (20, 24), (20, 28), (20, 8))
    g.start(1, 15)


@level(2, 63, "Warehouse", "tall shelves of brick and stone with ladders at both ends of the racks, crates of gold on the shelves")
def _(g):
    for a in (3, 11, 19, 26):
        g.v(a, 2, 20, "M")
        for r in (6, 11, 16):
            g.h(r, a + 1, a + 4)
            g.put(r - 1, a + 2, "*")
        g.v(a + 5, 2, 20)
        # A ladder at the back of each rack too: with one, a guard coming up it cornered the
        # runner on the shelf.
        g.v(a + 1, 2, 20)
    g.h(21, 0, 31)
    g.v(1, 0, 20)
    g.h(1, 2, 30, "-")
    g.gold((20, 15), (20, 30))
    g.guards((20, 6), (20, 13), (20, 22), (20, 28), (15, 13), (15, 28), (10, 21))
    g.start(0, 8)


@level(2, 64, "Stone lattice", "a lattice of stone blocks with narrow brick passages between them: dig and climb through it")
def _(g):
    for r0 in (3, 8, 13):
        for a in range(2, 29, 6):
            g.fill(r0, a, r0 + 2, a + 3, "M")
    for r in (7, 12, 17):
        g.h(r, 1, 30)
    for c in (1, 7, 13, 19, 25, 31):
        g.v(c, 2, 20)
    g.h(21, 0, 31, "M")
    g.gold((2, 4), (2, 16), (2, 28), (6, 10), (6, 22), (11, 4), (11, 16), (11, 28), (16, 10), (16, 22), (20, 4), (20, 16), (20, 28))
    g.v(13, 0, 1)
    g.guards((20, 3), (20, 9), (20, 15), (20, 21), (20, 27), (16, 3), (16, 28))
    g.start(2, 11)


@level(2, 65, "The long descent", "wide steps go down from the top left to the bottom right: gold on each; an easier level")
def _(g):
    for s in range(6):
        r = 4 + 3 * s
        a = 5 * s
        g.h(r, a, a + 6)
        g.put(r - 1, a + 3, "*")
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    g.v(31, 0, 20)
    g.v(0, 5, 20)
    g.h(4, 0, 0, "T")
    g.gold((20, 5), (20, 12), (20, 20))
    g.guards((20, 2), (20, 9), (20, 16), (20, 22), (20, 27), (16, 20))
    g.start(3, 1)


@level(2, 66, "Ant farm", "a mass of brick with tunnels and chambers dug through it and ladders in its shafts")
def _(g):
    g.fill(4, 0, 21, 31)
    g.h(21, 0, 31, "M")
    for r, a, b in ((6, 2, 12), (6, 19, 29), (10, 6, 25), (14, 1, 9), (14, 14, 30), (19, 3, 28)):
        g.h(r, a, b, " ")
        g.h(r - 1, a, b, " ")
    g.v(4, 3, 6)
    g.v(27, 3, 6)
    g.v(10, 5, 10)
    g.v(21, 5, 10)
    g.v(7, 9, 14)
    g.v(24, 9, 14)
    g.v(3, 13, 19)
    g.v(16, 13, 19)
    g.v(29, 13, 19)
    g.gold((6, 7), (6, 24), (10, 15), (14, 5), (14, 20), (19, 10), (19, 22), (10, 8), (3, 15), (3, 2))
    g.v(15, 0, 3)
    g.guards((19, 5), (19, 13), (19, 20), (19, 26), (14, 11 + 16), (14, 1), (10, 13))
    g.start(3, 8)


@level(2, 67, "Dungeon", "a row of stone cells under a guardroom, each cell closed by a brick floor above it and gold inside; ladders down both sides to the yard")
def _(g):
    g.h(8, 0, 31, "M")
    for a in range(1, 30, 5):
        g.h(8, a + 1, a + 2)
        g.v(a, 9, 15, "M")
        g.put(14, a + 2, "*")
    g.v(31, 9, 15, "M")
    g.h(15, 0, 31)
    # Brick under the yard below the cells, where most of the guards walk: stone there left the
    # runner nothing to hold them with.
    g.h(21, 0, 31)
    for a in range(1, 30, 5):
        g.put(15, a + 3, "U")
    # A ladder down the left side from the top to the yard, beside the one on the right: with
    # the yard's one way up, its six guards cornered the runner in it.
    g.v(0, 0, 20)
    g.v(30, 16, 20)
    g.v(30, 0, 7)
    g.h(4, 2, 29)
    g.v(15, 4, 7)
    g.v(30, 8, 15)
    g.gold((3, 6), (3, 25), (7, 10), (7, 21), (20, 5), (20, 15), (20, 25))
    g.guards((7, 20), (7, 26), (20, 7), (20, 10), (20, 20), (20, 27), (20, 13), (20, 24))
    g.start(3, 2)


@level(2, 68, "Pinwheel", "four brick arms turn round a stone hub: two floors and two ladders, each pointing a different way")
def _(g):
    g.fill(9, 13, 12, 18, "M")
    g.h(8, 13, 28)
    g.h(13, 3, 18)
    g.v(12, 2, 8)
    g.v(19, 13, 20)
    g.h(2, 2, 11, "-")
    g.h(19, 20, 29, "-")
    g.h(21, 0, 31)
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.h(16, 1, 8)
    g.h(5, 23, 30)
    g.gold((7, 27), (7, 20), (12, 4), (12, 11), (3, 5), (20, 25), (15, 2), (4, 28), (20, 10), (1, 12))
    g.guards((20, 3), (20, 14), (20, 22), (20, 28), (15, 6), (12, 8), (20, 26))
    g.start(7, 15)


@level(2, 69, "The gauntlet", "one long road zigzags down past guard posts: each stretch has gold, a guard and bricks to dig")
def _(g):
    for i, r in enumerate((4, 8, 12, 16)):
        a, b = (0, 27) if i % 2 == 0 else (4, 31)
        g.h(r, a, b)
        c = 28 if i % 2 == 0 else 3
        # The last ladder reaches the bottom floor: a piece a guard drops on the road after the
        # runner went down must not be out of his reach.
        g.v(c, r - 1, r + 3 if r < 16 else 20)
        g.h(r - 3, a + 6, b - 6, "M")
        for k in (8, 15, 22):
            g.put(r - 1, k, "*")
    g.h(21, 0, 31, "M")
    g.v(0, 0, 3)
    g.v(0, 17, 20)
    # A way back up from the bottom's far end as well: a dead end there with guards dropping in
    # from the road above was a trap.
    g.v(31, 15, 20)
    # The hidden way out runs through the top road's floor up to the ladder above it.
    g.v(0, 4, 16, "#")
    g.gold((20, 10), (20, 20))
    g.guards((3, 26), (7, 24), (7, 6), (11, 26), (11, 8), (15, 6), (15, 24), (20, 16))
    g.start(3, 2)


@level(2, 71, "Skyline", "a city of brick towers of every height with ladders in the alleys and a rope over the rooftops")
def _(g):
    towers = [(1, 4, 10), (6, 9, 6), (11, 13, 12), (16, 19, 4), (21, 24, 9), (26, 30, 7)]
    for a, b, top in towers:
        g.fill(top, a, 20, b)
        g.put(top - 1, (a + b) // 2, "*")
    for (a1, b1, t1), (a2, b2, t2) in zip(towers, towers[1:]):
        if a2 > b1 + 1:
            g.v(b1 + 1, min(t1, t2) - 1, 20)
    g.h(2, 1, 30, "-")
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.h(21, 0, 31)
    g.guards((3, 16), (3, 18), (3, 19), (8, 21), (8, 23), (8, 24), (6, 27), (6, 30))
    g.start(9, 1)


@level(2, 74, "Citadel", "a symmetric citadel: two towers, ramparts, a courtyard each side and a keep in the middle, eight guards")
def _(g):
    g.box(3, 1, 21, 6, "M")
    g.at(" ", (20, 6), (9, 6))
    g.h(10, 2, 5)
    g.h(15, 2, 5)
    g.v(3, 0, 20)
    g.h(10, 7, 11)
    g.gold((9, 4), (14, 2), (20, 4), (8, 9), (20, 9))
    g.mirror()
    g.box(6, 12, 21, 19, "M")
    g.at(" ", (20, 12), (20, 19))
    g.put(6, 15, "T")
    g.h(13, 13, 18)
    g.v(14, 7, 20)
    g.v(16, 0, 12, "#")
    g.h(2, 4, 27, "-")
    g.h(21, 0, 31)
    g.gold((12, 17), (20, 16), (5, 13))
    g.guards((20, 8), (20, 23), (9, 10), (9, 21), (19, 2), (19, 29), (20, 17), (12, 13))
    g.start(5, 18)


@level(2, 75, "The crown", "the last level: a crown of brick spires over a stone vault with a false floor, and eight guards")
def _(g):
    for c, top in ((2, 3), (8, 6), (15, 2), (22, 6), (28, 3)):
        g.fill(top, c, 10, c + 1)
        g.put(top - 1, c, "*")
    g.h(11, 0, 31)
    g.box(13, 8, 20, 23, "M")
    g.h(13, 13, 18)
    g.at(" ", (19, 8), (19, 23))
    g.h(17, 9, 22, "U")
    # Ladders up the vault's inner walls to its roof: with its two doors only, the guards in it
    # held the runner there.
    g.v(9, 13, 19)
    g.v(22, 13, 19)
    g.gold((15, 15), (16, 15), (19, 12), (19, 19), (12, 3), (12, 28))
    g.v(4, 2, 10)
    g.v(10, 5, 10)
    g.v(17, 1, 10)
    g.v(21, 5, 10)
    g.v(27, 2, 10)
    g.h(1, 1, 30, "-")
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    # Brick under the ground at both sides of the vault, where two guards start: on stone the
    # guards that came down there could not be held.
    g.s(21, 0, "TTTTTTTTMMMMMMMMMMMMMMMMTTTTTTTT")
    g.v(3, 12, 20)
    g.v(28, 12, 20)
    g.gold((20, 5), (20, 26), (19, 16))
    g.guards((20, 1), (20, 30), (19, 10), (19, 21), (12, 6), (12, 25), (10, 13), (10, 18))
    g.start(0, 16 - 8)
