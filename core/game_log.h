#pragma once

#include <string>

// The small text log "game.log". Every line is appended by reopening the file, so each line is
// on disk as soon as it is written, even if the program dies right after.
class GameLog {
  public:
    // Creates or truncates the file. On failure later writes do nothing.
    bool open(const std::string& path);
    // printf-style; a line feed is appended.
    void write(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void close();

    bool is_open() const { return m_ok; }
    const std::string& path() const { return m_path; }

  private:
    std::string m_path;
    bool m_ok = false;
};

// The process-wide log every subsystem writes to.
GameLog& game_log();
