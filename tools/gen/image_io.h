#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

using Bytes = std::vector<uint8_t>;

// Uncompressed true-colour TGA, rows stored bottom-up (the usual TGA order), 24 or 32 bits.
Bytes encode_tga(const Canvas& picture, bool alpha);
// Baseline JPEG through libjpeg; alpha is dropped. Returns an empty block on failure.
Bytes encode_jpeg(const Canvas& picture, int quality);
// RGBA PNG with stored (uncompressed) deflate blocks: large, but needs no compressor.
Bytes encode_png(const Canvas& picture);

// CRC-32 (as used by PNG and zip) and Adler-32 (as used by zlib streams).
uint32_t crc32_of(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t adler32_of(const uint8_t* data, size_t size);

// Writes the output tree. A file whose content is unchanged is not rewritten, so its
// modification time, and whatever is built from it, stays as it was.
class OutputTree {
  public:
    explicit OutputTree(std::string root) : m_root(std::move(root)) {}

    bool write(const std::string& relative_path, const Bytes& data);
    bool write_text(const std::string& relative_path, const std::string& text);

    int written() const { return m_written; }
    int unchanged() const { return m_unchanged; }
    bool ok() const { return m_ok; }
    const std::vector<std::string>& files() const { return m_files; }
    const std::string& root() const { return m_root; }

  private:
    std::string m_root;
    int m_written = 0;
    int m_unchanged = 0;
    bool m_ok = true;
    std::vector<std::string> m_files;
};

// Writes a whole file when its content differs; creates missing parent folders.
// Returns false on an I/O error; `changed` tells whether it was rewritten.
bool write_if_changed(const std::string& path, const Bytes& data, bool* changed);
