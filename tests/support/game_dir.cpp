#include "support/game_dir.h"

#include <unistd.h>

#include <climits>

InGameDir::InGameDir() : m_previous_paths(game_paths()) {
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd))
        return;
    m_previous_dir = cwd;
    if (chdir(QUARRIK_GAME_DIR) != 0)
        return;
    GamePaths paths = m_previous_paths;
    paths.user_dir = m_user.path();
    set_game_paths(paths);
    m_entered = true;
}

InGameDir::~InGameDir() {
    set_game_paths(m_previous_paths);
    if (!m_previous_dir.empty() && chdir(m_previous_dir.c_str()) != 0)
        m_previous_dir.clear();  // nothing better to do from a destructor
}
