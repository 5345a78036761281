#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ScoreEntry {
    std::string name;
    std::int32_t score = 0;
};

// The best scores of one level set, highest first, at most seven. Stored as a scrambled
// parameter file: "name%i", "score%i" for each entry and "num", the entry count.
class ScoreTable {
  public:
    static constexpr int kMaxEntries = 7;

    // Where `score` would enter, or -1 when it does not qualify (0 never does; equal scores
    // go below the ones already there).
    int rank_of(std::int32_t score) const;
    // Adds the entry below those with equal or higher scores and drops what falls past seven.
    void insert(const std::string& name, std::int32_t score);

    bool save(const std::string& path) const;
    // Replaces the entries from the file; a file that cannot be read leaves them alone. The
    // file's order is kept; entries missing for its count read as name "0", score 0.
    bool load(const std::string& path);

    const std::vector<ScoreEntry>& entries() const { return m_entries; }
    void clear() { m_entries.clear(); }

  private:
    std::vector<ScoreEntry> m_entries;
};
