// Saves that cannot finish: a disk that fills up part-way (a file size limit in a child
// process) and a program killed in the middle of writing. The file that was there before must
// be left whole, and the folder must not fill with half-written copies.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "robustness/damage.h"
#include "storage/data_keys.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"
#include "storage/score_table.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using robustness::read_bytes;

namespace {

int file_count(const std::string& folder) {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        (void)entry;
        ++n;
    }
    return n;
}

// Runs `save` in a child process whose files may not grow past `limit` bytes (what a full
// disk looks like to the writer); returns what the save reported.
bool save_with_size_limit(rlim_t limit, const std::function<bool()>& save) {
    const pid_t pid = fork();
    if (pid == 0) {
        signal(SIGXFSZ, SIG_IGN);  // the write then fails with EFBIG instead of killing us
        rlimit lim{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &lim) != 0) {
            _exit(3);
        }
        _exit(save() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 3) << "could not set the size limit";
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A parameter file big enough that no size limit below lets it through.
ParamFile big_params(const std::string& tag) {
    ParamFile f;
    for (int i = 0; i < 400; ++i) {
        f.set("key" + std::to_string(i), tag + std::string(40, static_cast<char>('a' + i % 26)));
    }
    return f;
}

TEST(InterruptedWrite, FullDiskLeavesEveryPreviousFileWhole) {
    TempDir dir;
    const std::string settings = dir.path() + "/dx.cfg";
    const std::string saved = dir.path() + "/save.sav";
    const std::string scores = dir.path() + "/scores1.tab";
    const std::string archive = dir.path() + "/data.pk";

    ASSERT_TRUE(big_params("old").save(settings, kSettingsKey));
    ASSERT_TRUE(big_params("old").save(saved, kSavedGameKey));
    ScoreTable table;
    table.insert("first", 900);
    table.insert("second", 500);
    ASSERT_TRUE(table.save(scores));
    PackArchive pack;
    const std::string member(5000, 'm');
    ASSERT_TRUE(pack.add_memory("dat/a.txt", member.data(), member.size(), true));
    ASSERT_TRUE(pack.save(archive));

    const std::string before[] = {read_bytes(settings), read_bytes(saved), read_bytes(scores),
                                  read_bytes(archive)};
    const int files_before = file_count(dir.path());

    // Each writer fails part-way at a few fill levels, from nothing to nearly everything.
    for (rlim_t limit : {rlim_t(0), rlim_t(1), rlim_t(100), rlim_t(4000)}) {
        SCOPED_TRACE(limit);
        EXPECT_FALSE(save_with_size_limit(
            limit, [&] { return big_params("new").save(settings, kSettingsKey); }));
        EXPECT_FALSE(save_with_size_limit(
            limit, [&] { return big_params("new").save(saved, kSavedGameKey); }));
        EXPECT_FALSE(save_with_size_limit(limit, [&] {
            ScoreTable bigger = table;
            for (int i = 0; i < ScoreTable::kMaxEntries; ++i) {
                bigger.insert(std::string(limit + 10, 'n'), 1000 + i);
            }
            return bigger.save(scores);
        }));
        EXPECT_FALSE(save_with_size_limit(limit, [&] {
            PackArchive more;
            const std::string data(8000, 'x');
            more.add_memory("dat/a.txt", data.data(), data.size(), true);
            return more.save(archive);
        }));
        EXPECT_EQ(before[0], read_bytes(settings));
        EXPECT_EQ(before[1], read_bytes(saved));
        EXPECT_EQ(before[2], read_bytes(scores));
        EXPECT_EQ(before[3], read_bytes(archive));
        EXPECT_EQ(files_before, file_count(dir.path())) << "a temporary file was left behind";
    }

    // What is left still reads as it was written.
    ParamFile back;
    ASSERT_TRUE(back.load_file(settings, true, kSettingsKey));
    EXPECT_EQ(big_params("old").pairs(), back.pairs());
    ScoreTable table_back;
    ASSERT_TRUE(table_back.load(scores));
    ASSERT_EQ(2u, table_back.entries().size());
    EXPECT_EQ("first", table_back.entries()[0].name);
}

TEST(InterruptedWrite, KilledMidSaveLeavesOneWholeVersion) {
    TempDir dir;
    const std::string path = dir.path() + "/save.sav";
    const ParamFile versions[] = {big_params("one"), big_params("two")};
    ASSERT_TRUE(versions[0].save(path, kSavedGameKey));

    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // Saves the two versions in turn until it is killed.
            for (unsigned i = 1;; ++i) {
                versions[i % 2].save(path, kSavedGameKey);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + 7 * round));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        ParamFile back;
        ASSERT_TRUE(back.load_file(path, true, kSavedGameKey));
        EXPECT_TRUE(back.pairs() == versions[0].pairs() || back.pairs() == versions[1].pairs())
            << "the saved game is a mix or a part of two saves";
        // A kill can leave the temporary file of the save it interrupted; no more than that.
        EXPECT_LE(file_count(dir.path()), 2);
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            if (entry.path() != path) {
                fs::remove(entry.path());
            }
        }
    }
}

}  // namespace
