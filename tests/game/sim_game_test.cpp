// The headless simulator plays whole game sessions: repeatable, and to the end of the game.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/temp_dir.h"

namespace {

std::string run(const std::string& args) {
    const std::string command =
        std::string(QUARRIK_TOOLS_DIR) + "/quarrik-sim --game " + QUARRIK_GAME_DIR + " " + args;
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n = 0;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

std::string last_line(const std::string& text) {
    const size_t end = text.find_last_not_of('\n');
    const size_t start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - start);
}

// Holding the give-up key costs a life at every level start until the game is over: four
// deaths, each restarting the same level.
TEST(SimGame, GivingUpEveryLifeEndsTheGameOnTheSameLevel) {
    TempDir dir;
    const std::string keys = dir.write("die.keys", "1 37\n");
    const std::string out = run("--set 1 --level 5 --ticks 5000 --keys " + keys);
    const std::string last = last_line(out);
    EXPECT_NE(last.find("\"phase\":\"over\""), std::string::npos) << last;
    EXPECT_NE(last.find("\"lives\":-1"), std::string::npos) << last;
    EXPECT_EQ(out.find("\"level\":6"), std::string::npos);  // never got past level 5
}

TEST(SimGame, SameSeedSameGame) {
    const std::string a = run("--set 2 --seed 11 --ticks 600");
    const std::string b = run("--set 2 --seed 11 --ticks 600");
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a, b);
}

}  // namespace
