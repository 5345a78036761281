#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "levels/level_checker.h"
#include "support/temp_dir.h"

namespace {

const std::string kLevels = std::string(QUARRIK_SOURCE_DIR) + "/assets/dat";
const std::string kTool = std::string(QUARRIK_TOOLS_DIR) + "/quarrik-levels";

std::string level_path(int set, int level) {
    char name[64];
    std::snprintf(name, sizeof name, "/levels%d_full/%02d.txt", set, level);
    return kLevels + name;
}

std::string read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Runs a command and returns its exit status, with its output in `out`.
int run(const std::string& command, std::string& out) {
    out.clear();
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The shipped levels, all 150, must be provably finishable.
TEST(LevelFiles, EveryShippedLevelCanBeFinished) {
    std::string out;
    EXPECT_EQ(run(kTool + " check --dir " + kLevels, out), 0) << out;
    EXPECT_NE(out.find("150 of 150 levels can be finished"), std::string::npos) << out;
}

// A broken level makes the tool fail, and the table marks it.
TEST(LevelFiles, ToolReportsAFailingLevel) {
    TempDir dir;
    std::string text = "!" + std::string(31, ' ') + "\n";
    for (int r = 1; r < 21; ++r)
        text += std::string(32, ' ') + "\n";
    text += std::string(32, 'M') + "\n";
    const std::string path = dir.write("broken.txt", text);
    std::string out;
    EXPECT_EQ(run(kTool + " check " + path, out), 1);
    EXPECT_NE(out.find("no gold"), std::string::npos) << out;
    EXPECT_EQ(run(kTool + " stats " + path, out), 1);
    EXPECT_NE(out.find("FAIL"), std::string::npos) << out;
}

// One runner, gold, distinct levels, and guards that grow from few in the gentle set's first
// levels to many at the end of the hard set.
TEST(LevelFiles, SetsAreCompleteDistinctAndGrowInGuards) {
    std::set<std::string> seen;
    for (int set = 1; set <= 2; ++set) {
        for (int level = 1; level <= 75; ++level) {
            const std::string text = read_all(level_path(set, level));
            LevelGrid grid;
            std::string error;
            ASSERT_TRUE(grid.parse(text, error)) << level_path(set, level) << ": " << error;
            EXPECT_EQ(grid.runner_count(), 1) << level_path(set, level);
            EXPECT_GE(grid.count('*'), 1) << level_path(set, level);
            EXPECT_TRUE(seen.insert(text).second) << level_path(set, level) << " repeats a level";
            if (set == 1 && level <= 5) {
                EXPECT_LE(grid.guard_count(), 1) << level_path(set, level);
            }
            if (set == 2 && level > 60) {
                EXPECT_GE(grid.guard_count(), 5) << level_path(set, level);
            }
        }
    }
}

// The review sheet is a PNG with one tile per level; its stored blocks must add up to the
// picture's rows.
TEST(LevelFiles, RenderWritesAReadablePng) {
    TempDir dir;
    const std::string png = dir.path() + "/sheet.png";
    std::string out;
    ASSERT_EQ(
        run(kTool + " render " + png + " --cell 2 " + level_path(1, 1) + " " + level_path(2, 75),
            out),
        0)
        << out;
    const std::string bytes = read_all(png);
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1a\n");
    auto u32 = [&](size_t at) {
        return (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) << 24) |
               (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 16) |
               (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 8) |
               static_cast<uint8_t>(bytes[at + 3]);
    };
    const uint32_t width = u32(16), height = u32(20);
    EXPECT_GT(width, 2u * 64);
    EXPECT_GT(height, 2u * 22);
    // IDAT follows IHDR (8 + 25 bytes); walk its stored blocks after the 2-byte zlib header.
    ASSERT_EQ(bytes.substr(37, 4), "IDAT");
    const uint32_t idat = u32(33);
    size_t at = 41 + 2, raw = 0;
    bool last = false;
    while (!last && at + 5 <= 41 + idat) {
        last = bytes[at] & 1;
        const size_t n = static_cast<uint8_t>(bytes[at + 1]) |
                         (static_cast<size_t>(static_cast<uint8_t>(bytes[at + 2])) << 8);
        raw += n;
        at += 5 + n;
    }
    EXPECT_TRUE(last);
    EXPECT_EQ(raw, static_cast<size_t>(height) * (width * 3 + 1));
    EXPECT_EQ(bytes.substr(bytes.size() - 12, 8), std::string("\0\0\0\0IEND", 8));
}

}  // namespace
