#include "core/user_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// The game directory the build makes: the player's files stay in data/, the log beside the
// executable, and the per-user folder is never asked for (asking creates it).
TEST(UserPaths, PortableGameKeepsEverythingBesideTheExecutable) {
    TempDir dir;
    dir.write("game/data/data.pk", "LB");
    dir.write("share/quarrik/data.pk", "LB");  // an installed copy next to it does not win
    bool asked = false;
    const GamePaths paths = decide_paths(dir.path() + "/game", {}, [&] {
        asked = true;
        return std::string("/nowhere");
    });
    EXPECT_EQ(paths.layout, FileLayout::portable);
    EXPECT_EQ(paths.data_dir, dir.path() + "/game/data");
    EXPECT_EQ(paths.user_dir, dir.path() + "/game/data");
    EXPECT_EQ(paths.log_path, dir.path() + "/game/game.log");
    EXPECT_FALSE(asked);

    // A portable game whose archive is missing stays portable, so the report names its path.
    fs::remove(dir.path() + "/game/data/data.pk");
    fs::remove_all(dir.path() + "/share");
    EXPECT_EQ(decide_paths(dir.path() + "/game", {}, nullptr).data_dir, dir.path() + "/game/data");
}

TEST(UserPaths, InstalledGameReadsShareAndWritesThePerUserFolder) {
    TempDir dir;
    dir.write("usr/share/quarrik/data.pk", "LB");
    fs::create_directories(dir.path() + "/usr/bin");
    const GamePaths paths =
        decide_paths(dir.path() + "/usr/bin", {}, [] { return std::string("/home/p/.q/"); });
    EXPECT_EQ(paths.layout, FileLayout::installed);
    EXPECT_EQ(paths.data_dir, dir.path() + "/usr/share/quarrik");
    EXPECT_EQ(paths.user_dir, "/home/p/.q");
    EXPECT_EQ(paths.log_path, "/home/p/.q/game.log");

    // No per-user folder: nothing to write to, which the caller must report.
    const GamePaths none = decide_paths(dir.path() + "/usr/bin", {}, [] { return std::string(); });
    EXPECT_TRUE(none.user_dir.empty());
    EXPECT_TRUE(none.log_path.empty());
}

TEST(UserPaths, CommandLineFoldersWinAndAreMadeAbsolute) {
    TempDir dir;
    dir.write("game/data/data.pk", "LB");
    PathChoices choices;
    choices.user_dir = "mine/";
    choices.data_dir = "/opt/q/data";
    const GamePaths paths = decide_paths(dir.path() + "/game", choices, nullptr);
    EXPECT_EQ(paths.data_dir, "/opt/q/data");
    EXPECT_EQ(paths.user_dir, (fs::current_path() / "mine").string());
    // The log goes with the player's other files once they are elsewhere.
    EXPECT_EQ(paths.log_path, paths.user_dir + "/game.log");

    set_game_paths(paths);
    EXPECT_EQ(user_file("dx.cfg"), paths.user_dir + "/dx.cfg");
    EXPECT_EQ(data_file("data.pk"), "/opt/q/data/data.pk");
    set_game_paths(GamePaths());
    EXPECT_EQ(user_file("save.sav"), "data/save.sav");
}

}  // namespace
