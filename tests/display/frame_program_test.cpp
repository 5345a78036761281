// Starts the real game executable on the virtual display, from a foreign working directory, and
// closes it the way the desktop would.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

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

bool wait_until(const std::function<bool()>& done, int timeout_ms) {
    for (int waited = 0; waited < timeout_ms; waited += 50) {
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return done();
}

TEST(FrameProgram, StartsLogsTheContextAndClosesCleanly) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "display tests run under xvfb-run";

    // A private game directory: a copy of the executable beside the built data.
    TempDir game;
    const fs::path exe = fs::path(game.path()) / "quarrik";
    fs::copy_file(fs::path(QUARRIK_GAME_DIR) / "quarrik", exe);
    fs::create_directory_symlink(fs::path(QUARRIK_GAME_DIR) / "data",
                                 fs::path(game.path()) / "data");
    TempDir elsewhere;

    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (chdir(elsewhere.path().c_str()) != 0)
            _exit(126);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }

    const fs::path log = fs::path(game.path()) / "game.log";
    const bool started = wait_until(
        [&] {
            int n = 0;
            for (const std::string& l : read_lines(log))
                n += l.rfind("Renderer: ", 0) == 0;
            return n >= 1;
        },
        20000);
    EXPECT_TRUE(started) << "no context lines in " << log;

    kill(pid, SIGTERM);  // the desktop asks the program to close
    int status = 0;
    bool exited = wait_until([&] { return waitpid(pid, &status, WNOHANG) == pid; }, 20000);
    if (!exited) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    ASSERT_TRUE(exited) << "the program did not close";
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

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
