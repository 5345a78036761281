// The safe write in the set-ups players really have: a score file that is a symbolic link, a
// shared folder they cannot write into holding files they can, a full disk, and what a save
// killed half-way leaves behind.

#include "storage/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::string read_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool save_text(const std::string& path, const std::string& text) {
    return write_file_atomically(path, text.data(), text.size());
}

int entries_in(const std::string& folder) {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        (void)entry;
        ++n;
    }
    return n;
}

// Runs `body` in a child process as an ordinary user (root ignores folder permissions);
// returns the child's exit status.
int as_ordinary_user(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(99);
        }
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(AtomicFile, SymbolicLinkIsWrittenThroughAndKept) {
    TempDir dir;
    const std::string shared = dir.write("shared/scores1.tab", "old");
    const std::string link = dir.path() + "/scores1.tab";
    ASSERT_EQ(symlink("shared/scores1.tab", link.c_str()), 0);
    ASSERT_TRUE(save_text(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(read_text(shared), "new");
    EXPECT_EQ(entries_in(dir.path() + "/shared"), 1) << "a temporary file was left";

    // A link to a file not there yet creates the file, not a plain file in the link's place.
    const std::string dangling = dir.path() + "/scores2.tab";
    ASSERT_EQ(symlink("shared/scores2.tab", dangling.c_str()), 0);
    ASSERT_TRUE(save_text(dangling, "first"));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(read_text(dir.path() + "/shared/scores2.tab"), "first");
}

TEST(AtomicFile, ReadOnlyFolderWithWritableFileIsWrittenInPlace) {
    TempDir dir;
    const std::string folder = dir.path() + "/shared";
    const std::string file = dir.write("shared/scores1.tab", "the old table, longer than the new");
    const std::string missing = folder + "/scores2.tab";
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(file.c_str(), 65534, 65534), 0);
    }
    ASSERT_EQ(chmod(file.c_str(), 0644), 0);
    ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
    const int status = as_ordinary_user([&] {
        if (!save_text(file, "new table")) {
            return 1;
        }
        // A file that is not there cannot be made: the save says so, and why.
        if (save_text(missing, "x") || errno != EACCES) {
            return 2;
        }
        return 0;
    });
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(read_text(file), "new table");
    EXPECT_EQ(entries_in(folder), 1);
}

TEST(AtomicFile, FullDiskFailsWithTheReasonAndKeepsTheOldFile) {
    TempDir dir;
    const std::string mount_point = dir.path() + "/small";
    fs::create_directories(mount_point);
    if (mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "no small file system can be mounted here";
    }
    const std::string file = mount_point + "/save.sav";
    const bool saved_old = save_text(file, "old");
    const bool saved_big = save_text(file, std::string(64 * 1024, 'x'));
    const int why = errno;
    const std::string after = read_text(file);
    const int left = entries_in(mount_point);
    umount(mount_point.c_str());
    ASSERT_TRUE(saved_old);
    EXPECT_FALSE(saved_big);
    EXPECT_EQ(why, ENOSPC);
    EXPECT_EQ(after, "old");
    EXPECT_EQ(left, 1);
}

TEST(AtomicFile, StaleTemporaryFilesOfOurNamingAreRemoved) {
    TempDir dir;
    const std::string file = dir.write("data/dx.cfg", "settings");
    dir.write("data/dx.cfg.tmp-a1B2c3", "half");
    dir.write("data/dx.cfg.tmp-Zz9yY8", "half");
    dir.write("data/dx.cfg.tmp-notes", "the player's");     // not our naming
    dir.write("data/save.sav.tmp-a1B2c3", "another file");  // not this file's
    EXPECT_EQ(remove_stale_temp_files(file), 2);
    EXPECT_TRUE(fs::exists(file));
    EXPECT_TRUE(fs::exists(dir.path() + "/data/dx.cfg.tmp-notes"));
    EXPECT_TRUE(fs::exists(dir.path() + "/data/save.sav.tmp-a1B2c3"));
}

}  // namespace
