// The player's files on the real program, against what ends a run early or damages its files:
// a kill right after a name is entered, the display going away, a second copy, missing,
// partial and hand-edited files, a position off the screen, shared folders, links and a full
// disk. Every file is read back with the game's own loaders.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <functional>
#include <memory>
#include <string>

#include "app/game_app.h"
#include "e2e_support.h"
#include "game/game_field.h"
#include "storage/data_keys.h"
#include "storage/param_file.h"
#include "storage/score_table.h"
#include "support/child_process.h"

namespace {

namespace fs = std::filesystem;
using e2e::fields;

// A saved game that ended with 4321 points: continuing it opens the name entry at once.
const char kEndedGame[] =
    "gf_m_alpha 0\ngf_m_custom_game 0\ngf_m_is_game_over 1\ngf_m_level_current 3\n"
    "gf_m_lifes_count_at_level_begin 2\ngf_m_score_at_level_begin 4321\nm_game_kind 0\n";
// Continues it and enters `name`.
std::string enter_name(const std::string& name) {
    return "ticks 3\nclick m_continue_single_game_btn\nticks 3\nclick m_end_edit\ntype " + name +
           "\nkey 13\nticks 1\nstate\n";
}

// The game's loaders run in the game directory, as the program does.
struct InGameDir {
    explicit InGameDir(const std::string& dir) {
        ok = getcwd(old, sizeof old) && chdir(dir.c_str()) == 0;
    }
    ~InGameDir() {
        if (ok) {
            EXPECT_EQ(chdir(old), 0);
        }
    }
    char old[PATH_MAX] = {};
    bool ok = false;
};

// A driver run that goes on in the background while the test acts on it.
class BackgroundDrive {
  public:
    BackgroundDrive(const TempDir& dir, const std::string& script, const std::string& display,
                    const std::string& name)
        : m_out(dir.path() + "/" + name + ".out"),
          m_process(setup(dir, dir.write(name + ".txt", script), display)) {}
    // Waits (generously: the machine may be loaded) until `count` state lines are out.
    bool wait_for_states(size_t count) const {
        return test_support::wait_for([&] { return lines() >= count; }, std::chrono::minutes(2));
    }
    size_t lines() const {
        const std::string text = e2e::read_file(m_out);
        return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    }
    // The exit status once the run ended (within two minutes), 128 + the signal that ended
    // it, or -1.
    int wait_end() { return m_process.wait_exit(std::chrono::minutes(2)); }
    void signal(int sig) { m_process.signal(sig); }

  private:
    test_support::ChildSetup setup(const TempDir& dir, const std::string& script,
                                   const std::string& display) const {
        test_support::ChildSetup out(
            {QUARRIK_TOOLS_DIR "/quarrik-drive", "--game-dir", "game", script}, {}, m_out);
        out.error_output = m_out + ".err";
        out.work_dir = dir.path();
        if (!display.empty()) {
            out.env.emplace_back("DISPLAY", display);
        }
        return out;
    }

    std::string m_out;
    test_support::ChildProcess m_process;
};

class UserFilesE2E : public e2e::GameCopyTest {
  protected:
    void write_scrambled(const std::string& name, const std::string& text, const char* key) {
        ParamFile file;
        file.load_memory(text.data(), text.size(), true);
        ASSERT_TRUE(file.save(game_file(name), key));
    }
    ScoreTable table1() const {
        ScoreTable table;
        table.load(game_file("data/scores1.tab"));
        return table;
    }
    ParamFile read_scrambled(const std::string& name, const char* key) const {
        ParamFile file;
        EXPECT_TRUE(file.load_file(game_file(name), true, key)) << name;
        return file;
    }
};

TEST_F(UserFilesE2E, KilledRightAfterTheNameTheEntryIsInTheTable) {
    write_scrambled("data/save.sav", kEndedGame, kSavedGameKey);
    // An option changed too: the settings are on disk as the dialog closes.
    const e2e::DriveResult run =
        e2e::drive(dir, enter_name("Grace") +
                            "click m_options_btn\nticks 2\nclick m_od_volume1\n"
                            "click m_od_close_btn\nticks 2\nsignal 9\n");
    EXPECT_EQ(run.status, 128 + SIGKILL) << "the driver was not killed: " << run.errors;
    ASSERT_EQ(run.states.size(), 1u) << run.errors;
    EXPECT_EQ(fields(run.states[0])["top7"], "1,0");
    const ScoreTable table = table1();
    ASSERT_EQ(table.entries().size(), 1u);
    EXPECT_EQ(table.entries()[0].name, "Grace");
    EXPECT_EQ(table.entries()[0].score, 4321);
    EXPECT_EQ(read_scrambled("data/dx.cfg", kSettingsKey).get("m_music_volume", ""), "1");
}

// The display goes away in the middle of a game (the session ends): the program saves
// everything and closes its log; a quit signal does the same through the usual shutdown.
TEST_F(UserFilesE2E, LostDisplayAndQuitSignalsEndThroughTheShutdown) {
    auto display = std::make_unique<e2e::PrivateDisplay>(1024, 768);
    ASSERT_FALSE(display->name().empty());
    // Level 1 of a new game is not saved as it starts: a saved game can only come from the
    // shutdown.
    BackgroundDrive run(dir,
                        "ticks 3\nclick m_options_btn\nticks 2\nclick m_od_volume1\n"
                        "click m_od_close_btn\nticks 2\nclick m_zelm1_game_btn\nticks 20\n"
                        "state\nticks 1000000\n",
                        display->name(), "lost");
    ASSERT_TRUE(run.wait_for_states(1));
    EXPECT_FALSE(fs::exists(game_file("data/save.sav")));
    display.reset();
    EXPECT_EQ(run.wait_end(), 1);
    const std::string log = e2e::read_file(game_file("game.log"));
    EXPECT_NE(log.find("connection to the display was lost"), std::string::npos) << log;
    EXPECT_EQ(log.substr(log.size() - 12), "Closing Log\n");
    const ParamFile saved = read_scrambled("data/save.sav", kSavedGameKey);
    EXPECT_EQ(saved.get("gf_m_level_current", ""), "1");
    EXPECT_EQ(read_scrambled("data/dx.cfg", kSettingsKey).get("m_music_volume", ""), "1");

    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        fs::remove(game_file("data/save.sav"));
        const e2e::DriveResult ended =
            e2e::drive(dir, "ticks 3\nclick m_zelm1_game_btn\nticks 20\nsignal " +
                                std::to_string(sig) + "\nstate\n");
        EXPECT_EQ(ended.status, 0) << sig << ": " << ended.errors;
        EXPECT_TRUE(ended.states.empty()) << sig << ": the script went on after the signal";
        EXPECT_EQ(read_scrambled("data/save.sav", kSavedGameKey).get("gf_m_level_current", ""), "1")
            << sig;
    }
}

TEST_F(UserFilesE2E, MissingPartialAndDamagedSettingsCostNothing) {
    ScoreTable three;
    three.insert("Ada", 900);
    three.insert("Grace", 700);
    three.insert("Edsger", 500);
    ASSERT_TRUE(three.save(game_file("data/scores1.tab")));
    ASSERT_FALSE(fs::exists(game_file("data/dx.cfg")));
    const e2e::DriveResult first = e2e::drive(dir, "ticks 3\nstate\nkey 27\n");
    ASSERT_EQ(first.status, 0) << first.errors;
    EXPECT_EQ(fields(first.states.at(0))["top7"], "3,0");
    EXPECT_EQ(table1().entries().size(), 3u);

    // The file the run wrote, cut short: autosave stays on.
    const std::string cfg = e2e::read_file(game_file("data/dx.cfg"));
    ASSERT_GT(cfg.size(), 20u);
    dir.write("game/data/dx.cfg", cfg.substr(0, cfg.size() / 3));
    const e2e::DriveResult cut = e2e::drive(dir, "ticks 3\nstate\nkey 27\n");
    ASSERT_EQ(cut.status, 0) << cut.errors;
    EXPECT_EQ(fields(cut.states.at(0))["autosave"], "1");
    EXPECT_EQ(read_scrambled("data/dx.cfg", kSettingsKey).get("m_autosave", ""), "1");

    // Only the left key bound: the other five are the usual ones, and they play.
    write_scrambled("data/dx.cfg", "m_left_key 30\n", kSettingsKey);
    const e2e::DriveResult keys =
        e2e::drive(dir,
                   "ticks 3\nstate\nclick m_zelm1_game_btn\nticks 160\nstate\nhold 205\n"
                   "ticks 40\nrelease 205\nstate\nkey 27\nticks 2\nkey 27\n");
    ASSERT_EQ(keys.status, 0) << keys.errors;
    ASSERT_EQ(keys.states.size(), 3u);
    EXPECT_EQ(fields(keys.states[0])["keys"], "30,205,200,208,57,37");
    EXPECT_NE(fields(keys.states[1])["runner"], fields(keys.states[2])["runner"])
        << "the right key does not move the runner";
}

TEST_F(UserFilesE2E, SecondCopyOnTheSameFilesStepsAside) {
    write_scrambled("data/save.sav", kEndedGame, kSavedGameKey);
    BackgroundDrive first(dir, enter_name("First") + "ticks 1000000\n", "", "first");
    ASSERT_TRUE(first.wait_for_states(1));

    // The program itself, without a display for its message box: the message goes to stderr.
    const std::string err = dir.path() + "/second.err";
    const int raw = std::system(
        ("cd '" + dir.path() + "/game' && DISPLAY= ./quarrik 2>'" + err + "' >/dev/null").c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << raw;
    EXPECT_NE(e2e::read_file(err).find("already running"), std::string::npos);
    const e2e::DriveResult second = e2e::drive(dir, "ticks 3\nstate\n");
    EXPECT_EQ(second.status, 2);
    EXPECT_NE(second.errors.find("already running"), std::string::npos) << second.errors;

    first.signal(SIGTERM);
    EXPECT_EQ(first.wait_end(), 0);
    const ScoreTable table = table1();
    ASSERT_EQ(table.entries().size(), 1u);
    EXPECT_EQ(table.entries()[0].name, "First");
    const std::string log = e2e::read_file(game_file("game.log"));
    EXPECT_NE(log.find("Renderer"), std::string::npos) << "the first copy's log was replaced";
}

// Values no game reaches: the game goes on sanely and saves them back in range.
TEST_F(UserFilesE2E, SavedGameExtremesAreMended) {
    write_scrambled("data/save.sav",
                    "gf_m_alpha nan\ngf_m_custom_game 0\ngf_m_is_game_over 0\n"
                    "gf_m_level_current 500\ngf_m_lifes_count_at_level_begin -5\n"
                    "gf_m_score_at_level_begin 2147483647\nm_game_kind 7\n",
                    kSavedGameKey);
    const e2e::DriveResult run =
        e2e::drive(dir,
                   "ticks 3\nclick m_continue_single_game_btn\nticks 200\nstate\nshot play.png\n"
                   "key 27\nticks 2\nkey 27\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    auto play = fields(run.states.at(0));
    EXPECT_EQ(play["level"], "1");
    EXPECT_EQ(play["lives"], "0");
    EXPECT_EQ(play["set"], "2");
    EXPECT_EQ(play["score"], std::to_string(GameField::kMaxScore));
    const e2e::Picture picture = shot("play.png");
    if (picture.width) {
        EXPECT_GT(picture.lit(0, 0, 800, 560), 20000) << "the playfield is not drawn";
    }
    const ParamFile saved = read_scrambled("data/save.sav", kSavedGameKey);
    EXPECT_EQ(saved.get("gf_m_alpha", ""), "0.000000");
    EXPECT_EQ(saved.get("gf_m_level_current", ""), "1");
    EXPECT_EQ(saved.get("gf_m_lifes_count_at_level_begin", ""), "0");
    EXPECT_EQ(saved.get("gf_m_score_at_level_begin", ""), std::to_string(GameField::kMaxScore));
    EXPECT_EQ(saved.get("m_game_kind", ""), "1");
}

TEST_F(UserFilesE2E, WindowStoredOffTheDisplayOpensOnIt) {
    e2e::PrivateDisplay display(1280, 1024);
    ASSERT_FALSE(display.name().empty());
    for (const char* where : {"x 5000\ny -3000\n", "x -5000\ny -3000\n", "x 5000\ny 4000\n"}) {
        write_scrambled("data/dx.cfg",
                        std::string("m_window_width 800\nm_window_height 600\n") + where,
                        kSettingsKey);
        const e2e::DriveResult run = e2e::drive(dir, "ticks 3\nstate\n", display.name());
        ASSERT_EQ(run.status, 0) << run.errors;
        const std::string window = fields(run.states.at(0))["window"];
        int left = 0, top = 0;
        ASSERT_EQ(std::sscanf(window.c_str(), "%d,%d", &left, &top), 2) << window;
        EXPECT_GE(left, 0) << where;
        EXPECT_GE(top, 0) << where;
        EXPECT_LE(left + 800, 1280) << where;
        EXPECT_LE(top + 600, 1024) << where;
    }
    // Full screen switched with F11, then killed: the settings were kept at the switch.
    fs::remove(game_file("data/dx.cfg"));
    const e2e::DriveResult full =
        e2e::drive(dir, "ticks 3\nkey 122\nticks 2\nstate\nsignal 9\n", display.name());
    ASSERT_EQ(full.states.size(), 1u) << full.errors;
    EXPECT_EQ(fields(full.states[0])["full"], "1");
    EXPECT_TRUE(fs::exists(game_file("data/dx.cfg")));
}

// A Top 7 shared through a folder the player cannot write into, and one reached through a
// link; a save killed before its rename leaves a temporary file the next start clears.
TEST_F(UserFilesE2E, SharedFolderLinkedTableAndStaleTemporaryFiles) {
    write_scrambled("data/save.sav", kEndedGame, kSavedGameKey);
    ScoreTable old;
    old.insert("Old", 100);
    ASSERT_TRUE(old.save(game_file("data/scores1.tab")));
    ASSERT_TRUE(old.save(game_file("data/scores2.tab")));
    // Root writes anywhere: the run is an ordinary user's, on a display without access control.
    e2e::PrivateDisplay display(1024, 768);
    ASSERT_FALSE(display.name().empty());
    std::string as_user = "DISPLAY=" + display.name() + " ";
    if (geteuid() == 0) {
        ASSERT_EQ(std::system(("chown -R 65534:65534 '" + dir.path() + "'").c_str()), 0);
        as_user += "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(chmod(game_file("data").c_str(), 0555), 0);
    const std::string script = dir.write("shared.txt", enter_name("Shared") + "key 27\n");
    const int raw = std::system(("cd '" + dir.path() + "' && " + as_user +
                                 "'" QUARRIK_TOOLS_DIR "/quarrik-drive' --game-dir game '" +
                                 script + "' >'" + dir.path() + "/shared.out' 2>&1")
                                    .c_str());
    chmod(game_file("data").c_str(), 0755);
    const std::string out = e2e::read_file(dir.path() + "/shared.out");
    EXPECT_EQ(raw, 0) << out;
    EXPECT_NE(out.find("notice=\"\""), std::string::npos) << "a save failed: " << out;
    ScoreTable shared = table1();
    ASSERT_EQ(shared.entries().size(), 2u);
    EXPECT_EQ(shared.entries()[0].name, "Shared");

    // The table as a link into another folder: written through, the link kept.
    fs::create_directories(dir.path() + "/elsewhere");
    fs::rename(game_file("data/scores1.tab"), dir.path() + "/elsewhere/scores1.tab");
    fs::create_symlink("../../elsewhere/scores1.tab", game_file("data/scores1.tab"));
    write_scrambled("data/save.sav", kEndedGame, kSavedGameKey);
    dir.write("game/data/dx.cfg.tmp-Ab12Cd", "half a save");
    const e2e::DriveResult linked = e2e::drive(dir, enter_name("Linked") + "key 27\n");
    ASSERT_EQ(linked.status, 0) << linked.errors;
    EXPECT_TRUE(fs::is_symlink(game_file("data/scores1.tab")));
    ScoreTable through;
    ASSERT_TRUE(through.load(dir.path() + "/elsewhere/scores1.tab"));
    ASSERT_EQ(through.entries().size(), 3u);
    EXPECT_EQ(through.entries()[1].name, "Linked");  // below the equal score before it
    EXPECT_FALSE(fs::exists(game_file("data/dx.cfg.tmp-Ab12Cd")));
}

// A full disk: the entry cannot be saved, the player is told so, and the old table is whole.
TEST_F(UserFilesE2E, FullDiskShowsTheNoticeAndKeepsTheOldFiles) {
    const std::string user_files = dir.path() + "/full";
    fs::create_directories(user_files);
    if (mount("tmpfs", user_files.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "no small file system can be mounted here";
    }
    // The user files on the small file system, each reached through a link from the game.
    ScoreTable old;
    old.insert("Old", 100);
    EXPECT_TRUE(old.save(user_files + "/scores1.tab"));
    write_scrambled("data/save.sav", kEndedGame, kSavedGameKey);
    fs::copy_file(game_file("data/save.sav"), user_files + "/save.sav");
    fs::remove(game_file("data/save.sav"));
    for (const char* name : {"scores1.tab", "scores2.tab", "save.sav", "dx.cfg"}) {
        fs::create_symlink(user_files + "/" + name, game_file(std::string("data/") + name));
    }
    {
        std::FILE* filler = std::fopen((user_files + "/filler").c_str(), "wb");
        const std::string block(4096, 'f');
        while (filler && std::fwrite(block.data(), 1, block.size(), filler) == block.size() &&
               std::fflush(filler) == 0) {
        }
        if (filler) {
            std::fclose(filler);
        }
    }
    const e2e::DriveResult run = e2e::drive(dir, enter_name("Lost"));
    ScoreTable after;
    const bool read = after.load(user_files + "/scores1.tab");
    umount2(user_files.c_str(), MNT_DETACH);
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.states.size(), 1u);
    EXPECT_NE(run.states[0].find("notice=\"Could not save the Top 7: disk full\""),
              std::string::npos)
        << run.states[0];
    EXPECT_NE(e2e::read_file(game_file("game.log")).find("Could not save the Top 7: disk full"),
              std::string::npos);
    ASSERT_TRUE(read);
    ASSERT_EQ(after.entries().size(), 1u);
    EXPECT_EQ(after.entries()[0].name, "Old");
}

}  // namespace
