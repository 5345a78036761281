#include "storage/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace {

std::string folder_of(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
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

}  // namespace

AtomicFile::~AtomicFile() {
    discard();
}

bool AtomicFile::open(const std::string& path) {
    discard();
    m_path = path;
    m_failed = false;
    std::string pattern = path + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    m_fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_fd < 0) {
        return false;
    }
    m_temp_path = name.data();
    ::fchmod(m_fd, mode_for(path));
    return true;
}

bool AtomicFile::write(const void* bytes, std::size_t size) {
    if (m_fd < 0 || m_failed) {
        return false;
    }
    const char* p = static_cast<const char*>(bytes);
    while (size > 0) {
        ssize_t done = ::write(m_fd, p, size);
        if (done < 0) {
            if (errno == EINTR) {
                continue;
            }
            m_failed = true;
            return false;
        }
        p += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

bool AtomicFile::commit() {
    if (m_fd < 0 || m_failed) {
        discard();
        return false;
    }
    bool ok = ::fsync(m_fd) == 0;
    ok = ::close(m_fd) == 0 && ok;
    m_fd = -1;
    if (!ok || ::rename(m_temp_path.c_str(), m_path.c_str()) != 0) {
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

void AtomicFile::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temp_path.empty()) {
        ::unlink(m_temp_path.c_str());
        m_temp_path.clear();
    }
}

bool write_file_atomically(const std::string& path, const void* bytes, std::size_t size) {
    AtomicFile file;
    return file.open(path) && file.write(bytes, size) && file.commit();
}
