#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "world/sim_support.h"
#include "world_fixture.h"

using namespace world_test;

namespace {

// A random level: cells of every kind, one runner, one to five guards.
std::vector<std::string> random_level(std::minstd_rand& gen) {
    static const char kCells[] = "      TTTTTTMMHH--*U#";
    std::vector<std::string> rows(22, std::string(32, ' '));
    for (auto& row : rows) {
        for (auto& ch : row) {
            ch = kCells[gen() % (sizeof kCells - 1)];
        }
    }
    auto spot = [&]() -> char& { return rows[gen() % 22][gen() % 32]; };
    spot() = '!';
    const int guards = 1 + static_cast<int>(gen() % 5);
    for (int i = 0; i < guards; ++i) {
        spot() = '$';
    }
    return rows;
}

std::vector<int> random_keys(std::minstd_rand& gen) {
    static const int kChoices[][2] = {{kLeft, -1},     {kRight, -1}, {kUp, -1},
                                      {kDown, -1},     {kFire, -1},  {kLeft, kFire},
                                      {kRight, kFire}, {kDown, kUp}, {-1, -1}};
    const auto& pick = kChoices[gen() % (sizeof kChoices / sizeof kChoices[0])];
    std::vector<int> keys;
    for (int k : pick) {
        if (k >= 0)
            keys.push_back(k);
    }
    return keys;
}

bool inside_grid(const Pos& p) {
    const CellCoord cc = grid_cell_of(p);
    return std::isfinite(p.x) && std::isfinite(p.y) && cc.valid;
}

// Plays one random level with random keys; restarts it after a death or a finished level.
// What a random run went through, to show the runs reach the interesting rules.
struct Seen {
    int outside = 0;  // actors found outside the grid
    int trapped = 0;
    int deaths = 0;
    int carried = 0;
    int finished = 0;
};

// Returns the JSON trace.
std::string play(unsigned seed, int ticks, Seen* seen) {
    std::minstd_rand gen(seed);
    const std::vector<std::string> rows = random_level(gen);
    TestWorld w;
    w.params.m_time_exploded = 1500 + static_cast<int>(gen() % 4000);
    w.params.m_time_in_hole = 500 + static_cast<int>(gen() % 4000);
    w.params.m_prob_take_gold = static_cast<int>(gen() % 6);
    w.params.m_time_keep_gold_min = 300;
    w.params.m_time_keep_gold_max = 3000;
    w.load(rows, seed);
    std::string trace;
    std::vector<int> held;
    for (int t = 1; t <= ticks; ++t) {
        if (gen() % 12 == 0) {
            held = random_keys(gen);
        }
        w.kb.keys->lift_all();
        for (int k : held)
            w.kb.keys->press(k);
        w.kb.state.poll();
        w.run.tick();
        trace += tick_json(t, w.run);
        trace += '\n';
        if (!inside_grid(w.runner().pos()))
            ++seen->outside;
        for (const auto& g : w.run.guards()) {
            if (!inside_grid(g->pos()))
                ++seen->outside;
            if (g->guard_move() == kMoveTrapped)
                ++seen->trapped;
            if (g->is_carrying_gold())
                ++seen->carried;
        }
        seen->deaths += w.runner().dead() ? 1 : 0;
        seen->finished += w.run.level_finished() ? 1 : 0;
        if (w.runner().dead() || w.run.level_finished()) {
            const auto bytes = level_bytes(rows);
            w.run.start(bytes.data(), bytes.size());
        }
    }
    return trace;
}

}  // namespace

TEST(SimTest, RandomLevelsAndKeysKeepEveryActorOnTheGrid) {
    Seen seen;
    for (unsigned seed = 1; seed <= 120; ++seed) {
        play(seed, 1500, &seen);
    }
    EXPECT_EQ(seen.outside, 0);
    EXPECT_GT(seen.trapped, 0);
    EXPECT_GT(seen.deaths, 0);
    EXPECT_GT(seen.carried, 0);
    std::printf("trapped %d deaths %d carried %d finished %d\n", seen.trapped, seen.deaths,
                seen.carried, seen.finished);
}

TEST(SimTest, TheSameSeedLevelAndKeysGiveTheSameRun) {
    Seen seen;
    const std::string a = play(77, 1200, &seen);
    const std::string b = play(77, 1200, &seen);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, play(78, 1200, &seen));
}

TEST(SimTest, KeyScriptHoldsKeysFromTheirTickOn) {
    KeyScript script;
    std::string error;
    ASSERT_TRUE(script.parse("# comment\n10 205 57\n\n3 203\n20\n", &error)) << error;
    EXPECT_TRUE(script.held_at(2).empty());
    EXPECT_EQ(script.held_at(3), std::vector<int>{203});
    EXPECT_EQ(script.held_at(9), std::vector<int>{203});
    EXPECT_EQ(script.held_at(10), (std::vector<int>{205, 57}));
    EXPECT_TRUE(script.held_at(25).empty());
    EXPECT_FALSE(script.parse("5 left\n", &error));
    EXPECT_NE(error.find("line 1"), std::string::npos);
}

namespace {
std::string run_tool(const std::string& args) {
    const std::string cmd = std::string(QUARRIK_TOOLS_DIR) + "/quarrik-sim " + args;
    std::string out;
    FILE* pipe = popen(cmd.c_str(), "r");
    if (pipe == nullptr)
        return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
        out.append(buf, n);
    const int status = pclose(pipe);
    return status == 0 ? out : "exit status " + std::to_string(status);
}
}  // namespace

TEST(SimTest, ToolRunsALevelFileWithAKeyScriptReproducibly) {
    const std::string dir = ::testing::TempDir();
    const std::string level = dir + "/sim_level.txt";
    const std::string keys = dir + "/sim_keys.txt";
    {
        const auto bytes =
            level_bytes({"$    *   !", "TTTTTTTTTTTTTTT", "", "   *   $  ", "MMMMMMMMMMMMMMM"});
        std::ofstream(level, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        std::ofstream(keys) << "1 203\n40 57\n41 205\n90\n";
    }
    const std::string args = "--seed 9 --ticks 150 --rules " + std::string(QUARRIK_SOURCE_DIR) +
                             "/assets/dat/zelm.txt --keys " + keys + " " + level;
    const std::string a = run_tool(args);
    const std::string b = run_tool(args);
    ASSERT_EQ(a, b);
    size_t lines = 0;
    for (char ch : a)
        lines += ch == '\n' ? 1 : 0;
    EXPECT_EQ(lines, 150u);
    EXPECT_NE(a.find("{\"tick\":150,"), std::string::npos);
    EXPECT_NE(a.find("\"guards\":[{"), std::string::npos);
    // Bad arguments are refused.
    EXPECT_NE(run_tool("--ticks x " + level + " 2>/dev/null").rfind("exit status", 0),
              std::string::npos);
}

TEST(SimTest, ShippedLevelsSurviveRandomPlay) {
    int levels = 0;
    int outside = 0;
    std::minstd_rand gen(5);
    for (int set = 1; set <= 2; ++set) {
        for (int n = 1; n <= 75; ++n) {
            char path[128];
            std::snprintf(path, sizeof path, "%s/assets/dat/levels%d_full/%02d.txt",
                          QUARRIK_SOURCE_DIR, set, n);
            std::ifstream in(path, std::ios::binary);
            if (!in)
                continue;
            const std::string text((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
            ++levels;
            TestWorld w;
            w.params.m_time_exploded = 5000;
            w.params.m_time_in_hole = 3500;
            w.params.m_prob_take_gold = 24;
            w.params.m_time_keep_gold_min = 4000;
            w.params.m_time_keep_gold_max = 12000;
            std::srand(static_cast<unsigned>(n));
            w.run.start(reinterpret_cast<const uint8_t*>(text.data()), text.size());
            EXPECT_GT(w.field().gold_left(), 0) << path;
            std::vector<int> held;
            for (int t = 0; t < 600; ++t) {
                if (gen() % 10 == 0)
                    held = random_keys(gen);
                w.kb.keys->lift_all();
                for (int k : held)
                    w.kb.keys->press(k);
                w.kb.state.poll();
                w.run.tick();
                if (!inside_grid(w.runner().pos()))
                    ++outside;
                for (const auto& g : w.run.guards()) {
                    if (!inside_grid(g->pos()))
                        ++outside;
                }
                if (w.runner().dead())
                    break;
            }
        }
    }
    EXPECT_EQ(outside, 0);
    std::printf("%d shipped levels played\n", levels);
}

namespace {
// Every number following `key` in the tool's output.
std::vector<double> values_of(const std::string& text, const std::string& key) {
    std::vector<double> out;
    for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
        out.push_back(std::strtod(text.c_str() + at + key.size(), nullptr));
    }
    return out;
}
}  // namespace

TEST(SimTest, ToolPlaysArchivedLevelsWithRandomScriptsInsideTheGrid) {
    const std::string archive = std::string(QUARRIK_GAME_DIR) + "/data/data.pk";
    if (!std::ifstream(archive)) {
        GTEST_SKIP() << "no data archive built";
    }
    const std::string keys = ::testing::TempDir() + "/sim_random_keys.txt";
    std::minstd_rand gen(11);
    for (int run = 0; run < 12; ++run) {
        {
            std::ofstream script(keys);
            for (int t = 1; t < 1500; t += 1 + static_cast<int>(gen() % 40)) {
                script << t;
                for (int k : random_keys(gen))
                    script << ' ' << k;
                script << '\n';
            }
        }
        const int set = 1 + run % 2;
        const int level = 1 + static_cast<int>(gen() % 75);
        const std::string args = "--archive " + archive + " --set " + std::to_string(set) +
                                 " --level " + std::to_string(level) + " --seed " +
                                 std::to_string(run) + " --ticks 1500 --keys " + keys;
        const std::string out = run_tool(args);
        ASSERT_EQ(out.rfind("{\"tick\":1,", 0), 0u) << args << ": " << out.substr(0, 80);
        for (double x : values_of(out, "\"x\":")) {
            ASSERT_TRUE(x >= -37.5 && x < 812.5) << args << " x " << x;
        }
        for (double y : values_of(out, "\"y\":")) {
            ASSERT_TRUE(y >= -12.5 && y < 562.5) << args << " y " << y;
        }
        EXPECT_EQ(values_of(out, "\"tick\":").size(), 1500u);
    }
}
