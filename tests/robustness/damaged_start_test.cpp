// The real game started over damaged files: the archive, the settings, the saved game, the
// score tables, an effect and a song. It must come up, run and close normally; an archive that
// is empty or cut short is refused at once with the reason (nothing could be shown from it).

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "robustness/damage.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using robustness::read_bytes;
using robustness::write_bytes;

namespace {

const fs::path kGame = QUARRIK_GAME_DIR;

using namespace std::chrono_literals;

// A private copy of the game: the executable and every data file, each replaced by `damage`
// when it returns a value for it.
void make_game(const fs::path& dir,
               const std::function<bool(const std::string&, std::string&)>& damage) {
    fs::copy_file(kGame / "quarrik", dir / "quarrik");
    fs::create_directories(dir / "data");
    for (const auto& entry : fs::recursive_directory_iterator(kGame / "data")) {
        const fs::path rel = fs::relative(entry.path(), kGame);
        if (entry.is_directory()) {
            fs::create_directories(dir / rel);
            continue;
        }
        std::string bytes = read_bytes(entry.path().string());
        if (damage(rel.generic_string(), bytes)) {
            write_bytes((dir / rel).string(), bytes);
        } else {
            fs::create_symlink(entry.path(), dir / rel);
        }
    }
    // The files the game writes, here damaged from the start.
    for (const char* name :
         {"data/dx.cfg", "data/save.sav", "data/scores1.tab", "data/scores2.tab"}) {
        std::string bytes = "m_sound 1\nm_music_volume 3\nnum 7\nname0 \"x\nscore0 99999999999\n";
        damage(name, bytes);
        write_bytes((dir / name).string(), bytes);
    }
}

// Starts the game, lets it run a while after its window is up and asks it to close: it must
// have come up, close by itself with exit code 0 and log its normal end.
void run_game(const fs::path& dir) {
    test_support::ChildProcess process(
        {{(dir / "quarrik").string()}, {{"SDL_AUDIODRIVER", "dummy"}}});
    const fs::path log = dir / "game.log";
    const bool started = test_support::wait_for(
        [&] { return read_bytes(log.string()).find("Renderer: ") != std::string::npos; }, 60s);
    EXPECT_TRUE(started) << "the game did not open its window";
    // Past the intro, into the menu with its music.
    std::this_thread::sleep_for(1500ms);
    process.signal(SIGTERM);
    ASSERT_EQ(process.wait_exit(60s), 0) << "the game did not close cleanly: " << process.status();
    const std::string text = read_bytes(log.string());
    EXPECT_NE(std::string::npos, text.find("Closing Log")) << text;
}

// Starts the game on data it cannot run on: it must end by itself at once with status 1 and
// say why in its log. No display is given, so the error box cannot hold it up.
void run_refused(const fs::path& dir) {
    test_support::ChildProcess process({{(dir / "quarrik").string()},
                                        {{"DISPLAY", ""}, {"SDL_AUDIODRIVER", "dummy"}},
                                        "/dev/null"});
    ASSERT_EQ(process.wait_exit(60s), 1) << "the game did not end so: " << process.status();
    const std::string text = read_bytes((dir / "game.log").string());
    EXPECT_NE(std::string::npos, text.find("Cannot start: ")) << text;
}

std::string flip_every(const std::string& bytes, std::size_t step) {
    std::string out = bytes;
    for (std::size_t i = step / 2; i < out.size(); i += step) {
        out[i] = static_cast<char>(out[i] ^ 0x5A);
    }
    return out;
}

TEST(DamagedStart, EmptyArchiveAndGarbageSettings) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "runs under xvfb-run";
    TempDir dir;
    make_game(dir.path(), [](const std::string& name, std::string& bytes) {
        if (name == "data/data.pk" || name == "data/s1.wav") {
            bytes.clear();
            return true;
        }
        if (name.rfind("data/music/001", 0) == 0) {
            bytes = flip_every(bytes, 97);
            return true;
        }
        if (name == "data/dx.cfg" || name.rfind("data/scores", 0) == 0 || name == "data/save.sav") {
            bytes = flip_every(bytes, 3);
            return true;
        }
        return false;
    });
    run_refused(dir.path());
}

TEST(DamagedStart, ArchiveCutShortAndFilesCutShort) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "runs under xvfb-run";
    TempDir dir;
    make_game(dir.path(), [](const std::string& name, std::string& bytes) {
        const bool cut = name == "data/data.pk" || name == "data/s2.wav" ||
                         name.rfind("data/music/001", 0) == 0 || name == "data/dx.cfg" ||
                         name == "data/save.sav" || name.rfind("data/scores", 0) == 0;
        if (cut) {
            bytes.resize(bytes.size() / 2);
        }
        return cut;
    });
    run_refused(dir.path());
}

TEST(DamagedStart, ArchiveWithFlippedBytes) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "runs under xvfb-run";
    TempDir dir;
    make_game(dir.path(), [](const std::string& name, std::string& bytes) {
        if (name == "data/data.pk") {
            bytes = flip_every(bytes, 4099);
            return true;
        }
        if (name.rfind("data/music/001", 0) == 0 || name == "data/s3.wav") {
            bytes = flip_every(bytes, 13);
            return true;
        }
        return false;
    });
    run_game(dir.path());
}

}  // namespace
