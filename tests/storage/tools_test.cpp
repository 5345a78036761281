#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "storage/data_keys.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"
#include "storage/test_bytes.h"
#include "support/temp_dir.h"

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
};

// Runs a tool with arguments already quoted for the shell; stderr is dropped.
ToolRun run(const std::string& tool, const std::string& args) {
    std::string command = std::string(QUARRIK_TOOLS_DIR) + "/" + tool + " " + args + " 2>/dev/null";
    ToolRun result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return result;
    }
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.out.append(buffer, n);
    }
    result.status = pclose(pipe);
    return result;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(PackTool, PacksFoldersLaterOnesWinning) {
    TempDir dir;
    dir.write("a/dat/param.txt", "m_skins_count 4\n");
    dir.write("a/mui/font.tga", std::string("\0\x01pic", 5));
    dir.write("a/.hidden/x", "no");
    dir.write("b/dat/param.txt", "m_skins_count 6\n");
    dir.write("b/dat/levels1_full/01.txt", "level");
    std::string out = dir.path() + "/data.pk";
    ToolRun packed = run("quarrik-pack", "pack " + dir.path() + "/a " + dir.path() + "/b " + out);
    ASSERT_EQ(packed.status, 0);

    EXPECT_EQ(run("quarrik-pack", "list " + out).out,
              "dat/levels1_full/01.txt\t5\ty\n"
              "dat/param.txt\t16\ty\n"
              "mui/font.tga\t5\tn\n");
    PackArchive game;
    game.set_key(kPackKey);
    ASSERT_TRUE(game.open(out));
    EXPECT_EQ(game.read_file("dat\\param.txt").text(), "m_skins_count 6\n");
    EXPECT_EQ(run("quarrik-pack", "cat " + out + " mui/font.tga").out, std::string("\0\x01pic", 5));

    EXPECT_NE(run("quarrik-pack", "pack " + dir.path() + "/none " + out).status, 0);
    EXPECT_NE(run("quarrik-pack", "cat " + out + " dat/missing.txt").status, 0);
    EXPECT_NE(run("quarrik-pack", "list " + dir.path() + "/none.pk").status, 0);
}

TEST(PackTool, ReadsAnArchiveFromAnotherWriter) {
    TempDir dir;
    std::string text = "m_skins_count 4\n";
    std::vector<std::uint8_t> stored(text.begin(), text.end());
    PackArchive::scramble_bytes(stored.data(), stored.size(), kPackKey);
    std::string path = dir.write(
        "other.pk", pack_header(3) + pack_record("dat\\param.txt", as_string(stored), 'y') +
                        pack_record("mui/help.txt", "plain help\n", 'n') +
                        pack_record("dat/empty.txt", "", 'n'));
    EXPECT_EQ(run("quarrik-pack", "list " + path).out,
              "dat\\param.txt\t16\ty\nmui/help.txt\t11\tn\ndat/empty.txt\t0\tn\n");
    EXPECT_EQ(run("quarrik-pack", "cat " + path + " dat/param.txt").out, text);
    EXPECT_EQ(run("quarrik-pack", "cat " + path + " mui/help.txt").out, "plain help\n");
    ToolRun empty = run("quarrik-pack", "cat " + path + " dat/empty.txt");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
}

TEST(CfgTool, DecodesWhatTheGameWroteAndEncodesBack) {
    TempDir dir;
    ParamFile settings;
    settings.set_int("m_autosave", 1);
    settings.set("m_name", "two words");
    std::string cfg = dir.path() + "/dx.cfg";
    ASSERT_TRUE(settings.save(cfg, kSettingsKey));
    EXPECT_EQ(run("quarrik-cfg", "decode " + cfg).out, settings.to_text());

    ParamFile scores;
    scores.set_int("num", 0);
    std::string tab = dir.path() + "/scores2.tab";
    ASSERT_TRUE(scores.save(tab, kScoreKey));
    EXPECT_EQ(run("quarrik-cfg", "decode " + tab).out, "num 0\n");
    EXPECT_EQ(run("quarrik-cfg", "decode --key qzv " + tab).status, 0);
    EXPECT_NE(run("quarrik-cfg", "decode " + dir.path() + "/unknown.bin").status, 0);

    // Edited text goes back under the saved game's key and the game reads it.
    std::string text = dir.write("save.sav.txt", "gf_m_level_current 7\nm_game_kind 1\n");
    std::string sav = dir.path() + "/save.sav";
    ASSERT_EQ(run("quarrik-cfg", "encode " + text + " " + sav).status, 0);
    ParamFile game;
    ASSERT_TRUE(game.load_file(sav, true, kSavedGameKey));
    EXPECT_EQ(game.get("gf_m_level_current", "0"), "7");
    EXPECT_EQ(game.get("m_game_kind", "0"), "1");
    EXPECT_EQ(slurp(sav).size(), slurp(text).size() + 1);
}

// Every tool reads its command line one way: --help is the usage on stdout (0); an unknown
// option or one without its value is refused with the usage on stderr (2). None of them takes
// such a word for a file or folder: nothing is written in the working folder.
TEST(Tools, HelpUnknownOptionsAndMissingValues) {
    TempDir dir;
    auto status_of = [&](const std::string& tool, const std::string& args, std::string* out) {
        const std::string command = "cd " + dir.path() + " && " + QUARRIK_TOOLS_DIR + "/" + tool +
                                    " " + args + " 2>/dev/null";
        std::FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        std::size_t n;
        out->clear();
        while (pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            out->append(buffer, n);
        }
        const int status = pipe ? pclose(pipe) : -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    // Each tool with a line that lacks an option's value or a required word.
    const std::pair<const char*, const char*> tools[] = {{"quarrik-sfx", ""},
                                                         {"quarrik-music", "render"},
                                                         {"quarrik-cfg", "decode --key"},
                                                         {"quarrik-pack", "list"},
                                                         {"quarrik-gen", "out --contact-sheet"},
                                                         {"quarrik-levels", "check --dir"},
                                                         {"quarrik-sim", "--seed"},
                                                         {"quarrik-drive", "--game-dir"},
                                                         {"quarrik-startup-probe", "game --runs"}};
    for (const auto& [tool, missing] : tools) {
        SCOPED_TRACE(tool);
        std::string out;
        EXPECT_EQ(status_of(tool, "--help", &out), 0);
        EXPECT_EQ(out.rfind(std::string("usage: ") + tool, 0), 0u) << out;
        EXPECT_EQ(status_of(tool, "--frobnicate", &out), 2);
        EXPECT_EQ(out, "");
        EXPECT_EQ(status_of(tool, missing, &out), 2);
        EXPECT_EQ(status_of(tool, std::string(missing) + " --help", &out), 0);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
