// The real program started wrongly or on broken data: it says why and ends, never a window
// without a picture and never a process without a window. No display is given, so the
// message box (shown where there is one) cannot hold the program up.

#include "app/startup_failure.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "storage/pack_archive.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct ProgramRun {
    int status = -1;
    std::string out, err;
};

// Runs `executable` with `args` and the environment prefix `env`, output kept in `dir`.
ProgramRun run(const TempDir& dir, const std::string& env, const std::string& executable,
               const std::string& args) {
    // Bounded: a program that runs on without a window must fail the test, not hang it.
    const std::string command = "timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY " + env + " '" +
                                executable + "' " + args + " >'" + dir.path() + "/out' 2>'" +
                                dir.path() + "/err' </dev/null";
    const int raw = std::system(command.c_str());
    ProgramRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = read_file(dir.path() + "/out");
    r.err = read_file(dir.path() + "/err");
    return r;
}

const std::string kGame = std::string(QUARRIK_GAME_DIR) + "/quarrik";

TEST(CommandLineRun, HelpVersionAndUnknownOptions) {
    TempDir dir;
    ProgramRun help = run(dir, "", kGame, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--user-dir"), std::string::npos) << help.out;
    EXPECT_TRUE(help.err.empty());
    ProgramRun version = run(dir, "", kGame, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("quarrik 1.", 0), 0u) << version.out;
    EXPECT_EQ(version.out.find('\n'), version.out.size() - 1);
    ProgramRun bad = run(dir, "", kGame, "--bogus");
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_NE(bad.err.find("--bogus"), std::string::npos);
    EXPECT_NE(bad.err.find("Usage:"), std::string::npos);
}

// A copy of the game whose archive is missing or cut in half, and a video driver that cannot
// start: each ends at once with a non-zero status, one line on stderr and the reason in the log.
TEST(StartupFailure, BrokenDataAndNoVideoAreSaidAndEndTheProgram) {
    TempDir dir;
    const std::string game = dir.path() + "/game";
    fs::create_directories(game + "/data");
    fs::copy_file(kGame, game + "/quarrik");
    const std::string archive = std::string(QUARRIK_GAME_DIR) + "/data/data.pk";

    ProgramRun missing = run(dir, "", game + "/quarrik", "");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("data.pk is missing"), std::string::npos) << missing.err;
    EXPECT_NE(read_file(game + "/game.log").find("Cannot start: "), std::string::npos);

    const std::string whole = read_file(archive);
    std::ofstream(game + "/data/data.pk", std::ios::binary) << whole.substr(0, whole.size() / 2);
    ProgramRun cut = run(dir, "", game + "/quarrik", "");
    EXPECT_EQ(cut.status, 1);
    EXPECT_NE(cut.err.find("is damaged"), std::string::npos) << cut.err;

    fs::copy_file(archive, game + "/data/data.pk", fs::copy_options::overwrite_existing);
    ProgramRun no_video = run(dir, "SDL_VIDEODRIVER=nosuchdriver", game + "/quarrik", "");
    EXPECT_EQ(no_video.status, 1);
    EXPECT_NE(no_video.err.find("no video driver"), std::string::npos) << no_video.err;
    // One line, and nothing written into the game's folder but the log and the player's files.
    EXPECT_EQ(no_video.err.find('\n'), no_video.err.size() - 1) << no_video.err;

    // No display at all: the window library's offscreen fallback would run the game unseen.
    ProgramRun headless = run(dir, "", game + "/quarrik", "");
    EXPECT_EQ(headless.status, 1);
    EXPECT_NE(headless.err.find("quarrik: no video driver"), std::string::npos) << headless.err;
}

TEST(StartupFailure, ArchiveWithoutLayoutOrFontIsRefused) {
    TempDir dir;
    const std::string path = dir.path() + "/data.pk";
    PackArchive pack;
    pack.add_memory("mui/menu.txt", "x 1\n", 4, false);
    ASSERT_TRUE(pack.save(path));
    PackArchive opened;
    ASSERT_TRUE(opened.open(path));
    EXPECT_NE(game_data_fault(opened, path).find("mui/font.tga is missing"), std::string::npos);
    std::ofstream(path, std::ios::binary) << "not an archive";
    PackArchive other;
    other.open(path);
    EXPECT_NE(game_data_fault(other, path).find("not a Quarrik data archive"), std::string::npos);
}

}  // namespace
