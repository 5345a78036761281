#pragma once

#include <string>

#include "world/game_params.h"

// A player for testing levels: it plays a level in the world's own rules, guards and all,
// pressing the game keys tick by tick. It heads for the gold in an order that strands none
// (the level checker's move graph, rebuilt from the level as it is at that moment), keeps away
// from cells a guard can reach before it, digs a hole in front of a guard that comes along its
// floor, retreats, and gives up a life with the die key when it is stuck. After a death the
// level starts again, as in the game.
//
// Like a player who knows the level, it learns from a lost life: before it counts one it goes
// back a few seconds (the game replayed from the start with the keys pressed so far, so the
// guards' random choices come out the same) and tries something else there: waiting for a
// guard to pass, another piece of gold first, a hole dug on the way, a bolder or a more careful
// crossing. Only when these retries run out is the life lost. Everything it does is still keys
// pressed per tick: the keys of a finished game, replayed, finish it again.

struct BotLimits {
    int lives = 4;                  // a new game's lives: three spare and the one in play
    long ticks_per_life = 20000;    // ten minutes of play
    bool trace = false;             // every decision to stderr
    int retries = 20;               // goings back per life before the life is given up
    long ticks_played = 40000;      // ticks played over all goings back, after which none more
    bool second_game_only = false;  // the second game at once: to look at its choices alone
};

// How one seed went.
struct BotResult {
    bool finished = false;
    unsigned seed = 0;
    long ticks = 0;  // game ticks, the pause after each death included
    int lives_lost = 0;
    int gold_total = 0;
    int best_gold = 0;         // the most gold taken in one life
    int retries = 0;           // goings back, over all lives
    bool second_game = false;  // finished only in the second game (see play_level_bot)
    // When not finished: how each life ended, e.g. "caught by a guard at column 5, row 9".
    std::string cause;
};

// Seeds the random generator with `seed` and plays the level text (a level file's bytes) with
// the rules in `rules` (the key bindings in it are the keys pressed). A seed not finished is
// played a second time from the start with more cunning choices (lying in wait for the guards
// where a hole can be dug at either side, leaving gold that would strand a piece a guard
// carries, digging down a shaft guards cannot leave and taking its gold on the way); the result
// is that game's when it finishes, else the first game's.
BotResult play_level_bot(const GameParams& rules, const std::string& level_text, unsigned seed,
                         const BotLimits& limits = BotLimits());
