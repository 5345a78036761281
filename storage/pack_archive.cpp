#include "storage/pack_archive.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "core/game_log.h"
#include "storage/atomic_file.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Opens a regular file for binary reading and reports its size; folders and devices fail.
File open_regular(const std::string& path, std::uint64_t& size) {
    File f(std::fopen(path.c_str(), "rb"));
    if (!f) {
        return nullptr;
    }
    struct stat st;
    if (::fstat(::fileno(f.get()), &st) != 0 || !S_ISREG(st.st_mode)) {
        return nullptr;
    }
    size = static_cast<std::uint64_t>(st.st_size);
    return f;
}

bool read_exact(std::FILE* f, void* out, std::size_t n) {
    return n == 0 || std::fread(out, 1, n, f) == n;
}

bool read_u32(std::FILE* f, std::uint32_t& value) {
    std::uint8_t b[4];
    if (!read_exact(f, b, 4)) {
        return false;
    }
    value = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    return true;
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// Whether `stored` with every `from` read as `to` equals `asked`, byte for byte.
bool equal_with_separator(std::string_view stored, std::string_view asked, char from, char to) {
    if (stored.size() != asked.size()) {
        return false;
    }
    for (std::size_t i = 0; i < stored.size(); ++i) {
        char c = stored[i] == from ? to : stored[i];
        if (c != asked[i]) {
            return false;
        }
    }
    return true;
}

bool valid_member_name(const std::string& name) {
    return !name.empty() && name.size() <= PackArchive::kMaxNameLength;
}

}  // namespace

void PackArchive::scramble_bytes(std::uint8_t* data, std::size_t size, std::string_view key) {
    const std::size_t len = key.size();
    if (len == 0 || size == 0) {
        return;
    }
    std::int32_t sum = 0;
    for (char c : key) {
        sum += static_cast<std::int8_t>(c);
    }
    // Both passes are XORs with a table each, so one combined table does the same job.
    std::vector<std::uint8_t> table(len, 0);
    for (int pass = 0; pass < 2; ++pass) {
        std::int32_t a = static_cast<std::int8_t>(key[pass % len]);
        for (std::size_t j = 0; j < len; ++j) {
            std::int32_t at = static_cast<std::int8_t>(key[j]) + sum + pass * a;
            table[j] ^= static_cast<std::uint8_t>(key[static_cast<std::uint32_t>(at) % len]);
        }
    }
    for (std::size_t j = 0; j < size; ++j) {
        data[j] ^= table[j % len];
    }
}

void PackArchive::clear() {
    m_entries.clear();
    m_names.clear();
}

bool PackArchive::open(const std::string& path) {
    std::uint64_t file_size = 0;
    File f = open_regular(path, file_size);
    if (!f) {
        return false;
    }
    char magic[2];
    if (!read_exact(f.get(), magic, 2) || magic[0] != 'L' || magic[1] != 'B') {
        game_log().write("Not a data archive: %s", path.c_str());
        return false;
    }
    m_archive_path = path;
    clear();
    m_complete = false;
    std::uint32_t count = 0;
    if (!read_u32(f.get(), count)) {
        game_log().write("Archive %s: truncated header", path.c_str());
        return true;
    }
    std::uint64_t pos = 6;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t name_length = 0;
        char name[kMaxNameLength + 1];
        std::uint32_t size = 0;
        char flag = 'n';
        if (!read_u32(f.get(), name_length) || name_length > kMaxNameLength ||
            !read_exact(f.get(), name, name_length) || !read_u32(f.get(), size) ||
            !read_exact(f.get(), &flag, 1)) {
            game_log().write("Archive %s: bad record %u, directory cut there", path.c_str(), i);
            break;
        }
        pos += 4 + name_length + 4 + 1;
        if (pos + size > file_size || pos > UINT32_MAX) {
            game_log().write("Archive %s: member %u runs past the end", path.c_str(), i);
            break;
        }
        PackEntry entry;
        entry.size = size;
        entry.offset = static_cast<std::uint32_t>(pos);
        entry.scrambled = flag == 'y' ? 'y' : 'n';
        m_entries.push_back(std::move(entry));
        m_names.emplace_back(name, name_length);
        pos += size;
        if (std::fseek(f.get(), static_cast<long>(pos), SEEK_SET) != 0) {
            break;
        }
    }
    m_complete = m_entries.size() == count;
    return true;
}

long PackArchive::find(std::string_view name) const {
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        // The plain comparison only adds names that mix both separators, which neither
        // rewritten form can equal.
        if (m_names[i] == name || equal_with_separator(m_names[i], name, '/', '\\') ||
            equal_with_separator(m_names[i], name, '\\', '/')) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

bool PackArchive::read_member(std::size_t i, PackEntry& out) const {
    const PackEntry& member = m_entries[i];
    out = PackEntry();
    out.size = member.size;
    out.offset = member.offset;
    out.scrambled = member.scrambled;
    if (member.size == 0) {
        return true;
    }
    out.data = std::make_unique<std::uint8_t[]>(member.size);
    if (member.data) {
        // Added but not saved yet: kept plain in memory.
        std::memcpy(out.data.get(), member.data.get(), member.size);
        return true;
    }
    std::uint64_t file_size = 0;
    File f = open_regular(m_archive_path, file_size);
    if (!f || std::fseek(f.get(), static_cast<long>(member.offset), SEEK_SET) != 0 ||
        !read_exact(f.get(), out.data.get(), member.size)) {
        out = PackEntry();
        return false;
    }
    if (member.scrambled == 'y') {
        scramble_bytes(out.data.get(), member.size, m_key);
    }
    return true;
}

PackEntry PackArchive::read_file(const std::string& name) const {
    PackEntry result;
    long index = find(name);
    if (index >= 0) {
        if (!read_member(static_cast<std::size_t>(index), result)) {
            game_log().write("Cannot read %s from %s", name.c_str(), m_archive_path.c_str());
        }
        return result;
    }
    std::uint64_t size = 0;
    File f = open_regular(name, size);
    if (!f || size > UINT32_MAX) {
        game_log().write("File not found: %s", name.c_str());
        return result;
    }
    result.size = static_cast<std::uint32_t>(size);
    if (size > 0) {
        result.data = std::make_unique<std::uint8_t[]>(size);
        if (!read_exact(f.get(), result.data.get(), result.size)) {
            game_log().write("Cannot read %s", name.c_str());
            return PackEntry();
        }
    }
    return result;
}

bool PackArchive::add_memory(const std::string& member_name, const void* bytes, std::size_t size,
                             bool scramble) {
    if (!valid_member_name(member_name) || size > UINT32_MAX) {
        return false;
    }
    PackEntry entry;
    entry.size = static_cast<std::uint32_t>(size);
    entry.scrambled = scramble ? 'y' : 'n';
    // Even an empty member gets a block, which marks it as held in memory.
    entry.data = std::make_unique<std::uint8_t[]>(size > 0 ? size : 1);
    if (size > 0) {
        std::memcpy(entry.data.get(), bytes, size);
    }
    m_entries.push_back(std::move(entry));
    m_names.push_back(member_name);
    return true;
}

bool PackArchive::add_file(const std::string& disk_path, const std::string& member_name,
                           bool scramble) {
    std::uint64_t size = 0;
    File f = open_regular(disk_path, size);
    if (!f || size > UINT32_MAX) {
        return false;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!read_exact(f.get(), bytes.data(), bytes.size())) {
        return false;
    }
    return add_memory(member_name, bytes.data(), bytes.size(), scramble);
}

bool PackArchive::plain_bytes(std::size_t i, std::vector<std::uint8_t>& out) const {
    PackEntry entry;
    if (!read_member(i, entry)) {
        return false;
    }
    out.assign(entry.data.get(), entry.data.get() + entry.size);
    return true;
}

bool PackArchive::save(const std::string& path) const {
    std::vector<std::uint8_t> head{'L', 'B'};
    put_u32(head, static_cast<std::uint32_t>(m_entries.size()));
    AtomicFile file;
    if (!file.open(path) || !file.write(head.data(), head.size())) {
        return false;
    }
    std::uint64_t pos = head.size();
    std::vector<std::uint8_t> record;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const std::string& name = m_names[i];
        const PackEntry& entry = m_entries[i];
        if (!valid_member_name(name) || !plain_bytes(i, bytes)) {
            return false;
        }
        record.clear();
        put_u32(record, static_cast<std::uint32_t>(name.size()));
        record.insert(record.end(), name.begin(), name.end());
        put_u32(record, entry.size);
        record.push_back(static_cast<std::uint8_t>(entry.scrambled == 'y' ? 'y' : 'n'));
        if (entry.scrambled == 'y') {
            scramble_bytes(bytes.data(), bytes.size(), m_key);
        }
        pos += record.size() + bytes.size();
        // Offsets are 32-bit; a bigger archive could not be read back.
        if (pos > UINT32_MAX || !file.write(record.data(), record.size()) ||
            !file.write(bytes.data(), bytes.size())) {
            return false;
        }
    }
    return file.commit();
}
