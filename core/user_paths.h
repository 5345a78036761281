#pragma once

#include <functional>
#include <string>

// Where the game's read-only data and the player's own files are. Every file the game opens
// is named through here, so the two layouts below stay the only places files can be.
//
// portable:  the game directory the build makes: the executable with data/ beside it holding
//            data.pk; the player's files go into that data/ folder and the log beside the
//            executable, as they always have.
// installed: the data under share/quarrik next to the executable's bin/ folder, which may be
//            read-only; the player's files and the log go to the per-user folder.
enum class FileLayout { portable, installed };

struct GamePaths {
    FileLayout layout = FileLayout::portable;
    std::string data_dir = "data";  // data.pk, the effect WAVs, music/
    std::string user_dir = "data";  // dx.cfg, save.sav, the score tables
    std::string log_path = "game.log";
};

// What the command line asked for; empty means "decide".
struct PathChoices {
    std::string data_dir;
    std::string user_dir;
};

// Decides the layout from the folder of the executable: data/data.pk beside it is the portable
// game, else ../share/quarrik when it exists is the installed one, else the portable layout
// (whose missing archive is then reported by its path). `pref_dir` gives the per-user folder
// and is only asked when the installed layout needs it; an empty answer leaves user_dir empty
// (the caller reports that). Relative choices are made absolute.
GamePaths decide_paths(const std::string& exe_dir, const PathChoices& choices,
                       const std::function<std::string()>& pref_dir);

// The paths of this run. Until set_game_paths, the portable game's names relative to the
// working directory (what the tools and tests use from inside a game directory).
const GamePaths& game_paths();
void set_game_paths(const GamePaths& paths);

// A file of the game's data, and one of the player's files, by name ("data.pk", "dx.cfg").
std::string data_file(const std::string& name);
std::string user_file(const std::string& name);

// The folder of the running executable; empty when it cannot be found.
std::string executable_dir();
// The per-user folder the window library gives (created if missing), without the final '/';
// empty when there is none (no HOME, nothing writable).
std::string per_user_dir();
