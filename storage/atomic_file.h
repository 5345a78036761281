#pragma once

#include <cstddef>
#include <string>

// Replaces a file only once its new content is wholly on disk: the bytes go to a uniquely
// named temporary file in the same folder, which is flushed and then renamed over the target.
// A crash or a full disk mid-write leaves either the old file or the new one, never a part.
//
// Two set-ups need more than that. A symbolic link is written through: the file it points at
// is replaced and the link stays. A folder the player cannot write into may still hold files
// he can write (a Top 7 shared between users): then the target is rewritten in place, with
// its room reserved before the first byte changes and the new length set only after the
// whole content is written.
class AtomicFile {
  public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file beside the target (or, failing that, prepares to write the
    // target in place).
    bool open(const std::string& path);
    bool write(const void* bytes, std::size_t size);
    // Flushes, renames over the target and syncs the folder. Without a successful commit the
    // temporary file is removed and the target stays as it was.
    bool commit();
    // The errno of the first failure, 0 while nothing failed.
    int error() const { return m_error; }
    // True when the target is being written in place.
    bool in_place() const { return m_in_place; }

  private:
    bool fail(int error);
    bool commit_in_place();
    void discard();

    std::string m_path;
    std::string m_temp_path;
    std::string m_buffer;  // the new content of an in-place write
    int m_fd = -1;
    int m_error = 0;
    bool m_in_place = false;
};

// Writes a whole file through AtomicFile. On failure errno tells why (ENOSPC, EACCES ...).
bool write_file_atomically(const std::string& path, const void* bytes, std::size_t size);

// The file a path names once symbolic links are followed (the path itself when it is none).
std::string resolve_links(const std::string& path);

// Removes the temporary files a killed save of `path` left behind (our own naming only:
// "<name>.tmp-" and six letters or digits, beside the file the path resolves to). Returns how
// many went.
int remove_stale_temp_files(const std::string& path);
