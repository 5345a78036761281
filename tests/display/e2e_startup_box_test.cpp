// Start-up failures where a display exists: the program says why in a message box, and only
// once the player has closed it does it end, with a non-zero status, one line on stderr, the
// reason in its log and no window left behind. The display has no OpenGL (an X server without
// GLX), so the game's own window cannot be made on it either.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "e2e_support.h"
#include "support/child_process.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Runs the game in `game` on `display` and closes its message box with Enter: checks the box
// held the program up, and returns the log.
std::string run_to_the_box(const std::string& game, const std::string& display,
                           const std::string& reason) {
    const std::string err = game + "/stderr.txt";
    test_support::ChildProcess process(
        {{game + "/quarrik"}, {{"DISPLAY", display}, {"SDL_AUDIODRIVER", "dummy"}}, err});
    const std::string box = test_support::wait_for_window(display, "Quarrik cannot start", 60s);
    EXPECT_FALSE(box.empty()) << "no message box; the program " << process.status() << "\n"
                              << e2e::read_file(err);
    if (box.empty()) {
        return "";
    }
    EXPECT_TRUE(process.running()) << "the program did not wait for the box to close";
    EXPECT_TRUE(test_support::focus_window(display, box, 10s));
    test_support::xdotool(display, "key --window " + box + " Return");
    EXPECT_EQ(process.wait_exit(30s), 1) << "the box did not close with Enter";
    const std::string said = e2e::read_file(err);
    EXPECT_NE(said.find(reason), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << "not one line:\n" << said;
    for (const auto& [id, name] : test_support::visible_windows(display)) {
        EXPECT_TRUE(name.find("Quarrik") == std::string::npos) << name << " is left";
    }
    return e2e::read_file(game + "/game.log");
}

TEST(StartupBox, NoOpenGlAndDamagedDataAreShownBeforeTheProgramEnds) {
    e2e::PrivateDisplay display(1024, 768, "GLX");
    ASSERT_FALSE(display.name().empty()) << "Xvfb did not start";
    TempDir dir;
    const std::string game = dir.path() + "/game";
    e2e::copy_game(game);

    const std::string no_gl = run_to_the_box(game, display.name(), "no OpenGL window");
    EXPECT_NE(no_gl.find("Cannot start: no OpenGL window could be opened"), std::string::npos)
        << no_gl;

    const std::string archive = game + "/data/data.pk";
    const std::string whole = e2e::read_file(archive);
    std::ofstream(archive, std::ios::binary | std::ios::trunc) << whole.substr(0, whole.size() / 2);
    const std::string damaged = run_to_the_box(game, display.name(), "is damaged");
    EXPECT_NE(damaged.find("Cannot start: the game data"), std::string::npos) << damaged;
}

}  // namespace
