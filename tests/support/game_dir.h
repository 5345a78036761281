#pragma once

#include <string>

#include "core/user_paths.h"
#include "support/temp_dir.h"

// Runs a test from inside the built game directory, as the game runs, while the player's
// files it writes (settings, score tables, the lock) go to a fresh folder: the shared game
// directory stays as the build made it. Both the working directory and the paths come back
// when the object goes, so later tests in the same process start where they expect.
class InGameDir {
  public:
    InGameDir();
    ~InGameDir();
    InGameDir(const InGameDir&) = delete;
    InGameDir& operator=(const InGameDir&) = delete;

    bool entered() const { return m_entered; }
    const std::string& user_dir() const { return m_user.path(); }

  private:
    TempDir m_user;
    GamePaths m_previous_paths;
    std::string m_previous_dir;
    bool m_entered = false;
};
