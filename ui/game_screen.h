#pragma once

#include "ui/screen.h"

class ParamFile;

// What the main menu needs of the game it keeps between visits. The play screen implements
// it; the menu owns it, pushes it to play and asks it these questions when it comes back.
class GameScreen : public Screen {
  public:
    // The game has ended; the screen has closed itself or is about to.
    virtual bool is_game_over() const = 0;
    // The score of the last game tick.
    virtual int current_score() const = 0;
    // Replaces the running game by the one-level game chosen in the custom game dialog.
    virtual void start_custom() = 0;
    // Takes over changed options (the skin).
    virtual void refresh_graphics() = 0;
    // The level set this game is played in, 0 or 1.
    virtual int level_set() const = 0;
    // The game's keys of the saved game, and reading them back (which restarts the level).
    virtual void save(ParamFile& file) const = 0;
    virtual void restore(const ParamFile& file) = 0;
};
