#include "storage/score_table.h"

#include <algorithm>
#include <string>

#include "storage/data_keys.h"
#include "storage/param_file.h"

namespace {

std::string indexed(const char* stem, int i) {
    return stem + std::to_string(i);
}

}  // namespace

int ScoreTable::rank_of(std::int32_t score) const {
    if (score == 0) {
        return -1;
    }
    int i = 0;
    while (i < static_cast<int>(m_entries.size()) && m_entries[i].score >= score) {
        ++i;
    }
    return i < kMaxEntries ? i : -1;
}

void ScoreTable::insert(const std::string& name, std::int32_t score) {
    auto at = std::find_if(m_entries.begin(), m_entries.end(),
                           [score](const ScoreEntry& e) { return e.score < score; });
    m_entries.insert(at, ScoreEntry{name, score});
    if (m_entries.size() > static_cast<std::size_t>(kMaxEntries)) {
        m_entries.resize(kMaxEntries);
    }
}

bool ScoreTable::save(const std::string& path) const {
    ParamFile file;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        file.set(indexed("name", static_cast<int>(i)), m_entries[i].name);
        file.set_int(indexed("score", static_cast<int>(i)), m_entries[i].score);
    }
    file.set_int("num", static_cast<int>(m_entries.size()));
    return file.save(path, kScoreKey);
}

bool ScoreTable::load(const std::string& path) {
    ParamFile file;
    if (!file.load_file(path, true, kScoreKey)) {
        return false;
    }
    m_entries.clear();
    // A damaged count must not make the game build millions of rows; the table never holds
    // more than seven.
    int count = std::clamp(ParamFile::to_int(file.get("num", "0")), 0, kMaxEntries);
    for (int i = 0; i < count; ++i) {
        m_entries.push_back(ScoreEntry{file.get(indexed("name", i), "0"),
                                       ParamFile::to_int(file.get(indexed("score", i), "0"))});
    }
    return true;
}
