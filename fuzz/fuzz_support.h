#pragma once
// Shared helpers of the fuzz targets: a scratch folder for readers that take a path, and a
// split of one input into several parts.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace fuzz {

// One scratch folder per process, in memory when /dev/shm exists so that the file writes stay
// cheap; removed at exit.
inline const std::string& scratch_dir() {
    static const std::string dir = [] {
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/quarrik-fuzz-XXXXXX";
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (!mkdtemp(buffer.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        static std::string made(buffer.data());
        std::atexit([] {
            const std::string command = "rm -rf '" + made + "'";
            if (std::system(command.c_str()) != 0) {
                std::fprintf(stderr, "could not remove %s\n", made.c_str());
            }
        });
        return made;
    }();
    return dir;
}

// Replaces the file `name` in the scratch folder (subfolders must exist) with the bytes.
inline std::string write_scratch(const std::string& name, const std::uint8_t* data,
                                 std::size_t size) {
    const std::string path = scratch_dir() + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        std::abort();
    }
    if (size > 0 && std::fwrite(data, 1, size, f) != size) {
        std::perror(path.c_str());
        std::abort();
    }
    std::fclose(f);
    return path;
}

// Cuts an input into parts at a two-byte little-endian length prefix each; the last part takes
// what is left. Lets one input carry, say, a ".spr" text and the sheet it names.
class Splitter {
  public:
    Splitter(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    // The next part; empty once the input is used up.
    std::vector<std::uint8_t> take() {
        if (m_size < 2) {
            return rest();
        }
        std::size_t n = m_data[0] | (std::size_t(m_data[1]) << 8);
        m_data += 2;
        m_size -= 2;
        if (n > m_size) {
            n = m_size;
        }
        std::vector<std::uint8_t> part(m_data, m_data + n);
        m_data += n;
        m_size -= n;
        return part;
    }
    std::vector<std::uint8_t> rest() {
        std::vector<std::uint8_t> part(m_data, m_data + m_size);
        m_data += m_size;
        m_size = 0;
        return part;
    }
    std::uint8_t byte() {
        if (m_size == 0) {
            return 0;
        }
        --m_size;
        return *m_data++;
    }

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

}  // namespace fuzz
