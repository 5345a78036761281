// Plays every shipped level in the real world rules, without its guards, along the route the
// checker found: the checker's move graph must agree with how the runner actually moves, digs
// and falls, tick by tick.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "levels/level_checker.h"
#include "support/fake_keyboard.h"
#include "support/level_rows.h"
#include "world/cell.h"
#include "world/game_params.h"
#include "world/world_context.h"
#include "world/world_run.h"

namespace {

constexpr int kDown = 208, kLeft = 203, kRight = 205, kUp = 200, kFire = 57;
constexpr int kStepTicks = 400;  // far more than any one step needs

std::string read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct Replay {
    FakeKeyboard kb;
    GameParams params;
    WorldContext ctx{params, kb.state};
    WorldRun run{ctx};
    std::string failure;

    Replay() {
        params = test_levels::shipped_rules();
        params.m_prob_take_gold = 1;  // no guards here anyway
    }

    void tick(std::initializer_list<int> keys) {
        kb.hold(keys);
        run.tick();
    }

    bool at(int node, bool or_falling) {
        const CellCoord c = run.runner().cell();
        if (c.c != MoveGraph::column_of(node) || c.r != MoveGraph::row_of(node))
            return false;
        const Pos centre = grid_cell_center(c.c, c.r);
        const Pos& p = run.runner().pos();
        const float dx = p.x - centre.x, dy = p.y - centre.y;
        return dx * dx + dy * dy < 49.0f || (or_falling && run.runner().state() == kFalling);
    }

    // Holds `key` (0: none) until the runner is in `node`.
    bool go(int key, int node, bool or_falling) {
        for (int t = 0; t < kStepTicks; ++t) {
            if (key)
                tick({key});
            else
                tick({});
            if (std::getenv("REPLAY_DEBUG"))
                std::fprintf(stderr, "key %d pos %.1f %.1f state %d cell %d %d\n", key,
                             run.runner().pos().x, run.runner().pos().y, run.runner().state(),
                             run.runner().cell().c, run.runner().cell().r);
            if (run.runner().dead())
                return false;
            if (at(node, or_falling))
                return true;
        }
        return false;
    }

    // Faces the brick's side, digs it, and walks over the hole to drop in.
    bool dig(int hole) {
        for (int t = 0; t < kStepTicks && run.runner().state() == kFalling; ++t)
            tick({});
        const int d = MoveGraph::column_of(hole) < run.runner().cell().c ? kLeft : kRight;
        tick({d});
        for (int t = 0; t < kStepTicks && run.runner().dig_cooldown() > 0; ++t)
            tick({});
        tick({kFire});
        Cell* brick = run.field().cell_at(MoveGraph::column_of(hole), MoveGraph::row_of(hole));
        if (!brick || !brick->is_passable())
            return false;
        return go(d, hole, true);
    }

    bool open_hole(int c, int r) {
        Cell* cell = run.field().cell_at(c, r);
        return cell && cell->kind() == kBrick && cell->is_passable();
    }

    bool step(int from, int to) {
        if (to >= MoveGraph::kHoleBase && from != to - MoveGraph::kHoleBase)
            return dig(to);
        // A hole dug earlier on this route stays open a while; the graph knows only closed
        // bricks, so wait (on firm ground) until it has grown back before stepping over it.
        const CellCoord here = run.runner().cell();
        if (to < MoveGraph::kHoleBase && !open_hole(here.c, here.r)) {
            for (int t = 0;
                 t < kStepTicks && open_hole(MoveGraph::column_of(to), MoveGraph::row_of(to) + 1);
                 ++t)
                tick({});
        }
        const int dc = MoveGraph::column_of(to) - MoveGraph::column_of(from);
        const int dr = MoveGraph::row_of(to) - MoveGraph::row_of(from);
        const int key = dc < 0 ? kLeft : dc > 0 ? kRight : dr < 0 ? kUp : kDown;
        return go(key, to, true);
    }

    // Plays the route; empty when the level was finished, else what went wrong.
    std::string play(std::string text, const std::vector<int>& route) {
        for (char& c : text)
            if (c == '$')
                c = ' ';
        std::srand(1);
        run.start(reinterpret_cast<const uint8_t*>(text.data()), text.size());
        for (size_t i = 1; i < route.size(); ++i) {
            if (std::getenv("REPLAY_DEBUG"))
                std::fprintf(stderr, "step %zu: %d,%d -> %d,%d%s\n", i,
                             MoveGraph::column_of(route[i - 1]), MoveGraph::row_of(route[i - 1]),
                             MoveGraph::column_of(route[i]), MoveGraph::row_of(route[i]),
                             route[i] >= MoveGraph::kHoleBase ? " hole" : "");
            if (!step(route[i - 1], route[i])) {
                const CellCoord c = run.runner().cell();
                char buffer[160];
                std::snprintf(buffer, sizeof buffer,
                              "step %zu to column %d row %d%s failed; runner at column %d row %d "
                              "state %d%s",
                              i, MoveGraph::column_of(route[i]), MoveGraph::row_of(route[i]),
                              route[i] >= MoveGraph::kHoleBase ? " (hole)" : "", c.c, c.r,
                              run.runner().state(), run.runner().dead() ? " dead" : "");
                return buffer;
            }
        }
        for (int t = 0; t < 10 && !run.level_finished(); ++t)
            tick({});
        return run.level_finished() ? "" : "the route ended without finishing the level";
    }
};

// Each kind of edge on its own: dig and drop out of an open side, down a ladder under the hole,
// the gold in a shaft taken while falling, a rope over a pit, a false floor and hidden ladders
// that only show at the end.
TEST(LevelReplay, SmallLevelsOfEachMoveAreFinished) {
    const std::string top = "! MMMMMMMHMMMMMMMMMMMMMMMMMMMMMM";
    const std::vector<std::vector<std::string>> levels = {
        {top, "TT   *   H", "MMMMMMMMMHMMMMMMMMMMMMMMMMMMMMMM"},
        {top, "TTM  *   H", "MHMMMMMMMHMMMMMMMMMMMMMMMMMMMMMM", " H    H  H",
         "MMMMMMHMMMMMMMMMMMMMMMMMMMMMMMMM", "      H   "},
        {"!                               ", "MMMMM MMMHMMMMMMMMMMMMMMMMMMMMMM",
         "MMMMM*MMMHMMMMMMMMMMMMMMMMMMMMMM", "         H"},
        {"!  ------* ", "MMM      MMMMMMMMMMMMMMMMMMMMMMM", "MMM      MMMMMMMMMMMMMMMMMMMMMMM"},
        {"!      MMMMMMMM#MMMMMMMMMMMMMMMM", "MMMMUMMMMMMMMMM#MMMMMMMMMMMMMMMM",
         "     *         #"},
    };
    for (const auto& rows : levels) {
        LevelGrid grid;
        std::string error;
        ASSERT_TRUE(grid.parse(test_levels::level_on_solid(rows), error)) << error;
        const LevelReport report = check_level(grid);
        ASSERT_TRUE(report.finishable) << rows[1];
        Replay replay;
        EXPECT_EQ(replay.play(test_levels::level_on_solid(rows), report.route), "") << rows[1];
    }
}

TEST(LevelReplay, EveryShippedLevelIsFinishedAlongTheCheckersRoute) {
    const char* only = std::getenv("REPLAY_LEVEL");
    for (int set = 1; set <= 2; ++set) {
        for (int level = 1; level <= 75; ++level) {
            if (only && std::atoi(only) != set * 100 + level)
                continue;
            char name[64];
            std::snprintf(name, sizeof name, "/assets/dat/levels%d_full/%02d.txt", set, level);
            const std::string path = std::string(QUARRIK_SOURCE_DIR) + name;
            const LevelReport report = check_level_file(path);
            ASSERT_TRUE(report.finishable) << path;
            Replay replay;
            const std::string failure = replay.play(read_all(path), report.route);
            EXPECT_EQ(failure, "") << path;
        }
    }
}

}  // namespace
