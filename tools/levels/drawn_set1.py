# Set 1, the gentle set. Levels 1-10 are the lessons of hand_levels.py, one idea each; the
# others are composed here, one idea a level, with the guards rising through the set.
from drawn import level, lesson

lesson(1, 1, "First steps", "running along floors and climbing ladders")
lesson(1, 2, "Ropes", "ropes carry the runner over gaps and down the middle of the screen")
lesson(1, 3, "Falling", "walking off ledges; gold hanging in the air is taken on the way down")
lesson(1, 4, "Digging", "the gold lies under brick floors that no ladder reaches: dig down")
lesson(1, 5, "A trap", "dig a hole in a guard's way, let it fall in and run over its head")
lesson(1, 6, "False bricks", "some floor bricks are not bricks at all: the runner drops through")
lesson(1, 7, "Hidden ladders", "the way out appears only when the last gold is taken")
lesson(1, 8, "Carriers", "guards pick gold up and drop it later; the level ends when none holds any")
lesson(1, 9, "Stone", "solid blocks cannot be dug: find the brick patches in the stone floors")
lesson(1, 10, "All together", "ropes to drop from, floors to dig, a false floor and a hidden way out")


@level(1, 31, "Twin towers", "two hollow stone towers with floors and a ladder inside, their roofs joined by a rope")
def _(g):
    g.v(6, 5, 19, "M")
    g.v(11, 5, 19, "M")
    g.h(5, 6, 11)
    for r in (9, 13, 17):
        g.h(r, 7, 10)
    g.v(8, 5, 20)
    g.gold((8, 10), (12, 7), (16, 10), (20, 4))
    g.mirror()
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    g.h(4, 12, 19, "-")
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.gold((20, 15), (10, 15))
    g.guards((20, 2), (20, 29), (20, 17))
    g.start(4, 9)


@level(1, 35, "The comb", "stone teeth stand on a brick floor: drop from the rope into each gap and dig your way out below")
def _(g):
    g.h(15, 0, 31)
    for c in (3, 7, 11, 15, 19, 23, 27):
        g.v(c, 10, 14, "M")
    g.h(8, 1, 30, "-")
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.h(21, 0, 31, "M")
    g.h(3, 13, 18)
    g.gold((14, 5), (14, 9), (14, 17), (14, 25), (14, 29), (20, 15), (2, 14))
    g.guards((20, 8), (20, 23))
    g.start(2, 16)


@level(1, 68, "The stairway", "a staircase of brick landings climbs to the right; false bricks in some drop you into the cellar under it")
def _(g):
    for s in range(7):
        r = 20 - 3 * s
        g.h(r, 4 * s, 4 * s + 5)
        g.put(r - 1, 4 * s + 2, "*")
    for s in range(6):
        r = 20 - 3 * s
        g.v(4 * s + 5, r - 3, r - 1)
    g.at("U", (17, 4), (11, 12), (5, 20))
    g.h(21, 0, 31)
    g.v(31, 0, 20)
    g.v(30, 1, 20)
    g.gold((20, 10), (20, 18), (20, 26), (16, 4), (10, 12), (4, 20))
    g.guards((20, 13), (20, 22), (20, 28), (1, 25), (4, 18))
    g.start(19, 1)


@level(1, 70, "The spiral", "three stone boxes one inside the other: walk round into the middle, then dig down through the floors")
def _(g):
    g.box(2, 2, 20, 29, "M")
    g.box(5, 6, 17, 25, "M")
    g.box(8, 10, 14, 21, "M")
    g.at(" ", (19, 2), (5, 8), (13, 21))
    g.h(14, 12, 13)
    g.h(17, 14, 15)
    g.h(20, 16, 17)
    g.v(1, 0, 21)
    g.v(31, 0, 21)
    g.v(26, 4, 19)
    g.v(22, 13, 16)
    g.gold((19, 10), (19, 22), (4, 15), (16, 10), (16, 19), (13, 15), (13, 17), (13, 19), (1, 20))
    g.guards((21, 10), (21, 22), (19, 20), (16, 20))
    g.start(1, 5)


@level(1, 11, "Stepping stones", "short brick stones across a wide hall: step from stone to stone, or drop between them for the gold below")
def _(g):
    for c in range(3, 29, 4):
        g.h(8, c, c + 1)
    g.h(8, 0, 2)
    g.h(8, 29, 31)
    g.v(1, 0, 7)
    g.v(30, 4, 20)
    g.h(4, 2, 29, "-")
    g.h(21, 0, 31, "M")
    g.h(14, 6, 25)
    g.v(16, 14, 20)
    g.gold((7, 3), (7, 12), (7, 24), (10, 9), (12, 21), (13, 8), (13, 23), (20, 3), (20, 27))
    g.guards((20, 20))
    g.start(7, 1 + 1)


@level(1, 12, "Two holes", "two guards come along the brick floor one after the other: dig two holes side by side to hold them both")
def _(g):
    g.h(21, 0, 31)
    g.h(13, 0, 31)
    g.h(13, 27, 27, "H")
    g.v(27, 13, 20)
    g.v(3, 0, 12)
    g.h(6, 4, 31)
    g.v(29, 0, 5)
    g.gold((20, 2), (20, 10), (20, 18), (12, 14), (12, 22), (5, 8), (5, 20))
    g.guards((5, 30), (5, 26))
    g.start(12, 5)


@level(1, 13, "The chimney", "a narrow chimney of two ladders up the middle with gold in little rooms to both sides")
def _(g):
    g.v(14, 0, 20)
    g.v(17, 0, 20)
    g.v(13, 1, 20, "M")
    g.v(18, 1, 20, "M")
    for r in (4, 9, 14, 19):
        g.put(r, 13, " ")
        g.put(r, 18, " ")
        g.h(r + 1, 8, 12)
        g.h(r + 1, 19, 23)
        g.put(r, 9, "*") if r % 2 == 0 else g.put(r, 22, "*")
    g.h(21, 0, 31)
    g.gold((14, 22), (9, 9), (20, 3), (20, 28))
    g.v(1, 10, 20)
    g.h(10, 2, 7)
    g.v(30, 10, 20)
    g.h(10, 24, 29)
    g.at(" ", (10, 1))
    g.v(1, 10, 20)
    g.guards((20, 27))
    g.start(0, 15)


@level(1, 14, "Butterfly", "two mirrored wings of brick and rope around a ladder body in the middle")
def _(g):
    g.v(15, 0, 20)
    for i in range(6):
        g.put(3 + i, 14 - 2 * i, "T")
        g.put(3 + i, 13 - 2 * i, "T")
    for i in range(5):
        g.put(17 - i, 14 - 2 * i, "T")
        g.put(17 - i, 13 - 2 * i, "T")
    g.h(10, 2, 14, "-")
    g.gold((2, 13), (4, 9), (7, 3), (12, 5), (15, 11), (13, 7))
    g.mirror()
    g.v(15, 0, 20)
    g.v(16, 0, 20)
    g.h(21, 0, 31, "M")
    g.v(1, 11, 20)
    g.v(30, 11, 20)
    g.guards((20, 5), (20, 26))
    g.start(2, 14)


@level(1, 15, "Picnic", "a wide field with three small brick tables, each with its own ladder: a breather")
def _(g):
    g.h(21, 0, 31)
    g.h(15, 3, 8)
    g.v(9, 14, 20)
    g.h(11, 13, 18)
    g.v(15, 11, 20)
    g.h(15, 23, 28)
    g.v(22, 14, 20)
    g.v(31, 0, 20)
    g.h(6, 20, 30)
    g.v(20, 6, 10)
    g.gold((14, 4), (14, 7), (10, 13), (10, 18), (14, 25), (20, 12), (20, 26), (5, 25), (20, 4))
    g.guards((14, 27))
    g.start(20, 0)


@level(1, 16, "The tunnel", "a brick ground over a long tunnel: climb down into it and run it past its guards")
def _(g):
    g.fill(8, 0, 10, 31)
    g.fill(14, 0, 21, 31)
    g.v(1, 0, 7)
    g.v(30, 0, 7)
    g.v(27, 8, 13)
    g.gold((7, 8), (7, 22), (13, 5), (13, 12), (13, 18), (13, 24), (3, 15))
    g.h(4, 10, 20)
    g.v(9, 4, 7)
    g.guards((13, 15), (13, 9))
    g.start(7, 3)


@level(1, 17, "Bookends", "two tall brick towers stand at the edges, ropes hung between them at three heights")
def _(g):
    g.fill(3, 0, 20, 3)
    g.fill(3, 28, 20, 31)
    g.v(4, 0, 20)
    g.v(27, 0, 20)
    for r in (5, 11, 17):
        g.h(r, 5, 26, "-")
    g.at(" ", (5, 15), (11, 10), (11, 21), (17, 15))
    g.h(21, 0, 31)
    g.gold((2, 1), (2, 30), (8, 15), (14, 10), (14, 21), (20, 15), (20, 6), (20, 25))
    g.guards((20, 10), (20, 20))
    g.start(2, 2)


@level(1, 18, "Window panes", "a wall of nine stone panes with doors between them, a piece of gold in each")
def _(g):
    for r in (1, 7, 13, 19):
        g.h(r, 1, 30, "M")
    for c in (1, 11, 20, 30):
        g.v(c, 1, 19, "M")
    for r in (6, 12, 18):
        g.at(" ", (r, 11), (r, 20))
    for r in (7, 13):
        g.at("T", (r, 5), (r, 6), (r, 25), (r, 26))
    g.v(15, 1, 18)
    g.v(16, 0, 0)
    g.v(15, 0, 0)
    for r in (6, 12, 18):
        g.put(r, 4, "*")
        g.put(r, 27, "*")
        g.put(r, 17, "*")
    g.h(21, 0, 31, "M")
    g.v(0, 0, 20)
    g.at(" ", (18, 1))
    g.gold((20, 15))
    g.guards((20, 28), (12, 28))
    g.start(6, 13)


@level(1, 19, "Trapdoor corridor", "a corridor whose floor is half false bricks over a second corridor full of gold")
def _(g):
    g.h(6, 0, 31, "M")
    g.h(11, 0, 31)
    g.h(16, 0, 31, "M")
    g.h(21, 0, 31)
    for c in (6, 12, 19, 25):
        g.put(11, c, "U")
    g.v(1, 0, 10)
    g.v(30, 7, 20)
    g.v(1, 16, 20, "#")
    g.v(1, 11, 15)
    g.at(" ", (6, 1))
    g.v(1, 0, 15)
    g.gold((10, 3), (10, 28), (15, 6), (15, 12), (15, 19), (15, 25), (20, 10), (20, 22), (5, 15))
    g.at("H", (16, 30))
    g.guards((20, 20), (20, 12))
    g.start(5, 5)


@level(1, 20, "The hill", "one big round hill of brick with short ladders up its sides and gold on its slopes: a breather")
def _(g):
    shape = [(8, 13), (9, 11), (10, 9), (11, 8), (13, 6), (16, 4), (19, 2), (21, 0)]
    for r, a in shape[:-1]:
        g.fill(r, a, 20, 31 - a)
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    for (r1, a1), (r2, _a2) in zip(shape, shape[1:]):
        g.v(a1 - 1, r1 - 1, r2 - 1)
        g.v(32 - a1, r1 - 1, r2 - 1)
    g.v(15, 0, 7)
    g.gold((7, 14), (7, 17), (8, 11), (9, 9), (9, 22), (12, 6), (12, 25), (15, 4), (18, 2), (18, 29), (20, 0))
    g.guards((20, 31))
    g.start(7, 16)

@level(1, 21, "Cages", "stone cages open at the top hang under a rope: drop in for the gold, dig out through the brick floor")
def _(g):
    for a in (3, 11, 19, 26):
        g.v(a, 7, 12, "M")
        g.v(a + 4, 7, 12, "M")
        g.h(12, a + 1, a + 3)
        g.put(11, a + 2, "*")
    g.h(4, 1, 30, "-")
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.h(21, 0, 31, "M")
    g.gold((20, 9), (20, 24), (3, 15))
    g.h(4, 14, 16)
    g.guards((20, 2), (20, 29))
    g.start(3, 14)


@level(1, 22, "Three wells", "three deep wells with gold hanging in them: jump in, take it on the way down and climb out")
def _(g):
    g.h(6, 0, 31)
    g.h(21, 0, 31)
    for c in (6, 15, 24):
        g.v(c - 1, 7, 20, "M")
        g.v(c + 2, 7, 20, "M")
        g.at(" ", (6, c), (6, c + 1))
        g.v(c + 1, 6, 20)
        for r in (9, 13, 17):
            g.put(r, c, "*")
    g.v(1, 0, 5)
    g.v(30, 0, 5)
    g.gold((5, 10), (5, 20), (20, 2), (20, 29))
    g.v(0, 6, 20)
    g.v(31, 6, 20)
    g.guards((20, 11), (20, 20))
    g.start(5, 3)


@level(1, 23, "Secret stair", "a plain house of floors; the way out is a hidden stair of short ladders that zigzags to the roof")
def _(g):
    for r in (5, 10, 15):
        g.h(r, 0, 31)
    g.h(21, 0, 31)
    g.v(2, 15, 20)
    g.v(29, 10, 14)
    g.v(2, 5, 9)
    g.v(10, 15, 20, "#")
    g.v(21, 10, 14, "#")
    g.v(10, 5, 9, "#")
    g.v(21, 0, 4, "#")
    g.gold((20, 6), (20, 16), (20, 26), (14, 5), (14, 15), (14, 25), (9, 6), (9, 16), (9, 26), (4, 10), (4, 6))
    g.guards((20, 28), (14, 3))
    g.start(4, 2)


@level(1, 24, "Overhangs", "cliffs of brick on both sides with overhanging ledges; ropes run under the overhangs")
def _(g):
    for r, w in ((4, 9), (9, 6), (14, 10), (18, 5)):
        g.h(r, 0, w)
        g.h(r + 2, w + 1, w + 4, "-")
        g.put(r - 1, 2, "*")
    g.v(0, 0, 20)
    g.gold((16, 11))
    g.mirror()
    g.h(21, 0, 31, "M")
    g.v(15, 12, 20)
    g.h(12, 13, 18)
    g.gold((11, 15 + 1), (20, 8))
    g.guards((20, 4), (20, 27), (20, 12))
    g.start(3, 5)


@level(1, 25, "Courtyard", "a walled courtyard with a gate at each side and gold round a fountain of ladders: a breather")
def _(g):
    g.box(6, 3, 20, 28, "M")
    g.at(" ", (19, 3), (19, 28), (20, 3), (20, 28))
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    g.h(6, 3, 28, "T")
    g.v(15, 3, 19)
    g.v(16, 3, 19)
    g.h(12, 7, 13)
    g.h(12, 18, 24)
    g.h(16, 10, 21)
    g.at("H", (16, 15), (16, 16))
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.gold((5, 8), (5, 23), (11, 8), (11, 23), (15, 11), (15, 20), (19, 6), (19, 25), (20, 0))
    g.guards((20, 31), (5, 27))
    g.start(19, 14)


@level(1, 26, "Strongroom", "a strongroom of stone with a brick lid: dig in from the top, take the gold and dig out through its floor")
def _(g):
    g.box(9, 4, 17, 14, "M")
    g.h(9, 7, 10)
    g.h(17, 6, 7)
    g.h(13, 5, 13)
    g.at(" ", (13, 9))
    g.gold((12, 6), (12, 12), (16, 9), (16, 11), (16, 13))
    g.h(9, 0, 3)
    g.h(9, 15, 31)
    g.h(15, 18, 27)
    g.v(17, 9, 20)
    g.h(21, 0, 31)
    g.v(2, 0, 20)
    g.v(29, 0, 20)
    g.gold((8, 5), (8, 26), (20, 7), (20, 24), (14, 22))
    g.guards((20, 15), (20, 27), (8, 30))
    g.start(8, 0)


@level(1, 27, "Ring road", "a ring of floors and ladders round a stone block: three guards drive round it and the gold lies on the road")
def _(g):
    g.fill(7, 6, 14, 25, "M")
    g.h(4, 3, 28)
    g.h(17, 3, 28)
    g.v(3, 4, 16)
    g.v(28, 4, 16)
    # Brick under the whole road and the ground, so a guard on it can be held in a hole.
    g.h(21, 0, 31)
    g.v(15, 0, 3)
    g.v(15, 17, 20)
    g.gold((3, 7), (3, 22), (16, 8), (16, 22), (10, 4), (10, 27), (6, 15), (20, 5), (20, 26))
    g.guards((16, 12), (16, 19), (20, 29))
    g.start(3, 16)


@level(1, 28, "Terraces", "long brick terraces step down from left to right; a false brick at the end of each drops you to the next")
def _(g):
    for i in range(4):
        r = 4 + 4 * i
        a = 5 * i
        g.h(r, a, a + 9)
        g.put(r, a + 8, "U")
        g.put(r - 1, a + 4, "*")
        if i:
            g.v(a + 5, r - 5, r - 1)
    g.v(25, 15, 20)
    g.h(21, 0, 31)
    g.v(31, 0, 20)
    g.gold((20, 3), (20, 12), (20, 22))
    g.guards((20, 6), (20, 18), (15, 23))
    g.start(3, 1)


@level(1, 29, "Dig race", "five brick layers lie between you and the gold at the bottom: dig fast, guards follow down")
def _(g):
    for r in (6, 9, 12, 15, 18):
        g.h(r, 4, 27)
    g.h(21, 0, 31, "M")
    g.v(2, 0, 20)
    g.v(29, 0, 20)
    g.h(3, 3, 28, "M")
    g.gold((8, 8), (11, 23), (14, 10), (17, 21), (20, 15), (20, 6), (20, 25), (2, 15))
    g.guards((2, 7), (2, 24), (20, 1))
    g.start(5, 15)


@level(1, 30, "Twin ladders", "two ladders side by side up the middle with matching floors off them: a breather")
def _(g):
    g.v(14, 0, 20)
    for r, w in ((4, 8), (8, 11), (12, 6), (16, 10)):
        g.h(r, 14 - w, 13)
        g.put(r - 1, 14 - w, "*")
    g.mirror()
    g.h(21, 0, 31)
    g.gold((20, 4), (20, 27))
    g.guards((20, 1), (20, 30))
    g.start(3, 12)


@level(1, 32, "Pipes", "ladders and ropes bend round each other like pipes across a stone wall")
def _(g):
    g.h(21, 0, 31, "M")
    g.v(3, 1, 20)
    g.h(5, 4, 12, "-")
    g.v(13, 5, 12)
    g.h(12, 14, 22, "-")
    g.v(23, 2, 12)
    g.h(2, 24, 29, "-")
    g.v(30, 2, 20)
    g.h(17, 4, 29, "-")
    g.v(18, 0, 4)
    g.h(5, 19, 22, "-")
    g.v(9, 17, 20)
    g.gold((1, 3), (8, 8), (16, 13), (15, 19), (7, 26), (20, 6), (20, 25), (9, 18), (6, 20))
    g.put(1, 3, "H")
    g.gold((0, 3))
    g.guards((20, 12), (20, 20), (20, 28))
    g.start(4, 15)


@level(1, 33, "Gold in the air", "a high hall with gold hanging in mid-air in rows: let go of the ropes above each row")
def _(g):
    g.h(2, 1, 30, "-")
    g.h(9, 1, 30, "-")
    g.h(21, 0, 31, "M")
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    for c in (5, 11, 17, 23, 28):
        g.put(5, c, "*")
    for c in (8, 14, 20, 26):
        g.put(13, c, "*")
        g.put(16, c, "*")
    g.h(12, 12, 18)
    g.guards((20, 4), (20, 15), (20, 27))
    g.start(1, 15)


@level(1, 34, "The long bridge", "a brick bridge on stone arches over a low floor: guards on the floor below, gold along the bridge and under it")
def _(g):
    g.h(8, 2, 29)
    for c in (2, 10, 21, 29):
        g.v(c, 9, 16, "M")
    g.h(21, 0, 31)
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.v(15, 8, 20)
    g.gold((7, 6), (7, 12), (7, 19), (7, 25), (20, 6), (20, 13), (20, 18), (20, 25), (5, 14))
    g.h(4, 10, 21, "-")
    g.v(9, 4, 7)
    g.guards((20, 4), (20, 17), (20, 27))
    g.start(7, 3)


@level(1, 36, "Mirror hall", "a symmetric hall where every floor has a false brick on one side and a real one on the other")
def _(g):
    for r in (5, 10, 15):
        g.h(r, 2, 29)
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.at("U", (5, 9), (10, 22), (15, 9))
    g.at("T", (5, 22), (10, 9), (15, 22))
    g.h(21, 0, 31)
    g.gold((4, 9), (9, 22), (14, 9), (4, 22), (9, 9), (14, 22), (20, 15), (8, 15), (4, 26))
    g.v(15, 16, 20)
    g.guards((20, 5), (20, 26), (19, 15 - 3))
    g.start(4, 15)


@level(1, 37, "Pockets", "a staircase of brick with a pocket of gold under each step and a ladder down into it")
def _(g):
    for s in range(6):
        r = 6 + 2 * s
        a = 4 * s + 2
        g.fill(r, a, r + 1, a + 5)
        g.put(r + 1, a + 2, "*")
        g.put(r + 1, a + 3, " ")
        g.put(r, a + 3, "H")
        g.put(r + 1, a + 3, "H")
    g.h(21, 0, 31, "M")
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.h(3, 1, 30, "-")
    g.gold((20, 10), (20, 20), (20, 28))
    g.guards((20, 3), (20, 14), (20, 25))
    g.start(5, 2)


@level(1, 38, "Stalactites", "a cave roof of stone with stalactites hanging down, brick ledges between them and a floor of rubble")
def _(g):
    g.h(0, 0, 31, "M")
    g.h(1, 0, 31, "M")
    for c, d in ((4, 6), (10, 9), (16, 5), (21, 8), (27, 6)):
        g.v(c, 2, 1 + d, "M")
        g.v(c + 1, 2, d - 1, "M")
    g.at(" ", (0, 1), (1, 1), (0, 30), (1, 30))
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.h(11, 2, 8)
    g.h(14, 12, 19)
    g.h(11, 23, 29)
    g.v(13, 14, 20)
    g.v(24, 11, 20)
    g.v(7, 11, 20)
    g.h(21, 0, 31)
    g.gold((10, 4), (10, 27), (13, 16), (20, 10), (20, 20), (20, 3), (8, 13), (9, 19))
    g.h(9, 12, 14)
    g.h(10, 18, 20)
    g.v(14, 9, 13)
    g.v(18, 10, 13)
    g.guards((20, 27), (20, 16), (13, 19))
    g.start(10, 3)


@level(1, 39, "Narrow ledges", "ledges one cell wide along a brick wall; four guards patrol the ground where you dig to trap them")
def _(g):
    g.fill(3, 13, 17, 18)
    for r in (5, 9, 13):
        g.h(r, 8, 12)
        g.h(r + 2, 19, 23)
    g.v(7, 2, 20)
    g.h(3, 8, 12)
    g.v(24, 6, 20)
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    g.v(15, 0, 2)
    g.gold((4, 10), (8, 11), (12, 9), (6, 21), (10, 20), (14, 22), (2, 14), (2, 17), (20, 2), (20, 29), (20, 15))
    g.guards((20, 1), (20, 30), (20, 11), (20, 20))
    g.start(2, 15 + 1)


@level(1, 40, "Open field", "a wide empty field with a few ladders and ropes: room to run from the guards; a breather")
def _(g):
    g.h(21, 0, 31, "M")
    g.h(10, 5, 26)
    g.v(5, 10, 20)
    g.v(26, 10, 20)
    g.h(5, 8, 23, "-")
    g.v(15, 0, 9)
    g.gold((20, 1), (20, 10), (20, 21), (20, 30), (9, 8), (9, 23), (6, 11), (6, 20))
    g.guards((20, 12), (20, 19), (20, 28))
    g.start(9, 14)


@level(1, 41, "Crates", "stacks of brick crates of every height on a warehouse floor, a crane rope over them")
def _(g):
    g.h(21, 0, 31)
    for a, top in ((2, 16), (6, 12), (10, 17), (14, 14), (18, 10), (22, 15), (26, 13)):
        g.fill(top, a, 20, a + 2)
        g.put(top - 1, a + 1, "*")
    g.h(4, 1, 30, "-")
    for c in (5, 9, 13, 17, 21, 25, 29):
        g.v(c, 4, 20)
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.guards((20, 5 - 4), (20, 12 - 1), (20, 24 - 1))
    g.start(3, 15)


@level(1, 42, "The X", "two brick staircases cross in the middle like an X; ladders at the four ends")
def _(g):
    for i in range(14):
        g.put(3 + i, 2 + i, "T")
        g.put(3 + i, 29 - i, "T")
    g.h(10, 9, 22)
    g.h(2, 1, 30, "-")
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.h(21, 0, 31)
    g.v(15, 11, 20)
    g.gold((4, 3), (4, 28), (8, 7), (8, 24), (9, 15), (14, 14), (14, 17), (20, 5), (20, 26), (20, 15 - 4))
    g.guards((20, 3), (20, 28), (20, 18), (16, 15 + 1))
    g.start(1, 4)


@level(1, 43, "Locked room", "a room of stone with no door: you fall in through a false roof, and a hidden ladder is the only way out")
def _(g):
    g.box(8, 8, 18, 23, "M")
    g.h(8, 13, 18, "U")
    # Guards that follow the runner over the false roof are shut in with him: a brick floor on
    # the stone one lets him hold them in holes without digging a way out.
    g.h(17, 9, 22)
    g.h(13, 9, 22)
    g.at(" ", (13, 11), (13, 20))
    g.v(15, 0, 16, "#")
    g.gold((16, 10), (16, 21), (16, 12), (16, 19), (12, 15 + 1))
    g.h(21, 0, 31, "M")
    g.v(2, 0, 20)
    g.v(29, 0, 20)
    g.h(8, 3, 7)
    g.h(8, 24, 28)
    g.h(14, 0, 1)
    g.h(14, 30, 31)
    g.gold((7, 5), (7, 26), (20, 10), (20, 21), (13, 0))
    g.guards((20, 5), (20, 15), (20, 26), (13, 31))
    g.start(7, 10)


@level(1, 44, "Checkered wall", "a wall of stone and brick squares like a chessboard: dig down through the brick squares only")
def _(g):
    for i, r in enumerate(range(6, 20, 3)):
        for j, a in enumerate(range(2, 30, 4)):
            ch = "T" if (i + j) % 2 == 0 else "M"
            g.fill(r, a, r, a + 3, ch)
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    for r in (5, 8, 11, 14, 17):
        g.put(r, 16, "*")
    g.gold((20, 6), (20, 25), (5, 4), (11, 27))
    g.guards((20, 3), (20, 12), (20, 20), (20, 28))
    g.start(4, 10)


@level(1, 45, "Dome", "a brick dome over a room of gold, a ladder down through its top; a breather")
def _(g):
    rows = [(5, 13, 18), (6, 10, 21), (7, 8, 23), (8, 7, 24), (10, 6, 25), (13, 5, 26)]
    for r, a, b in rows:
        g.put(r, a, "T")
        g.put(r, b, "T")
        if r == 5:
            g.h(r, a, b)
    g.v(5, 14, 20, "T")
    g.v(26, 14, 20, "T")
    g.at(" ", (20, 5), (20, 26))
    for (r1, a1, _b1), (r2, a2, _b2) in zip(rows, rows[1:]):
        for r in range(r1 + 1, r2):
            g.put(r, a2, "T")
            g.put(r, 31 - a2, "T")
    g.v(15, 0, 20)
    g.h(21, 0, 31)
    g.h(14, 7, 24)
    g.put(14, 15, "H")
    g.gold((4, 12), (4, 19), (13, 10), (13, 21), (20, 9), (20, 22), (20, 1), (20, 30))
    g.guards((20, 0), (20, 31), (20, 3))
    g.start(4, 14)


@level(1, 46, "Trapezes", "short ropes hang at staggered heights across a wide gap, like trapezes: swing from one to the next by dropping")
def _(g):
    g.fill(5, 0, 20, 3, "M")
    g.fill(5, 28, 20, 31, "M")
    g.h(5, 0, 3)
    g.h(5, 28, 31)
    for k, (r, a) in enumerate(((5, 4), (8, 8), (11, 12), (14, 16), (17, 20))):
        g.h(r, a, a + 3, "-")
        g.put(r + 1, a + 4, "*")
    g.h(21, 0, 31, "M")
    g.v(4, 6, 20)
    g.v(27, 0, 20)
    g.v(1, 0, 4)
    g.gold((20, 10), (20, 20), (4, 30))
    g.guards((20, 8), (20, 14), (20, 19), (20, 24))
    g.start(4, 2)


@level(1, 47, "Quarry", "a great pit cut in terraces into the brick: go down the terraces, dig the last step, climb out by the ladders")
def _(g):
    g.fill(4, 0, 21, 31)
    for k in range(5):
        g.fill(4, 3 + 2 * k, 4 + 3 * k, 28 - 2 * k, " ")
    g.h(21, 0, 31)
    for k in range(5):
        g.put(3 + 3 * k, 3 + 2 * k, "*")
        g.put(3 + 3 * k, 28 - 2 * k, "*")
    g.v(1, 0, 19)
    g.v(30, 0, 19)
    g.v(15, 14, 19)
    g.at(" ", (19, 2), (19, 29), (18, 2), (18, 29))
    g.h(19, 2, 29, " ")
    g.h(18, 2, 29, " ")
    g.v(15, 14, 18)
    g.gold((19, 8), (19, 23))
    g.guards((19, 4), (19, 27), (19, 12), (19, 19))
    g.start(3, 6)


@level(1, 48, "Arches", "a brick road on stone arches; dig through the road over an arch to fall through it for the gold inside")
def _(g):
    g.h(7, 0, 31)
    for a in (2, 9, 16, 23):
        g.v(a, 8, 17, "M")
        g.v(a + 6, 8, 17, "M")
        g.h(8, a, a + 2, "M")
        g.h(8, a + 4, a + 6, "M")
        g.put(11, a + 3, "*")
    g.h(21, 0, 31)
    g.v(1, 0, 20)
    g.v(31, 0, 20)
    g.gold((6, 8), (6, 22), (20, 6), (20, 13), (20, 20), (20, 27))
    g.guards((20, 4), (20, 11), (20, 18), (20, 25))
    g.start(6, 15)


@level(1, 49, "Chimneys", "five narrow chimneys rise from a brick floor; drop down each for the gold at its foot, climb out by its ladder")
def _(g):
    g.h(4, 0, 31)
    g.h(21, 0, 31, "M")
    for a in (3, 9, 15, 21, 27):
        g.v(a - 1, 5, 17, "M")
        g.v(a + 2, 5, 17, "M")
        g.at(" ", (4, a), (4, a + 1))
        g.v(a + 1, 4, 20)
        g.put(10, a, "*")
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.gold((20, 7), (20, 13), (20, 19), (20, 25), (3, 6))
    g.guards((20, 1), (20, 12), (20, 18), (20, 30))
    g.start(3, 12)


@level(1, 50, "Lagoon", "a wide basin of brick with gold at the bottom and shallow shelves round it: a breather")
def _(g):
    g.h(10, 1, 2)
    g.h(10, 29, 30)
    for k in range(6):
        g.h(10 + 2 * k, 2 + 2 * k, 4 + 2 * k)
        g.h(10 + 2 * k, 27 - 2 * k, 29 - 2 * k)
        g.put(9 + 2 * k, 3 + 2 * k, "*")
        g.put(9 + 2 * k, 28 - 2 * k, "*")
    g.h(21, 0, 31)
    g.h(20, 12, 19)
    g.h(19, 12, 19, " ")
    g.v(15, 4, 19)
    g.h(4, 8, 23)
    g.gold((19, 14), (3, 10), (3, 21))
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.guards((20, 1), (20, 30), (20, 6))
    g.start(3, 15 + 1)


@level(1, 51, "Scales", "a long beam on a ladder post with a brick pan hanging at each end: dig through the beam into a pan, then out of it")
def _(g):
    g.h(5, 1, 30)
    g.v(15, 0, 20)
    g.v(16, 0, 20)
    for a in (4, 20):
        g.h(12, a, a + 7)
        g.v(a, 10, 11)
        g.v(a + 7, 10, 11)
        g.put(11, a + 3, "*")
        g.put(11, a + 5, "*")
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.h(21, 0, 31)
    g.gold((4, 3), (4, 28), (20, 8), (20, 23))
    g.guards((20, 2), (20, 10), (20, 21), (20, 29))
    g.start(4, 13)


@level(1, 52, "Little maze", "three floors of stone cut by walls, joined by ladders in unexpected places: find the way to each room")
def _(g):
    for r in (7, 14):
        g.h(r, 0, 31, "M")
    # The bottom rooms are dead ends with guards in them: a brick floor there to trap them on.
    g.h(21, 0, 31)
    for c, r0, r1 in ((8, 0, 6), (20, 0, 6), (12, 8, 13), (25, 8, 13), (6, 15, 20), (18, 15, 20)):
        g.v(c, r0, r1, "M")
    for c, r0, r1 in ((3, 6, 13), (16, 6, 13), (29, 6, 13), (10, 13, 20), (22, 13, 20), (1, 13, 20), (14, 0, 6)):
        g.v(c, r0, r1)
    g.at(" ", (20, 18), (6, 20))
    g.gold((6, 2), (6, 11), (6, 26), (13, 7), (13, 20), (13, 28), (20, 3), (20, 14), (20, 27))
    g.guards((20, 30), (20, 24), (13, 22), (13, 9))
    g.start(6, 4)


@level(1, 53, "Crossroads", "a brick block cut by a tunnel across and a shaft down: gold at the end of every arm")
def _(g):
    g.fill(5, 0, 21, 31)
    g.h(21, 0, 31, "M")
    g.fill(11, 2, 12, 29, " ")
    g.fill(5, 14, 19, 17, " ")
    g.at("T", (13, 14), (13, 17))
    g.v(15, 5, 19)
    g.v(16, 0, 4)
    g.v(16, 5, 19)
    g.gold((12, 3), (12, 28), (19, 14), (19, 17), (4, 5), (4, 26), (8, 14), (16, 17))
    g.v(1, 4, 12)
    g.v(30, 4, 12)
    g.guards((12, 6), (12, 25), (19, 16 - 2), (12, 10))
    g.put(19, 14, "*")
    g.start(4, 10)


@level(1, 54, "Three trap floors", "three floors where every third brick is false: hang from the rope over each and let go above the gold")
def _(g):
    for i, r in enumerate((5, 10, 15)):
        for c in range(2, 30):
            g.put(r, c, "U" if (c + i) % 3 == 0 else "T")
        g.put(r - 1, 6 + 7 * i, "*")
        g.put(r - 1, 25 - 7 * i, "*")
        g.h(r - 2, 2, 29, "-")
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.h(21, 0, 31)
    g.gold((20, 8), (20, 15), (20, 22))
    g.guards((20, 3), (20, 12), (20, 19), (20, 27), (20, 29))
    g.start(4, 2)


@level(1, 55, "Podium", "two flights of steps climb to a podium in the middle: a breather")
def _(g):
    for k in range(6):
        g.h(20 - 2 * k, 2 + 2 * k, 29 - 2 * k)
    g.fill(9, 12, 10, 19)
    for k in range(6):
        g.v(1 + 2 * k, 19 - 2 * k, min(20, 21 - 2 * k))
        g.v(30 - 2 * k, 19 - 2 * k, min(20, 21 - 2 * k))
        if k < 5:
            g.put(19 - 2 * k, 5 + 2 * k, "*")
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    g.v(15, 0, 8)
    g.gold((8, 13), (20, 0))
    g.guards((20, 31), (20, 30), (18, 28), (16, 26))
    g.start(8, 17)


@level(1, 56, "Island tower", "a stone tower on an island; the ground round it has false bricks over a cellar full of gold")
def _(g):
    g.h(17, 0, 31)
    g.h(17, 9, 11, "U")
    g.h(17, 20, 22, "U")
    g.fill(6, 13, 16, 18, "M")
    g.v(12, 5, 16)
    g.v(19, 5, 16)
    g.h(21, 0, 31, "M")
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.gold((5, 14), (5, 17), (20, 6), (20, 15), (20, 25), (16, 4), (16, 27))
    g.guards((20, 3), (20, 28), (20, 12), (20, 19))
    g.start(5, 15)


@level(1, 57, "Rope rings", "three rings of rope and ladder one inside another, with short ropes between them and gold in the corners")
def _(g):
    for (t, b, l, r) in ((2, 19, 2, 29), (6, 15, 7, 24), (10, 12, 12, 19)):
        g.h(t, l, r, "-")
        g.h(b, l, r, "-")
        g.v(l, t, b)
        g.v(r, t, b)
    g.h(8, 3, 6, "-")
    g.h(17, 25, 28, "-")
    g.h(11, 8, 11, "-")
    g.h(13, 20, 23, "-")
    g.h(21, 0, 31, "M")
    g.v(0, 0, 20)
    g.h(4, 1, 1, "-")
    g.gold((3, 4), (18, 27), (7, 9), (14, 22), (11, 15), (11, 16), (20, 10), (20, 21), (9, 26))
    g.guards((20, 3), (20, 15), (20, 28), (20, 18), (20, 7))
    g.start(1, 15)


@level(1, 58, "Forks", "three brick forks hang from the ceiling, gold caught between their tines")
def _(g):
    g.h(2, 0, 31, "M")
    for a in (3, 13, 23):
        g.v(a + 3, 3, 8)
        g.h(9, a, a + 6)
        for c in (a, a + 3, a + 6):
            g.v(c, 10, 14, "T")
        g.put(14, a + 1, "*")
        g.put(14, a + 5, "*")
    g.h(21, 0, 31)
    g.v(1, 3, 20)
    g.v(30, 3, 20)
    g.h(15, 2, 29, "-")
    g.h(5, 2, 29, "-")
    for a in (3, 13, 23):
        g.v(a + 3, 3, 8)
    g.at(" ", (2, 1), (2, 30))
    g.v(1, 0, 2)
    g.v(30, 0, 2)
    g.gold((8, 9), (8, 29), (20, 15))
    g.guards((20, 4), (20, 10), (20, 20), (20, 26), (20, 15 + 1))
    g.start(8, 14)


@level(1, 59, "Ledges and ladders", "a staircase of short ledges climbs from bottom left to top right, a ladder from each to the next")
def _(g):
    for k in range(7):
        r = 19 - 3 * k
        a = 1 + 4 * k
        g.h(r, a, a + 4)
        g.put(r - 1, a + 2, "*")
    for k in range(6):
        r = 19 - 3 * k
        a = 1 + 4 * k
        g.v(a + 4, r - 3, r - 1)
    g.h(21, 0, 31)
    g.v(31, 0, 20)
    g.v(0, 18, 20)
    g.gold((20, 12), (20, 24))
    g.guards((20, 16), (20, 20), (20, 24 + 2), (20, 28), (20, 30))
    g.start(18, 3)


@level(1, 60, "Flowerpots", "brick pots on shelves with gold in each: let go of the rope into a pot and fall through its false bottom; a breather")
def _(g):
    for r in (6, 12, 18):
        g.h(r, 2, 29)
        g.h(r - 3, 2, 29, "-")
        for a in (5, 13, 21):
            g.put(r - 1, a, "T")
            g.put(r - 1, a + 3, "T")
            g.put(r - 1, a + 1, "*")
            g.put(r, a + 2, "U")
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.h(21, 0, 31, "M")
    g.gold((20, 15))
    g.guards((20, 5), (20, 24), (17, 28), (20, 10))
    g.start(2, 3)

@level(1, 61, "Twin vaults", "two stone vaults side by side with brick lids and brick floors: dig into each, take its gold, dig out below")
def _(g):
    g.h(7, 0, 31)
    for a in (4, 17):
        g.box(7, a, 15, a + 10, "M")
        g.h(7, a + 4, a + 6)
        g.h(15, a + 2, a + 3)
        g.h(11, a + 1, a + 9)
        g.at(" ", (11, a + 5))
        g.put(10, a + 2, "*")
        g.put(14, a + 8, "*")
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    g.v(1, 0, 20)
    g.v(30, 7, 20)
    g.v(15, 7, 20)
    g.v(16, 7, 20)
    g.gold((6, 3), (6, 28), (20, 10), (20, 22))
    g.guards((20, 3), (20, 8), (20, 20), (20, 26), (20, 29))
    g.start(6, 15)


@level(1, 62, "The spine", "a brick spine up the middle with ribs branching off it to alternate sides, a ladder at every rib's tip")
def _(g):
    g.fill(2, 15, 20, 16)
    for r in (5, 11, 17):
        g.h(r, 6, 14)
        g.put(r - 1, 9, "*")
    for r in (8, 14):
        g.h(r, 17, 25)
        g.put(r - 1, 22, "*")
    g.h(1, 6, 14, "-")
    g.h(1, 17, 25, "-")
    g.v(5, 0, 20)
    g.v(26, 1, 20)
    g.h(21, 0, 31)
    g.gold((20, 2), (20, 29), (20, 12), (20, 19), (1, 15))
    g.guards((20, 0), (20, 31), (20, 10), (20, 21), (20, 28))
    g.start(4, 12)


@level(1, 63, "Waves", "two floors that rise and fall like waves: the gold lies in the troughs, ladders climb each rise")
def _(g):
    heights = [0, 1, 2, 1, 0, 1, 2, 1]
    for base in (7, 15):
        for i, hgt in enumerate(heights):
            r = base + hgt
            g.h(r, 4 * i, 4 * i + 3)
            if i > 0 and heights[i - 1] > hgt:
                g.v(4 * i, r - 1, base + heights[i - 1] - 1)
            if i > 0 and heights[i - 1] < hgt:
                g.v(4 * i - 1, base + heights[i - 1] - 1, r - 1)
            if hgt == 2:
                g.put(r - 1, 4 * i + 1, "*")
    g.v(31, 0, 20)
    g.v(0, 8, 20)
    g.h(21, 0, 31, "M")
    g.gold((5, 6), (5, 22), (20, 8), (20, 24))
    g.h(4, 2, 28, "-")
    g.v(1, 4, 6)
    g.guards((20, 4), (20, 12), (20, 20), (20, 28), (20, 16))
    g.start(6, 2)


@level(1, 64, "Bunkers", "low stone bunkers on open ground, each with a brick roof and gold inside: dig in from the top")
def _(g):
    g.h(21, 0, 31)
    for a in (2, 12, 22):
        g.box(15, a, 20, a + 7, "M")
        g.h(15, a + 2, a + 5)
        g.put(19, a + 2, "*")
        g.put(19, a + 5, "*")
        g.at(" ", (19, a), (20, a))
        g.put(14, a + 7, "*")
    g.at(" ", (21, 2), (21, 12), (21, 22))
    g.put(21, 2, "M")
    g.put(21, 12, "M")
    g.put(21, 22, "M")
    g.h(8, 1, 30)
    g.v(11, 8, 20)
    g.v(21, 8, 20)
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.v(15, 0, 7)
    g.gold((7, 8), (7, 23))
    g.guards((20, 1), (20, 10), (20, 30), (20, 20), (14, 31 - 1))
    g.start(7, 14)


@level(1, 65, "Avenue", "an avenue of ladder trees with brick crowns and gold in their tops: a breather")
def _(g):
    g.h(21, 0, 31)
    for c, top in ((4, 8), (11, 11), (18, 7), (25, 10)):
        g.v(c, top, 20)
        g.h(top, c - 2, c + 2)
        g.put(top, c, "H")
        g.put(top - 1, c - 2, "*")
        g.put(top - 1, c + 2, "*")
    g.v(31, 0, 20)
    g.gold((20, 8), (20, 15), (20, 22))
    g.guards((20, 29), (20, 27), (20, 1), (20, 14))
    g.start(6, 18)


@level(1, 66, "Cellar and attic", "a stone house: gold in the attic under a brick roof, gold in the cellar under a brick floor, a hidden ladder home")
def _(g):
    g.box(4, 5, 17, 26, "M")
    g.h(4, 10, 21)
    g.h(9, 6, 25)
    g.h(13, 6, 25)
    g.h(17, 12, 19)
    g.v(8, 9, 12)
    g.v(23, 9, 12)
    g.at(" ", (12, 5), (12, 26), (16, 5), (16, 26))
    g.h(21, 0, 31, "M")
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.h(13, 0, 4)
    g.h(13, 27, 31)
    g.v(1, 13, 20)
    g.v(30, 13, 20)
    g.h(18, 6, 25, " ")
    g.gold((8, 11), (8, 20), (12, 14), (12, 17), (16, 8), (16, 23), (20, 14), (20, 17), (3, 15), (20, 3))
    g.v(15, 0, 3, "#")
    g.guards((20, 5), (20, 26), (20, 10), (20, 21), (12, 2))
    g.start(3, 7)


@level(1, 67, "Mountain range", "three brick peaks side by side under a rope, a ladder up through each peak and one out of each valley")
def _(g):
    for c, top in ((5, 14), (16, 10), (26, 13)):
        g.pyramid(top, c, 21 - top)
        g.v(c - 1, top - 1, 20)
        g.put(top - 1, c, "*")
    g.h(21, 0, 31)
    g.h(3, 1, 30, "-")
    g.v(0, 0, 20)
    g.v(31, 0, 20)
    g.v(16, 3, 8)
    g.v(8, 4, 16)
    g.v(23, 4, 15)
    g.gold((16, 9), (15, 22), (6, 16 - 3))
    g.guards((16, 30), (15, 29), (13, 8 - 2), (17, 31 - 2), (14, 6 + 12))
    g.start(2, 16 + 6)


@level(1, 69, "The star", "a four-pointed star of brick under a rope: gold on its points, a ladder down each side")
def _(g):
    for r in range(2, 10):
        w = (r - 2) // 3
        g.h(r, 15 - w, 16 + w)
    for r in range(12, 20):
        w = (19 - r) // 3
        g.h(r, 15 - w, 16 + w)
    for c in range(2, 30):
        w = (13 - abs(c - 15.5)) // 5
        g.v(c, 10 - int(max(0, w)), 11, "T")
    g.h(1, 2, 29, "-")
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.h(21, 0, 31)
    g.gold((1, 15), (1, 16), (9, 3), (9, 28), (20, 15), (20, 5), (20, 26), (8, 10), (8, 21))
    g.guards((20, 2), (20, 29), (20, 10), (20, 21), (20, 12))
    g.start(9, 5)

@level(1, 71, "Switchbacks", "a path that doubles back up the screen between stone walls: rope, ladder, rope, ladder, gold at every turn")
def _(g):
    for i, r in enumerate((19, 15, 11, 7, 3)):
        if i < 4:
            g.h(r + 2, 3, 28, "M")
        g.h(r, 3, 28, "-")
        c = 29 if i % 2 == 0 else 2
        g.v(c, r - 4 if i < 4 else 0, r + 1 if i else 20)
        g.put(r + 1, 15 + (4 if i % 2 else -4), "*")
    # Five guards wait at the bottom: brick under them, so they can be trapped, not only fled.
    g.h(21, 0, 31)
    g.at(" ", (13, 15), (9, 15))
    g.gold((20, 5), (20, 26), (19, 15))
    g.guards((20, 1), (20, 10), (20, 16), (20, 21), (20, 30))
    g.start(2, 15)


@level(1, 72, "Two tunnels", "two brick tunnels run under the ground, one above the other, guards in both")
def _(g):
    g.fill(6, 0, 21, 31)
    g.h(21, 0, 31, "M")
    g.fill(9, 2, 10, 29, " ")
    g.fill(15, 2, 16, 29, " ")
    g.h(19, 2, 29, " ")
    g.h(20, 2, 29, " ")
    g.v(1, 0, 10)
    # The bottom tunnel has a ladder at each end and brick under it: its guard no longer holds
    # the runner in a dead end with a stone floor.
    g.v(30, 9, 20)
    g.v(1, 15, 20)
    g.h(21, 2, 29)
    g.v(15, 0, 5)
    g.gold((5, 6), (5, 25), (10, 8), (10, 22), (16, 6), (16, 15), (16, 25), (20, 10), (20, 20))
    g.guards((10, 14), (10, 28), (16, 3), (16, 20), (20, 27))
    g.start(5, 12)


@level(1, 73, "Temple", "a symmetric temple: a stepped brick roof over stone columns, ladders inside and gold on the altar")
def _(g):
    for k in range(4):
        g.h(3 + k, 12 - 3 * k, 19 + 3 * k)
    for c in (5, 10, 21, 26):
        g.fill(8, c, 15, c, "M")
    g.h(18, 2, 29)
    g.h(6, 2, 29)
    g.h(16, 14, 17, "M")
    g.gold((15, 15), (15, 16), (2, 15), (5, 5), (5, 26), (17, 7), (17, 24), (20, 8), (20, 23))
    g.v(1, 0, 20)
    g.v(30, 0, 20)
    g.h(21, 0, 31, "M")
    g.h(2, 13, 18, "-")
    g.v(12, 2, 2)
    g.v(19, 2, 2)
    g.v(13, 7, 17)
    g.v(18, 7, 17)
    g.guards((20, 3), (20, 28), (20, 14), (20, 17), (17, 3))
    g.start(2, 12 - 1)


@level(1, 74, "Treasury", "a stone strongroom full of small coffers of gold, corridors between them, five guards on watch")
def _(g):
    g.fill(3, 1, 19, 30, "M")
    for r in (5, 10, 15):
        g.h(r, 2, 29, " ")
        g.h(r - 1, 2, 29, " ")
    for r in (6, 11, 16):
        for a in (4, 11, 18, 25):
            g.h(r, a, a + 1)
            g.put(r + 1, a, "*")
            g.put(r + 1, a + 1, " ")
            g.put(r + 1, a + 2, "H")
            g.put(r, a + 2, "H")
    g.v(2, 4, 15)
    g.v(29, 4, 15)
    g.at(" ", (3, 2), (3, 29))
    g.v(2, 0, 3)
    g.v(29, 0, 3)
    g.h(21, 0, 31)
    g.gold((20, 15))
    g.at(" ", (19, 15))
    g.v(15, 17, 20)
    g.guards((15, 8), (15, 22), (10, 15), (20, 4), (20, 27))
    g.start(5, 15)


@level(1, 75, "The castle", "the last level of the set: a castle of stone and brick with towers, a hall, a cellar and a hidden way out")
def _(g):
    g.box(4, 1, 20, 6, "M")
    g.h(9, 2, 5)
    g.h(14, 2, 5)
    g.v(3, 5, 19)
    g.at(" ", (8, 6), (13, 6), (19, 6))
    g.gold((8, 2), (13, 2), (19, 4))
    g.mirror()
    g.h(4, 1, 6, "T")
    g.h(4, 25, 30, "T")
    g.v(3, 0, 4)
    g.v(28, 0, 4)
    g.h(9, 7, 24)
    g.h(14, 7, 24)
    g.h(14, 14, 17, "U")
    g.h(20, 7, 24, "M")
    g.v(10, 10, 13)
    g.v(21, 10, 13)
    g.s(21, 0, "TTTTTTMMMMTTTTTTTTTTTTMMMMTTTTTT")
    g.v(15, 0, 8, "#")
    g.gold((8, 12), (8, 19), (13, 9), (13, 22), (19, 10), (19, 21), (19, 15))
    g.guards((19, 2), (19, 29), (13, 29), (8, 29), (19, 12 + 6))
    g.start(3, 12)
