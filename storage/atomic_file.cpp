#include "storage/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <vector>

namespace {

constexpr char kTempInfix[] = ".tmp-";
constexpr std::size_t kTempSuffixLength = 6;  // the XXXXXX of mkostemp

std::string folder_of(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The mode a plain create would have given: the old file's, else 0666 less the umask.
mode_t mode_for(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool write_all(int fd, const char* p, std::size_t size, off_t at) {
    while (size > 0) {
        ssize_t done = ::pwrite(fd, p, size, at);
        if (done < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        p += done;
        at += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

}  // namespace

std::string resolve_links(const std::string& path) {
    std::string p = path;
    // The kernel's own limit on links in a row; a loop ends here too.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return p;
        }
        char target[PATH_MAX];
        const ssize_t n = ::readlink(p.c_str(), target, sizeof target - 1);
        if (n <= 0) {
            return p;
        }
        target[n] = '\0';
        p = target[0] == '/' ? std::string(target) : folder_of(p) + "/" + target;
    }
    return p;
}

AtomicFile::~AtomicFile() {
    discard();
}

bool AtomicFile::fail(int error) {
    if (m_error == 0) {
        m_error = error != 0 ? error : EIO;
    }
    return false;
}

bool AtomicFile::open(const std::string& path) {
    discard();
    m_path = resolve_links(path);
    m_error = 0;
    m_in_place = false;
    m_buffer.clear();
    std::string pattern = m_path + kTempInfix + std::string(kTempSuffixLength, 'X');
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    m_fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_fd < 0) {
        const int why = errno;
        // No room for a second file in the folder, but the file itself may be ours to write.
        if ((why == EACCES || why == EPERM || why == EROFS) &&
            ::access(m_path.c_str(), W_OK) == 0) {
            m_in_place = true;
            return true;
        }
        return fail(why);
    }
    m_temp_path = name.data();
    ::fchmod(m_fd, mode_for(m_path));
    return true;
}

bool AtomicFile::write(const void* bytes, std::size_t size) {
    if (m_error != 0) {
        return false;
    }
    if (m_in_place) {
        m_buffer.append(static_cast<const char*>(bytes), size);
        return true;
    }
    if (m_fd < 0) {
        return fail(EBADF);
    }
    const char* p = static_cast<const char*>(bytes);
    while (size > 0) {
        ssize_t done = ::write(m_fd, p, size);
        if (done < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno);
        }
        p += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

bool AtomicFile::commit() {
    if (m_in_place && m_error == 0) {
        return commit_in_place();
    }
    if (m_fd < 0 || m_error != 0) {
        fail(EBADF);
        discard();
        return false;
    }
    if (::fsync(m_fd) != 0) {
        fail(errno);
    }
    if (::close(m_fd) != 0) {
        fail(errno);
    }
    m_fd = -1;
    if (m_error != 0 || ::rename(m_temp_path.c_str(), m_path.c_str()) != 0) {
        fail(errno);
        discard();
        return false;
    }
    m_temp_path.clear();
    // The rename itself is only durable once the folder is on disk too.
    int dir = ::open(folder_of(m_path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool AtomicFile::commit_in_place() {
    m_in_place = false;
    const int fd = ::open(m_path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        return fail(errno);
    }
    struct stat st;
    const off_t old_size = ::fstat(fd, &st) == 0 ? st.st_size : 0;
    const off_t new_size = static_cast<off_t>(m_buffer.size());
    // Reserve the room first: a full disk is found before a byte of the old content changes.
    if (new_size > old_size) {
        const int why = ::posix_fallocate(fd, 0, new_size);
        if (why != 0 && why != EOPNOTSUPP && why != EINVAL) {
            if (::ftruncate(fd, old_size) != 0) {
                // Nothing more to do: the old bytes are untouched either way.
            }
            ::close(fd);
            return fail(why);
        }
    }
    bool ok = write_all(fd, m_buffer.data(), m_buffer.size(), 0) || fail(errno);
    ok = ok && (::ftruncate(fd, new_size) == 0 || fail(errno));
    ok = ok && (::fsync(fd) == 0 || fail(errno));
    if (::close(fd) != 0 && ok) {
        ok = fail(errno);
    }
    m_buffer.clear();
    return ok;
}

void AtomicFile::discard() {
    const int saved = errno;
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temp_path.empty()) {
        ::unlink(m_temp_path.c_str());
        m_temp_path.clear();
    }
    errno = saved;
}

bool write_file_atomically(const std::string& path, const void* bytes, std::size_t size) {
    bool ok = false;
    int why = 0;
    {
        AtomicFile file;
        ok = file.open(path) && file.write(bytes, size) && file.commit();
        why = file.error();
    }
    if (!ok) {
        errno = why != 0 ? why : EIO;
    }
    return ok;
}

int remove_stale_temp_files(const std::string& path) {
    const std::string target = resolve_links(path);
    const std::string folder = folder_of(target);
    const std::string prefix = name_of(target) + kTempInfix;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        return 0;
    }
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + kTempSuffixLength ||
            name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        bool ours = true;
        for (std::size_t i = prefix.size(); i < name.size(); ++i) {
            ours = ours && std::isalnum(static_cast<unsigned char>(name[i]));
        }
        if (ours) {
            stale.push_back(folder + "/" + name);
        }
    }
    ::closedir(dir);
    int removed = 0;
    for (const std::string& file : stale) {
        removed += ::unlink(file.c_str()) == 0 ? 1 : 0;
    }
    return removed;
}
