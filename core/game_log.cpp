#include "core/game_log.h"

#include <cstdarg>
#include <cstdio>

bool GameLog::open(const std::string& path) {
    m_path = path;
    std::FILE* f = std::fopen(path.c_str(), "w");
    m_ok = f != nullptr;
    if (f) {
        std::fclose(f);
    }
    return m_ok;
}

void GameLog::write(const char* format, ...) {
    if (!m_ok) {
        return;
    }
    std::FILE* f = std::fopen(m_path.c_str(), "a");
    if (!f) {
        return;
    }
    va_list args;
    va_start(args, format);
    std::vfprintf(f, format, args);
    va_end(args);
    std::fputc('\n', f);
    std::fclose(f);
}

void GameLog::close() {
    write("Closing Log");
}

GameLog& game_log() {
    static GameLog log;
    return log;
}
