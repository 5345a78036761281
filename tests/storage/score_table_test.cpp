#include "storage/score_table.h"

#include <gtest/gtest.h>

#include <string>

#include "storage/data_keys.h"
#include "storage/param_file.h"
#include "support/temp_dir.h"

namespace {

ScoreTable table_of(std::initializer_list<std::int32_t> scores) {
    ScoreTable t;
    int i = 0;
    for (std::int32_t s : scores) {
        t.insert("p" + std::to_string(i++), s);
    }
    return t;
}

TEST(ScoreTable, RanksAndInsertsBelowEqualScores) {
    ScoreTable empty;
    EXPECT_EQ(empty.rank_of(100), 0);
    EXPECT_EQ(empty.rank_of(0), -1);
    EXPECT_EQ(empty.rank_of(-5), 0);

    ScoreTable t = table_of({300, 900, 500, 900});
    ASSERT_EQ(t.entries().size(), 4u);
    EXPECT_EQ(t.entries()[0].name, "p1");  // the earlier of two equal scores stays above
    EXPECT_EQ(t.entries()[1].name, "p3");
    EXPECT_EQ(t.entries()[2].score, 500);
    EXPECT_EQ(t.entries()[3].score, 300);
    EXPECT_EQ(t.rank_of(500), 3);
    EXPECT_EQ(t.rank_of(1000), 0);
}

TEST(ScoreTable, FullTableKeepsTheBestSeven) {
    ScoreTable t = table_of({1100, 1000, 900, 800, 700, 600, 500});
    EXPECT_EQ(t.rank_of(500), -1);
    EXPECT_EQ(t.rank_of(501), 6);
    t.insert("new", 501);
    ASSERT_EQ(t.entries().size(), 7u);
    EXPECT_EQ(t.entries()[6].name, "new");
    t.insert("top", 5000);
    ASSERT_EQ(t.entries().size(), 7u);
    EXPECT_EQ(t.entries()[0].name, "top");
    EXPECT_EQ(t.entries()[6].score, 600);
}

TEST(ScoreTable, SavesAndLoadsScrambledFiles) {
    TempDir dir;
    std::string path = dir.path() + "/scores1.tab";
    ScoreTable t;
    t.insert("two words", 750);
    t.insert("", 300);
    ASSERT_TRUE(t.save(path));

    ParamFile raw;
    ASSERT_TRUE(raw.load_file(path, true, kScoreKey));
    EXPECT_EQ(raw.to_text(), "name0 \"two words\"\nname1 \"\"\nnum 2\nscore0 750\nscore1 300\n");

    ScoreTable back = table_of({5});
    ASSERT_TRUE(back.load(path));
    ASSERT_EQ(back.entries().size(), 2u);
    EXPECT_EQ(back.entries()[0].name, "two words");
    EXPECT_EQ(back.entries()[0].score, 750);
    EXPECT_EQ(back.entries()[1].name, "");

    ScoreTable none;
    ASSERT_TRUE(none.save(path));
    ASSERT_TRUE(raw.load_file(path, true, kScoreKey));
    EXPECT_EQ(raw.to_text(), "num 0\n");

    // A missing file keeps what the table had.
    EXPECT_FALSE(back.load(dir.path() + "/missing.tab"));
    EXPECT_EQ(back.entries().size(), 2u);
}

TEST(ScoreTable, LoadTakesTheFilesOrderAndFillsMissingEntries) {
    TempDir dir;
    std::string path = dir.path() + "/scores2.tab";
    ParamFile f;
    f.set("name0", "low");
    f.set_int("score0", 10);
    f.set("name1", "high");
    f.set_int("score1", 90);
    f.set_int("num", 3);
    ASSERT_TRUE(f.save(path, kScoreKey));
    ScoreTable t;
    ASSERT_TRUE(t.load(path));
    ASSERT_EQ(t.entries().size(), 3u);
    EXPECT_EQ(t.entries()[0].name, "low");
    EXPECT_EQ(t.entries()[1].score, 90);
    EXPECT_EQ(t.entries()[2].name, "0");
    EXPECT_EQ(t.entries()[2].score, 0);

    // A damaged count is held to the table's size.
    f.set_int("num", 2000000000);
    ASSERT_TRUE(f.save(path, kScoreKey));
    ASSERT_TRUE(t.load(path));
    EXPECT_EQ(t.entries().size(), 7u);
    f.set_int("num", -4);
    ASSERT_TRUE(f.save(path, kScoreKey));
    ASSERT_TRUE(t.load(path));
    EXPECT_TRUE(t.entries().empty());
}

}  // namespace
