#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

// Key/value dictionary in the game's parameter text format, kept in byte-wise key order.
//
// Text: a stream of "key value" pairs separated by tab, line feed, carriage return or space.
// "//" starts a comment up to the line end (even inside quotes). A value is a bare token or a
// double-quoted run that may hold whitespace and line breaks (no escapes). A later duplicate
// key wins. Written form: "key value\n" per pair in key order, the value quoted when it holds
// whitespace or is empty (so it reads back as the same pair).
class ParamFile {
  public:
    using Map = std::map<std::string, std::string>;

    // Parses `size` bytes, unscrambling them first when `key` is not empty. With `clear` the
    // old pairs go first, else the new ones are merged over them. The caller's bytes are not
    // changed.
    bool load_memory(const void* data, std::size_t size, bool clear, std::string_view key = {});
    // False, leaving the pairs as they were, when the file cannot be read.
    bool load_file(const std::string& path, bool clear, std::string_view key = {});
    // Writes the written form, scrambled when `key` is not empty. The old file is replaced only
    // once the new one is wholly on disk.
    bool save(const std::string& path, std::string_view key = {}) const;
    // The written form, plain.
    std::string to_text() const;

    std::string get(const std::string& key, const std::string& fallback) const;
    void set(const std::string& key, const std::string& value) { m_pairs[key] = value; }
    void set_int(const std::string& key, int number);
    bool contains(const std::string& key) const { return m_pairs.count(key) != 0; }
    void clear() { m_pairs.clear(); }
    const Map& pairs() const { return m_pairs; }

    // A leading decimal integer (whitespace skipped, sign allowed), 0 when there is none;
    // values beyond the int range are clamped.
    static int to_int(const std::string& text);
    // A leading decimal number, 0 when there is none.
    static float to_float(const std::string& text);

  private:
    void parse(std::string& text);

    Map m_pairs;
};
