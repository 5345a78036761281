// Starts the real game executable on the virtual display, from a foreign working directory, and
// closes it the way the desktop would.

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> read_lines(const fs::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

TEST(FrameProgram, StartsLogsTheContextAndClosesCleanly) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "display tests run under xvfb-run";

    // A private game directory: a copy of the executable beside links to the built data. Its
    // data/ folder is its own, so the player's files the run writes stay in the temporary copy.
    TempDir game;
    const fs::path exe = fs::path(game.path()) / "quarrik";
    fs::copy_file(fs::path(QUARRIK_GAME_DIR) / "quarrik", exe);
    const fs::path data = fs::path(game.path()) / "data";
    fs::create_directory(data);
    for (const fs::directory_entry& entry :
         fs::directory_iterator(fs::path(QUARRIK_GAME_DIR) / "data")) {
        const std::string name = entry.path().filename().string();
        if (name == "data.pk" || name == "music" || entry.path().extension() == ".wav")
            fs::create_symlink(entry.path(), data / name);
    }
    TempDir elsewhere;

    test_support::ChildSetup setup({exe.string()}, {{"SDL_AUDIODRIVER", "dummy"}});
    setup.work_dir = elsewhere.path();
    test_support::ChildProcess process(setup);

    const fs::path log = fs::path(game.path()) / "game.log";
    const bool started = test_support::wait_for(
        [&] {
            int n = 0;
            for (const std::string& l : read_lines(log))
                n += l.rfind("Renderer: ", 0) == 0;
            return n >= 1;
        },
        std::chrono::seconds(20));
    EXPECT_TRUE(started) << "no context lines in " << log;

    process.signal(SIGTERM);  // the desktop asks the program to close
    ASSERT_EQ(process.wait_exit(std::chrono::seconds(20)), 0)
        << "the program did not close cleanly: " << process.status();

    const std::vector<std::string> lines = read_lines(log);
    ASSERT_GE(lines.size(), 6u);
    // The five context lines form one block (other subsystems may log before it).
    const std::string dashes(51, '-');
    size_t at = 0;
    while (at < lines.size() && lines[at] != dashes)
        ++at;
    ASSERT_LE(at + 5, lines.size());
    EXPECT_EQ(lines[at + 1].rfind("Vendor: ", 0), 0u);
    EXPECT_EQ(lines[at + 2].rfind("Version: ", 0), 0u);
    EXPECT_EQ(lines[at + 3].rfind("Renderer: ", 0), 0u);
    EXPECT_EQ(lines[at + 4], dashes);
    EXPECT_EQ(lines.back(), "Closing Log");
    EXPECT_FALSE(fs::exists(fs::path(elsewhere.path()) / "game.log"));
}

}  // namespace
