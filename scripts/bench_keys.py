#!/usr/bin/env python3
"""Writes one random key script per level for quarrik-sim: FOLDER/S-N.txt for both sets, each
holding random playing keys for random stretches of 1 to 20 ticks, TICKS ticks long."""
import random
import sys

folder, ticks = sys.argv[1], int(sys.argv[2])
keys = [208, 203, 205, 200, 57]  # down, left, right, up, fire
for level_set in (1, 2):
    for level in range(1, 76):
        rng = random.Random(100 * level_set + level)
        tick = 1
        with open(f"{folder}/{level_set}-{level}.txt", "w") as f:
            while tick <= ticks:
                held = [k for k in keys if rng.random() < 0.3]
                f.write(" ".join([str(tick)] + [str(k) for k in held]) + "\n")
                tick += rng.randint(1, 20)
