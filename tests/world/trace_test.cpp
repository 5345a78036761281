// A stored run of the world: one level, one seed, one key sequence, checked tick by tick against
// the trace recorded when the run was last known good. Any change to the rules, their order or
// their timing shows up here as the first tick that differs.
//
// To record the trace again after a deliberate change of the rules:
//   QUARRIK_WRITE_TRACE=1 ./test_world --gtest_filter='WorldTrace.*'

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "world/cell.h"
#include "world/sim_support.h"
#include "world_fixture.h"

using namespace world_test;

namespace {

// Every kind of cell, a hidden ladder to the exit, ropes over pits and four guards.
const std::vector<std::string> kLevel = {
    "                #               ", "   *       $    #      *    $   ",
    "TTTTHTTTTTTTTTTT#TTTTTTHTTTTTTTT", "    H    ------ #       H       ",
    "    H  *        #   *   H  *    ", "TTTTTTTTHTTTUTTTTTTTMMTTTTTHTTTT",
    "        H             $     H   ", "   !    H    *       ----   H * ",
    "TTTTTTTTTTTTTTTHTTTTTTTTTTTTTTTT", "        *      H   *            ",
    "  $  TTTTTTT   H   TTTTTTT  *   ", "TTTTTTTTTTTTTTTHTTTTTTTTTTTTHTTT",
    "    *          H            H   ", "  ---------    H     *      H   ",
    "TTTTTTTTTTTTTTTTTTTTTTHTTTTTTTTT", "       *              H    *    ",
    "TTTTTTTTTTTUUTTTTTTTTTTTTTTTTTTT", "                                ",
    "   *     $       *        *     ", "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM",
};

// A short level played to its end by a fixed script: a hole dug and closing, the last gold
// raising the hidden ladder, the climb to the exit.
const std::vector<std::string> kExitLevel = {
    "       #", "       #", " !  *  #      $", "TTTTTTTTTTTTTTTTT", "MMMMMMMMMMMMMMMMM",
};
const char kExitKeys[] = "1 205\n37 200\n80\n90 57\n91\n";

const int kSampleEvery = 25;

// FNV-1a over the run's text, so one stored number covers every tick between two samples.
uint64_t fnv(uint64_t h, const std::string& s) {
    for (unsigned char ch : s) {
        h ^= ch;
        h *= 1099511628211ull;
    }
    return h;
}

std::string cells_text(Playfield& field) {
    std::string out;
    for (int r = 0; r < kGridHeight; ++r) {
        for (int c = 0; c < kGridWidth; ++c) {
            const Cell* cell = field.cell_at(c, r);
            char ch = cell == nullptr ? '.' : static_cast<char>('0' + cell->kind());
            if (const auto* brick = dynamic_cast<const BrickCell*>(cell)) {
                ch = static_cast<char>('a' + brick->stage() * 2 + (brick->is_passable() ? 1 : 0));
            }
            out += ch;
        }
    }
    return out;
}

// Plays a level for `ticks` ticks with the keys `keys_at` gives; a death or a finished level
// restarts it. Returns one line per sample: the tick's state and the hash of everything so far.
template <typename Keys>
std::string record(const std::vector<std::string>& level, unsigned seed, int ticks, Keys keys_at) {
    TestWorld w;
    w.params.m_prob_take_gold = 3;
    w.params.m_time_keep_gold_min = 400;
    w.params.m_time_keep_gold_max = 2500;
    w.load(level, seed);
    uint64_t hash = 14695981039346656037ull;
    std::string out;
    for (int t = 1; t <= ticks; ++t) {
        w.kb.keys->lift_all();
        for (int k : keys_at(t))
            w.kb.keys->press(k);
        w.kb.state.poll();
        w.sounds.clear();
        w.run.tick();
        const std::string json = tick_json(t, w.run);
        std::string sounds;
        for (int s : w.sounds)
            sounds += std::to_string(s) + ",";
        hash = fnv(hash, json);
        hash = fnv(hash, sounds);
        hash = fnv(hash, cells_text(w.field()));
        if (t % kSampleEvery == 0 || w.runner().dead() || w.run.level_finished()) {
            std::ostringstream line;
            line << std::hex << hash << ' ' << json << '\n';
            out += line.str();
        }
        if (w.runner().dead() || w.run.level_finished()) {
            const std::vector<uint8_t> bytes = level_bytes(level);
            w.run.start(bytes.data(), bytes.size());
        }
    }
    return out;
}

std::string record_both() {
    std::minstd_rand gen(2024);
    std::vector<int> held;
    static const int kChoices[][2] = {{kLeft, -1}, {kRight, -1},   {kUp, -1},       {kDown, -1},
                                      {kFire, -1}, {kLeft, kFire}, {kRight, kFire}, {-1, -1}};
    std::string out = "# maze, random keys\n";
    out += record(kLevel, 5, 4000, [&](int) {
        if (gen() % 10 == 0) {
            held.clear();
            for (int k : kChoices[gen() % (sizeof kChoices / sizeof kChoices[0])]) {
                if (k >= 0)
                    held.push_back(k);
            }
        }
        return held;
    });
    KeyScript script;
    EXPECT_TRUE(script.parse(kExitKeys));
    out += "# exit, scripted keys\n";
    out += record(kExitLevel, 3, 300, [&](int t) { return script.held_at(t); });
    return out;
}

}  // namespace

TEST(WorldTrace, AStoredRunPlaysTheSameTickByTick) {
    const std::string path = std::string(QUARRIK_SOURCE_DIR) + "/tests/world/traces/level_run.txt";
    const std::string now = record_both();
    if (std::getenv("QUARRIK_WRITE_TRACE") != nullptr) {
        std::ofstream(path, std::ios::binary) << now;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    std::stringstream stored;
    stored << in.rdbuf();
    std::istringstream a(stored.str());
    std::istringstream b(now);
    std::string want;
    std::string got;
    int line = 0;
    while (std::getline(a, want)) {
        ++line;
        ASSERT_TRUE(std::getline(b, got)) << "the run ended early at sample " << line;
        ASSERT_EQ(want, got) << "first difference at line " << line << " of the stored trace:\n"
                             << want << "\n"
                             << got;
    }
    EXPECT_FALSE(std::getline(b, got)) << "the run is longer than the stored one";
}
