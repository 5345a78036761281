#include "core/game_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "support/temp_dir.h"

namespace {

std::string read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Each line must be on disk at once, and a reopened log starts empty.
TEST(GameLog, LinesAreOnDiskImmediatelyAndOpenTruncates) {
    TempDir dir;
    const std::string path = dir.path() + "/game.log";
    GameLog log;
    ASSERT_TRUE(log.open(path));
    log.write("Vendor: %s", "Mesa");
    EXPECT_EQ(read_all(path), "Vendor: Mesa\n");
    log.close();
    EXPECT_EQ(read_all(path), "Vendor: Mesa\nClosing Log\n");

    GameLog again;
    ASSERT_TRUE(again.open(path));
    EXPECT_EQ(read_all(path), "");
}

TEST(GameLog, UncreatableFileDisablesLoggingSilently) {
    GameLog log;
    EXPECT_FALSE(log.open("/nonexistent-dir/for/sure/game.log"));
    log.write("ignored %d", 1);
    log.close();
    EXPECT_FALSE(log.is_open());
}

}  // namespace
