#pragma once

#include <cstddef>
#include <string>

// Replaces a file only once its new content is wholly on disk: the bytes go to a uniquely
// named temporary file in the same folder, which is flushed and then renamed over the target.
// A crash or a full disk mid-write leaves either the old file or the new one, never a part.
class AtomicFile {
  public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file beside `path`.
    bool open(const std::string& path);
    bool write(const void* bytes, std::size_t size);
    // Flushes, renames over the target and syncs the folder. Without a successful commit the
    // temporary file is removed and the target stays as it was.
    bool commit();

  private:
    void discard();

    std::string m_path;
    std::string m_temp_path;
    int m_fd = -1;
    bool m_failed = false;
};

// Writes a whole file through AtomicFile.
bool write_file_atomically(const std::string& path, const void* bytes, std::size_t size);
