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
    g.h(21, 0, 31)
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
