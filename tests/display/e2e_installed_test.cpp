// The game as a distribution installs it: `cmake --install` of this build tree into a fresh
// prefix (in CI that is the sanitized Debug tree, which installs the same files), played by an
// ordinary user who cannot write into the prefix, with real X input. The player's files must
// all land in the per-user folder, readable by the game's own loaders, and the prefix must
// come out byte for byte as it went in.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/game_app.h"
#include "core/user_paths.h"
#include "e2e_support.h"
#include "storage/score_table.h"
#include "support/child_process.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test_support::xdotool;

// The uid the game runs as when the test is root: root writes through any file mode.
constexpr int kNobody = 65534;

// Size, mode and a 64-bit FNV-1a hash of every file and folder below `root`.
std::map<std::string, std::string> fingerprint(const fs::path& root) {
    std::map<std::string, std::string> out;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string bytes = entry.is_regular_file() ? e2e::read_file(entry.path()) : "";
        uint64_t hash = 1469598103934665603ull;
        for (const char c : bytes) {
            hash = (hash ^ static_cast<uint8_t>(c)) * 1099511628211ull;
        }
        const auto mode = static_cast<unsigned>(entry.symlink_status().permissions());
        out[fs::relative(entry.path(), root).string()] =
            std::to_string(bytes.size()) + " " + std::to_string(mode) + " " + std::to_string(hash);
    }
    return out;
}

// The width and height a PNG file gives in its header; 0 when it is no PNG.
std::pair<int, int> png_size(const fs::path& path) {
    const std::string png = e2e::read_file(path);
    if (png.size() < 24 || png.compare(1, 3, "PNG") != 0 || png.compare(12, 4, "IHDR") != 0) {
        return {0, 0};
    }
    return {static_cast<int>(e2e::be32(png, 16)), static_cast<int>(e2e::be32(png, 20))};
}

// How many cells right of the runner the first gold of `level` lies on the runner's row, with
// nothing in the way and something to walk on; 0 when there is no such gold.
int gold_to_the_right(const std::string& level) {
    std::vector<std::string> rows;
    std::istringstream lines(level);
    for (std::string row; std::getline(lines, row);) {
        rows.push_back(row);
    }
    for (size_t r = 0; r + 1 < rows.size(); ++r) {
        const size_t start = rows[r].find('!');
        if (start == std::string::npos) {
            continue;
        }
        for (size_t c = start + 1; c < rows[r].size() && c < rows[r + 1].size(); ++c) {
            const char here = rows[r][c];
            const bool held = here == '-' || here == 'H' ||
                              std::string("TMH").find(rows[r + 1][c]) != std::string::npos;
            if (std::string("TMU").find(here) != std::string::npos || !held) {
                return 0;
            }
            if (here == '*') {
                return static_cast<int>(c - start);
            }
        }
    }
    return 0;
}

class InstalledGame : public ::testing::Test {
  protected:
    void TearDown() override {
        // A non-root run made the prefix read-only by its modes: give them back to clean up.
        if (fs::exists(prefix)) {
            std::system(("chmod -R u+w '" + prefix.string() + "'").c_str());
        }
    }
    TempDir dir;
    fs::path prefix = fs::path(dir.path()) / "prefix";
};

// Installs, checks what was installed, plays level 1 of a set (a new game, a gold, the die key
// so the level starts again and is saved with the points, Escape to the menu, Escape to quit),
// and reads back what the game wrote.
TEST_F(InstalledGame, PlaysFromAReadOnlyPrefixAndKeepsThePlayersFilesInTheUserFolder) {
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    const std::string install_log = dir.path() + "/install.txt";
    ASSERT_EQ(std::system(("'" QUARRIK_CMAKE "' --install '" QUARRIK_BUILD_DIR "' --prefix '" +
                           prefix.string() + "' >'" + install_log + "' 2>&1")
                              .c_str()),
              0)
        << e2e::read_file(install_log);

    // Nothing of the build tree but the program, its data and the desktop's files.
    const std::vector<std::string> places = {"bin/quarrik",         "share/quarrik/",
                                             "share/applications/", "share/metainfo/",
                                             "share/man/man6/",     "share/icons/hicolor/"};
    for (const auto& [path, print] : fingerprint(prefix)) {
        bool known = false;
        for (const std::string& place : places) {
            known = known || path.rfind(place, 0) == 0 || place.rfind(path + "/", 0) == 0;
        }
        EXPECT_TRUE(known) << path << " should not be installed";
    }
    EXPECT_TRUE(fs::exists(prefix / "share/quarrik/data.pk"));
    EXPECT_TRUE(fs::exists(prefix / "share/quarrik/music"));
    for (const int side : {16, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(side) + "x" + std::to_string(side);
        EXPECT_EQ(png_size(prefix / "share/icons/hicolor" / name / "apps/quarrik.png"),
                  std::make_pair(side, side))
            << name;
    }

    // The level set whose first level has a gold nearest the runner's right.
    PackArchive archive;
    archive.set_key(kPackKey);
    ASSERT_TRUE(archive.open((prefix / "share/quarrik/data.pk").string()));
    int set = 0;
    int cells = 0;
    for (const int candidate : {1, 2}) {
        const PackEntry level =
            archive.read_file("dat/levels" + std::to_string(candidate) + "_full/01.txt");
        const int found = gold_to_the_right(std::string(level.chars(), level.size));
        if (found > 0 && (cells == 0 || found < cells)) {
            set = candidate;
            cells = found;
        }
    }
    ASSERT_GT(set, 0) << "neither set's level 1 has a gold right of the runner to walk to";

    // Root writes through modes: the player is then another user, and the prefix stays root's.
    const bool as_root = geteuid() == 0;
    const fs::path home = fs::path(dir.path()) / "home";
    fs::create_directories(home);
    if (as_root) {
        // Readable by all whatever the umask was at the install, writable by root alone.
        ASSERT_EQ(std::system(("chown -R 0:0 '" + prefix.string() + "' && chmod -R a+rX,go-w '" +
                               prefix.string() + "' && chown " + std::to_string(kNobody) + ":" +
                               std::to_string(kNobody) + " '" + home.string() + "'")
                                  .c_str()),
                  0);
    } else {
        std::system(("chmod -R a-w '" + prefix.string() + "'").c_str());
    }
    const std::map<std::string, std::string> before = fingerprint(prefix);

    e2e::PrivateDisplay display(1024, 768);
    ASSERT_FALSE(display.name().empty()) << "Xvfb did not start";
    const fs::path user_dir = home / ".local/share/quarrik";
    const std::string output = dir.path() + "/output.txt";
    test_support::ChildSetup setup({(prefix / "bin/quarrik").string()},
                                   {{"DISPLAY", display.name()},
                                    {"HOME", home.string()},
                                    {"XDG_DATA_HOME", (home / ".local/share").string()},
                                    {"SDL_AUDIODRIVER", "dummy"},
                                    {"QUARRIK_TICK_STATS", "1"}},
                                   output);
    setup.work_dir = home.string();
    setup.uid = kNobody;
    test_support::ChildProcess game(setup);
    const auto report = [&] {
        return "the program " + game.status() + "\nlog:\n" + e2e::read_file(user_dir / "game.log") +
               "output:\n" + e2e::read_file(output);
    };
    const std::string window = test_support::wait_for_window(display.name(), "Quarrik", 60s);
    ASSERT_FALSE(window.empty()) << "no window; " << report();
    ASSERT_TRUE(test_support::wait_for(
        [&] {
            return e2e::read_file(user_dir / "game.log").find("main menu first frame shown") !=
                   std::string::npos;
        },
        60s))
        << "the main menu did not show; " << report();
    ASSERT_TRUE(test_support::focus_window(display.name(), window, 10s));
    const LayoutPoint button =
        layout_point_int(e2e::game_layout(), set == 1 ? "m_zelm1_game_btn" : "m_zelm2_game_btn");
    xdotool(display.name(), "mousemove --window " + window + " " +
                                std::to_string(static_cast<int>(button.x) + 20) + " " +
                                std::to_string(static_cast<int>(button.y) + 20) + " click 1");

    // Right held: the level is uncovered (about four seconds), then the runner walks to the
    // gold at about five cells a second. K then costs a life and the level starts again, saved
    // with the points. A loaded machine runs the game slower than the clock: with no points
    // saved, the runner gets a second, longer try.
    const fs::path save_path = user_dir / "save.sav";
    ParamFile saved;
    const auto number = [&saved](const char* key) {
        return ParamFile::to_int(saved.get(key, "-999"));
    };
    xdotool(display.name(), "keydown Right");
    int lives = 3;
    for (const auto wait : {6000ms + cells * 300ms, 12000ms + cells * 600ms}) {
        std::this_thread::sleep_for(wait);
        xdotool(display.name(), "keydown k");
        // The dissolve after a death takes seconds, many more on a loaded machine.
        const bool died = test_support::wait_for(
            [&] {
                return saved.load_file(save_path.string(), true, kSavedGameKey) &&
                       number("gf_m_lifes_count_at_level_begin") == lives - 1;
            },
            60s);
        xdotool(display.name(), "keyup k");
        ASSERT_TRUE(died) << "the die key did not cost a life; " << report();
        --lives;
        if (number("gf_m_score_at_level_begin") > 0) {
            break;
        }
    }
    xdotool(display.name(), "keyup Right");
    xdotool(display.name(), "key Escape");
    std::this_thread::sleep_for(500ms);
    xdotool(display.name(), "key Escape");
    ASSERT_EQ(game.wait_exit(30s), 0) << "the program did not quit with Escape; " << report();

    EXPECT_EQ(fingerprint(prefix), before) << "the program changed its installed files";

    // The player's files, read by the game's own loaders from the paths an installed game uses.
    const std::string log = e2e::read_file(user_dir / "game.log");
    EXPECT_NE(log.find("\nRenderer: "), std::string::npos) << log;
    EXPECT_EQ(log.substr(log.size() - std::min<size_t>(log.size(), 12)), "Closing Log\n") << log;
    ASSERT_TRUE(saved.load_file(save_path.string(), true, kSavedGameKey));
    EXPECT_EQ(number("gf_m_level_current"), 1);
    EXPECT_EQ(number("gf_m_lifes_count_at_level_begin"), lives);
    EXPECT_GT(number("gf_m_score_at_level_begin"), 0) << "the runner took no gold\n" << log;
    EXPECT_EQ(saved.get("m_game_kind", ""), set == 1 ? "0" : "1");
    for (const char* name : {"scores1.tab", "scores2.tab"}) {
        ScoreTable table;
        EXPECT_TRUE(table.load((user_dir / name).string())) << name;
        EXPECT_TRUE(table.entries().empty()) << name;
    }
    const GamePaths old_paths = game_paths();
    GamePaths installed;
    installed.layout = FileLayout::installed;
    installed.data_dir = (prefix / "share/quarrik").string();
    installed.user_dir = user_dir.string();
    installed.log_path = (dir.path() + "/reader.log");
    set_game_paths(installed);
    {
        GameApp app;
        EXPECT_TRUE(app.load_settings()) << "dx.cfg was not read";
        EXPECT_EQ(app.m_window_width, 800);
        EXPECT_EQ(app.x, 112);  // the window's place, centred on the 1024x768 desktop
        EXPECT_TRUE(app.m_autosave);
    }
    set_game_paths(old_paths);
    EXPECT_FALSE(fs::exists(home / "data")) << "a portable folder was made in the home";
}

}  // namespace
