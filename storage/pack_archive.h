#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One file's bytes, or one directory record of the archive. A read result owns its block and
// frees it when it goes; directory records of an opened archive carry no data.
struct PackEntry {
    std::unique_ptr<std::uint8_t[]> data;
    std::uint32_t size = 0;
    // Absolute position of the data in the archive file (0 for a file read from disk).
    std::uint32_t offset = 0;
    // 'y' when the stored data is scrambled with the archive key, 'n' otherwise.
    char scrambled = 'n';

    const char* chars() const { return reinterpret_cast<const char*>(data.get()); }
    std::string_view text() const {
        return data ? std::string_view(chars(), size) : std::string_view();
    }
    bool empty() const { return size == 0; }
};

// The read-only data archive ("data/data.pk") with loose files on disk as the fallback, and
// the packing side of the same format.
//
// Layout, little-endian, no padding: "LB", u32 member count, then per member: u32 name length,
// the name (no terminator), u32 data size, flag byte ('y' scrambled, else plain), the data.
class PackArchive {
  public:
    // Longest member name the game's reader accepts.
    static constexpr std::size_t kMaxNameLength = 107;

    void set_key(std::string key) { m_key = std::move(key); }
    const std::string& key() const { return m_key; }

    // Reads the directory. A malformed directory stops at the first bad record and keeps the
    // members read before it. Returns false, leaving the directory alone, when the file cannot
    // be opened or does not start with "LB".
    bool open(const std::string& path);

    // The whole content of a member, unscrambled, or of the disk file `name` when no member
    // matches ('/' and '\\' are interchangeable in member names, letters are case-sensitive).
    // Neither gives an empty result, and a log line.
    PackEntry read_file(const std::string& name) const;

    // Archive building: appends a member from a disk file or from memory. False when the file
    // cannot be read or the name is empty or longer than kMaxNameLength.
    bool add_file(const std::string& disk_path, const std::string& member_name, bool scramble);
    bool add_memory(const std::string& member_name, const void* bytes, std::size_t size,
                    bool scramble);
    // Writes all members in order; the target is replaced only once the whole archive is on
    // disk. False on any failure.
    bool save(const std::string& path) const;

    std::size_t member_count() const { return m_entries.size(); }
    const std::string& member_name(std::size_t i) const { return m_names[i]; }
    const PackEntry& member(std::size_t i) const { return m_entries[i]; }
    // Index of the member `name` resolves to, or -1.
    long find(std::string_view name) const;
    const std::string& archive_path() const { return m_archive_path; }
    // Whether the last open read every member its header announces, each inside the file (a
    // cut or overwritten archive is not).
    bool complete() const { return m_complete; }
    void clear();

    // XOR stream of the member data; applying it twice restores the bytes.
    static void scramble_bytes(std::uint8_t* data, std::size_t size, std::string_view key);

  private:
    // The plain bytes of member i: from memory for added members, else from the archive.
    bool plain_bytes(std::size_t i, std::vector<std::uint8_t>& out) const;
    bool read_member(std::size_t i, PackEntry& out) const;

    std::vector<PackEntry> m_entries;
    std::vector<std::string> m_names;
    std::string m_archive_path;
    std::string m_key;
    bool m_complete = false;
};
