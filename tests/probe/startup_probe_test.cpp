// The start-up probe against the real game: the benchmark figures for start-up, memory and tick
// regularity rest on the game logging its first menu frame and its tick summary when asked, and
// on the probe reading them.

#include <gtest/gtest.h>
#include <signal.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <thread>

#include "support/child_process.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// A private game directory: a copy of the executable beside links to the built data, in a data
// folder of its own (runs at the same time must not share their settings or their lock).
void make_game_dir(const TempDir& game) {
    fs::copy_file(fs::path(QUARRIK_GAME_DIR) / "quarrik", fs::path(game.path()) / "quarrik");
    const fs::path data = fs::path(game.path()) / "data";
    fs::create_directory(data);
    for (const char* name : {"data.pk", "music"}) {
        fs::create_symlink(fs::path(QUARRIK_GAME_DIR) / "data" / name, data / name);
    }
    for (const auto& entry : fs::directory_iterator(fs::path(QUARRIK_GAME_DIR) / "data")) {
        if (entry.path().extension() == ".wav") {
            fs::create_symlink(entry.path(), data / entry.path().filename());
        }
    }
}

std::string run_command(const std::string& command, int& status) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        status = -1;
        return out;
    }
    std::array<char, 512> buffer{};
    while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe)) {
        out += buffer.data();
    }
    status = pclose(pipe);
    return out;
}

std::string read_text(const fs::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(StartupProbe, TimesTheMenuAndReportsMemoryTicksAndTheControl) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "display tests run under xvfb-run";
    TempDir game;
    make_game_dir(game);

    int status = 0;
    const std::string out =
        run_command(std::string("SDL_AUDIODRIVER=dummy ") + QUARRIK_TOOLS_DIR +
                        "/quarrik-startup-probe " + game.path() + " --runs 1 --hold 1.5",
                    status);
    ASSERT_EQ(status, 0) << out;

    std::smatch m;
    ASSERT_TRUE(std::regex_search(out, m,
                                  std::regex(R"(menu_ms=([\d.]+) cpu_ms=([\d.]+) )"
                                             R"(rss_kb=(\d+) exit=(\d+))")))
        << out;
    EXPECT_GT(std::stod(m[1]), 0.0);
    EXPECT_GT(std::stod(m[2]), 0.0);
    EXPECT_GT(std::stol(m[3]), 1000) << "a whole game with its textures takes megabytes";
    EXPECT_EQ(m[4], "0") << "the game closes cleanly on SIGTERM";

    // 1.5 s of 30 ms ticks after the menu: dozens of ticks even on a busy machine.
    ASSERT_TRUE(std::regex_search(
        out, m, std::regex(R"(Tick stats: (\d+) ticks, (\d+) late by more than 5 ms)")))
        << out;
    EXPECT_GE(std::stol(m[1]), 10);
    EXPECT_LE(std::stol(m[2]), std::stol(m[1]));
    EXPECT_NE(out.find("control: "), std::string::npos) << out;
}

TEST(StartupProbe, AnOrdinaryRunLogsNoTickStatistics) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "display tests run under xvfb-run";
    TempDir game;
    make_game_dir(game);
    const fs::path exe = fs::path(game.path()) / "quarrik";
    const fs::path log = fs::path(game.path()) / "game.log";

    test_support::ChildProcess process(
        {{exe.string()}, {{"QUARRIK_TICK_STATS", ""}, {"SDL_AUDIODRIVER", "dummy"}}});
    // Until the window exists, then long enough for the menu and a good number of ticks.
    test_support::wait_for([&] { return read_text(log).find("Renderer: ") != std::string::npos; },
                           std::chrono::seconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(2000));
    process.signal(SIGTERM);
    process.wait_exit(std::chrono::seconds(60));

    const std::string text = read_text(log);
    EXPECT_NE(text.find("Closing Log"), std::string::npos) << text;
    EXPECT_EQ(text.find("Tick stats"), std::string::npos) << text;
}

}  // namespace
