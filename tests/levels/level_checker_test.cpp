#include "levels/level_checker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/level_rows.h"

namespace {

LevelReport check(const std::vector<std::string>& rows) {
    LevelGrid grid;
    std::string error;
    EXPECT_TRUE(grid.parse(test_levels::level_on_solid(rows), error)) << error;
    return check_level(grid);
}

std::string problems(const LevelReport& report) {
    std::string all;
    for (const std::string& p : report.problems)
        all += p + "\n";
    return all;
}

TEST(LevelGrid, ReadsCellsMarkersAndBorder) {
    LevelGrid grid;
    std::string error;
    ASSERT_TRUE(grid.parse(test_levels::level_on_solid({"!$ $*H#-TUM"}), error)) << error;
    EXPECT_EQ(grid.runner_count(), 1);
    EXPECT_EQ(grid.runner_column(), 1);
    EXPECT_EQ(grid.runner_row(), 0);
    EXPECT_EQ(grid.guard_count(), 2);
    EXPECT_EQ(grid.at(1, 0), ' ');  // the markers are empty cells
    EXPECT_EQ(grid.at(5, 0), '*');
    EXPECT_EQ(grid.at(11, 0), 'M');
    EXPECT_EQ(grid.at(0, 0), 'M');  // border columns, the border row and above the top
    EXPECT_EQ(grid.at(33, 5), 'M');
    EXPECT_EQ(grid.at(4, 22), 'M');
    EXPECT_EQ(grid.at(4, -1), 'M');
    EXPECT_EQ(grid.count('*'), 1);
}

// The game reads the file blindly with a stride of 33 bytes, so anything off that layout would
// load silently wrong; the checker refuses it instead.
TEST(LevelGrid, RefusesFilesTheGameWouldMisread) {
    LevelGrid grid;
    std::string error;
    std::string crlf = test_levels::level_on_solid({"!*"});
    crlf.insert(32, "\r");
    crlf.pop_back();
    EXPECT_FALSE(grid.parse(crlf, error));
    EXPECT_FALSE(grid.parse(test_levels::level_on_solid({"!*"}) + "\n", error));
    EXPECT_NE(error.find("bytes"), std::string::npos);
    EXPECT_FALSE(grid.parse(test_levels::level_on_solid({"!*x"}), error));
    EXPECT_NE(error.find("'x'"), std::string::npos);
}

TEST(LevelCheck, LevelsWithoutGoldOrRunnerFail) {
    LevelReport none = check({"!  "});
    EXPECT_FALSE(none.finishable);
    EXPECT_NE(problems(none).find("no gold"), std::string::npos);
    EXPECT_FALSE(check({"   *"}).finishable);
    EXPECT_FALSE(check({"! ! *"}).finishable);
}

// Gold standing in the top row finishes the level at once; gold walled in by solid blocks can
// never be taken.
TEST(LevelCheck, GoldBehindSolidBlocksFails) {
    EXPECT_TRUE(check({"!    *"}).finishable);
    LevelReport walled = check({"!    M*M"});
    EXPECT_FALSE(walled.finishable);
    EXPECT_NE(problems(walled).find("gold at column 7, row 0 cannot be reached"), std::string::npos)
        << problems(walled);
}

// The runner digs the brick in front, drops into the room below, takes the gold and leaves by
// a ladder whose top it could not reach from the start.
TEST(LevelCheck, GoldReachableOnlyByDiggingPasses) {
    LevelReport dug = check({"!    M",  //
                             "TTTTTMTTTHTTTTTTTTTTTTTTTTTTTTTT", "   *     H"});
    EXPECT_TRUE(dug.finishable) << problems(dug);
    // Dig and drop (2 cells), land (1), walk to the gold (2), to the ladder (6), climb out (2).
    EXPECT_EQ(dug.route_digs, 1);
    EXPECT_EQ(dug.route_length, 13);

    // The same room under solid blocks cannot be dug into.
    EXPECT_FALSE(check({"!    M",  //
                        "MMMMMMTTTHTTTTTTTTTTTTTTTTTTTTTT", "   *     H"})
                     .finishable);
}

// A hole with solid floor and bricks on both sides closes on the runner: no edge. With an open
// side at its own row the runner walks out.
TEST(LevelCheck, HoleWithoutWayOutIsDeathNotAnEdge) {
    const std::string top = "! MMMMMMMHMMMMMMMMMMMMMMMMMMMMMM";
    const std::string floor = "MMMMMMMMMHMMMMMMMMMMMMMMMMMMMMMM";
    EXPECT_TRUE(check({top, "TT   *   H", floor}).finishable);
    LevelReport trapped = check({top, "TTM  *   H", floor});
    EXPECT_FALSE(trapped.finishable);
    EXPECT_NE(problems(trapped).find("cannot be reached"), std::string::npos);
    // A ladder under the hole is a way out too.
    EXPECT_TRUE(check({top, "TTM  *   H", "MHMMMMMMMHMMMMMMMMMMMMMMMMMMMMMM", " H    H  H",
                       "MMMMMMHMMMMMMMMMMMMMMMMMMMMMMMMM", "      H   "})
                    .finishable);
}

// Digging needs air in front: a rope, ladder, false brick or gold beside the brick refuses it.
TEST(LevelCheck, NoDigWhenTheCellInFrontIsNotAir) {
    auto top = [](char front) {
        return std::string("!") + front + std::string(7, 'M') + "H" + std::string(22, 'M');
    };
    for (char front : {'-', 'H', 'U', '*'})
        EXPECT_FALSE(check({top(front), "TT   *   H"}).finishable) << front;
    EXPECT_TRUE(check({top(' '), "TT   *   H"}).finishable);
}

// Two pits entered by falling: gold in a pit without a ladder out can only be the last one, and
// two such pits strand each other.
TEST(LevelCheck, OneWayDropThatStrandsGoldFails) {
    const std::string top = "         *    !                ";
    const std::string gaps = "MMMM MMMMMMMMMMMMMMMMMMM MMMMMMM";
    LevelReport both = check({top, gaps, "MM    *   MMMMMMMMMM     *     "});
    EXPECT_FALSE(both.finishable);
    EXPECT_NE(problems(both).find("cannot both be taken"), std::string::npos) << problems(both);

    // A ladder out of the left pit: take it first, then end in the right one, which has no way
    // up to the exit.
    const std::string ladder = "MMMM MMMHMMMMMMMMMMMMMMM MMMMMMM";
    LevelReport one = check({top, ladder, "MM    * H MMMMMMMMMM     *     "});
    EXPECT_FALSE(one.finishable);
    EXPECT_NE(problems(one).find("no way out"), std::string::npos) << problems(one);

    const std::string ladders = "MMMM MMMHMMMMMMMMMMMMMMM MMHMMMM";
    EXPECT_TRUE(check({top, ladders, "MM    * H MMMMMMMMMM     * H   "}).finishable);
}

// Hidden ladders are air until the last gold: they cannot be climbed to reach gold, but they
// are the way out afterwards. A false brick floor drops the runner into the room.
TEST(LevelCheck, ExitThroughHiddenLaddersPasses) {
    const std::vector<std::string> room = {"MMMMMMMMMMMMMMM#MMMMMMMMMMMMMMMM",
                                           "MMMMMMMMMMMMMMM#MMMMMMMMMMMMMMMM",
                                           "!    *         #                "};
    LevelReport shown = check(room);
    EXPECT_TRUE(shown.finishable) << problems(shown);
    EXPECT_EQ(shown.hidden_ladders, 3);

    LevelReport walled =
        check({"MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM", room[2]});
    EXPECT_FALSE(walled.finishable);
    EXPECT_NE(problems(walled).find("no way out"), std::string::npos);

    EXPECT_FALSE(check({"MMMMMMMMMMMMMMM*MMMMMMMMMMMMMMMM", room[1], room[2]}).finishable);

    EXPECT_TRUE(check({"!      MMMMMMMM#MMMMMMMMMMMMMMMM", "MMMMUMMMMMMMMMM#MMMMMMMMMMMMMMMM",
                       "     *         #"})
                    .finishable);
    EXPECT_FALSE(check({"!      MMMMMMMM#MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMM#MMMMMMMMMMMMMMMM",
                        "     *         #"})
                     .finishable);
}

// Falling takes the gold it passes; ropes hold the runner over a pit.
TEST(LevelCheck, FallingTakesGoldAndRopesHold) {
    EXPECT_TRUE(check({"!                               ",  //
                       "MMMMM MMMHMMMMMMMMMMMMMMMMMMMMMM", "MMMMM*MMMHMMMMMMMMMMMMMMMMMMMMMM",
                       "         H"})
                    .finishable);
    // Without a ladder back up the gold in the shaft is the last and there is no exit.
    EXPECT_FALSE(
        check({"!                               ",  //
               "MMMMM MMMMMMMMMMMMMMMMMMMMMMMMMM", "MMMMM*MMMMMMMMMMMMMMMMMMMMMMMMMM", "         "})
            .finishable);

    const std::string pit = "MMM      MMMMMMMMMMMMMMMMMMMMMMM";
    EXPECT_TRUE(check({"!  ------* ", pit, pit}).finishable);
    LevelReport gap = check({"!        * ", pit, pit});
    EXPECT_FALSE(gap.finishable);
}

}  // namespace
