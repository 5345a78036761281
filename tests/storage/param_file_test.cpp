#include "storage/param_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "storage/scrambler.h"
#include "storage/test_bytes.h"
#include "support/temp_dir.h"

namespace {

ParamFile parse(const std::string& text) {
    ParamFile file;
    file.load_memory(text.data(), text.size(), true);
    return file;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(ParamFileSyntax, TokensQuotesAndDuplicates) {
    ParamFile f = parse(
        "m_a 1\r\n\tm_b   \"two words\"\n"
        "m_c\n7\n"
        "m_a 3\n"
        "m\"q x\"y\n"
        "m_multi \"line one\nline two\"  m_after 9\n"
        "m_last");
    EXPECT_EQ(f.get("m_a", "?"), "3");
    EXPECT_EQ(f.get("m_b", "?"), "two words");
    EXPECT_EQ(f.get("m_c", "?"), "7");      // the value may sit on the next line
    EXPECT_EQ(f.get("m\"q", "?"), "x\"y");  // quotes mean nothing in a key or mid-value
    EXPECT_EQ(f.get("m_multi", "?"), "line one\nline two");
    EXPECT_EQ(f.get("m_after", "?"), "9");
    EXPECT_EQ(f.get("m_last", "?"), "");
    EXPECT_EQ(f.pairs().size(), 7u);

    EXPECT_EQ(parse("k \"never closed\n x").get("k", "?"), "never closed\n x");
    EXPECT_EQ(parse("k \"").get("k", "?"), "");
    EXPECT_TRUE(parse(" \t\r\n ").pairs().empty());
}

TEST(ParamFileSyntax, CommentsAreBlankedEvenInsideQuotes) {
    ParamFile f = parse(
        "// heading\n"
        "m_skins_count 5 // five skins\n"
        "m_url \"http://x y\" m_z 1\n"
        "m_tail \"end\"\n"
        "m_k//glued\n"
        "m_v 2");
    EXPECT_EQ(f.get("m_skins_count", "?"), "5");
    // The comment eats the closing quote, so the value runs on to the next quote.
    EXPECT_EQ(f.get("m_url", "?"), "http:" + std::string(12, ' ') + "\nm_tail ");
    EXPECT_FALSE(f.contains("m_z"));
    EXPECT_EQ(f.get("end\"", "?"), "m_k");
    EXPECT_EQ(f.get("m_v", "?"), "2");
    EXPECT_EQ(parse("a 1 ///\nb 2").get("b", "?"), "2");
}

TEST(ParamFileSyntax, LoadMergesOrClears) {
    ParamFile f = parse("a 1 b 2");
    f.load_memory("b 3 c 4", 7, false);
    EXPECT_EQ(f.to_text(), "a 1\nb 3\nc 4\n");
    f.load_memory("z 0", 3, true);
    EXPECT_EQ(f.to_text(), "z 0\n");
}

TEST(ParamFileValues, GetSetAndNumbers) {
    ParamFile f;
    EXPECT_EQ(f.get("m_missing", "17"), "17");
    EXPECT_FALSE(f.contains("m_missing"));
    f.set_int("m_neg", -42);
    f.set("m_s", "text");
    f.set("m_s", "replaced");
    EXPECT_EQ(f.get("m_neg", ""), "-42");
    EXPECT_EQ(f.get("m_s", ""), "replaced");

    EXPECT_EQ(ParamFile::to_int("12abc"), 12);
    EXPECT_EQ(ParamFile::to_int("  -7"), -7);
    EXPECT_EQ(ParamFile::to_int("+5"), 5);
    EXPECT_EQ(ParamFile::to_int("abc"), 0);
    EXPECT_EQ(ParamFile::to_int(""), 0);
    EXPECT_EQ(ParamFile::to_int("99999999999999"), 2147483647);
    EXPECT_EQ(ParamFile::to_int("-99999999999999"), -2147483647 - 1);
    EXPECT_FLOAT_EQ(ParamFile::to_float("0.5"), 0.5f);
    EXPECT_FLOAT_EQ(ParamFile::to_float(" -1.25xyz"), -1.25f);
    EXPECT_FLOAT_EQ(ParamFile::to_float("x"), 0.0f);
}

TEST(ParamFileWriting, WrittenFormOrderAndQuoting) {
    ParamFile f;
    f.set("m_b", "two words");
    f.set("m_a", "plain");
    f.set("Z", "upper sorts first");
    f.set("\xe9t\xe9", "high bytes sort last");
    f.set("m_tab", "a\tb");
    f.set("m_lines", "x\ny");
    f.set("m_empty", "");
    EXPECT_EQ(f.to_text(),
              "Z \"upper sorts first\"\n"
              "m_a plain\n"
              "m_b \"two words\"\n"
              "m_empty \"\"\n"
              "m_lines \"x\ny\"\n"
              "m_tab \"a\tb\"\n"
              "\xe9t\xe9 \"high bytes sort last\"\n");
    // Everything written reads back as the same pairs.
    EXPECT_EQ(parse(f.to_text()).pairs(), f.pairs());
}

TEST(ParamFileWriting, SavesPlainAndScrambledFiles) {
    TempDir dir;
    ParamFile f;
    f.set("m_multi", "first line\nsecond line");
    f.set_int("m_window_width", 800);
    std::string plain = dir.path() + "/plain.txt";
    ASSERT_TRUE(f.save(plain));
    EXPECT_EQ(slurp(plain), "m_multi \"first line\nsecond line\"\nm_window_width 800\n");

    std::string cfg = dir.path() + "/dx.cfg";
    ASSERT_TRUE(f.save(cfg, "qzv"));
    std::string raw = slurp(cfg);
    ASSERT_EQ(raw.size(), f.to_text().size() + 1);
    auto text = Scrambler::unscramble(raw.data(), raw.size(), "qzv");
    EXPECT_EQ(as_string(text), f.to_text());

    ParamFile back;
    back.set("m_stale", "1");
    ASSERT_TRUE(back.load_file(cfg, true, "qzv"));
    EXPECT_EQ(back.pairs(), f.pairs());

    // A missing file leaves the pairs alone.
    EXPECT_FALSE(back.load_file(dir.path() + "/missing.cfg", true, "qzv"));
    EXPECT_EQ(back.pairs(), f.pairs());
    EXPECT_FALSE(f.save(dir.path() + "/no/such/dir/x.cfg"));
}

TEST(ParamFileWriting, SaveReplacesTheFileWhole) {
    TempDir dir;
    std::string path = dir.write("save.sav", std::string(5000, 'o'));
    ParamFile f;
    f.set_int("gf_m_level_current", 7);
    ASSERT_TRUE(f.save(path));
    EXPECT_EQ(slurp(path), "gf_m_level_current 7\n");
    // No temporary files are left beside it.
    EXPECT_TRUE(f.save(path, "kt57w"));
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path())) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

}  // namespace
