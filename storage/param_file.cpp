#include "storage/param_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "storage/atomic_file.h"
#include "storage/scrambler.h"

namespace {

bool is_space(char c) {
    return c == '\t' || c == '\n' || c == '\r' || c == ' ';
}

// Comments go before tokenising, quotes or not, so "//" inside a quoted value cuts it too.
void blank_comments(std::string& text) {
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i - 1] == '/' && text[i] == '/') {
            std::size_t j = i - 1;
            while (j < text.size() && text[j] != '\n') {
                text[j++] = ' ';
            }
            i = j;
        }
    }
}

}  // namespace

void ParamFile::parse(std::string& text) {
    blank_comments(text);
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (true) {
        while (i < n && is_space(text[i])) {
            ++i;
        }
        std::size_t start = i;
        while (i < n && !is_space(text[i])) {
            ++i;
        }
        if (i == start) {
            return;
        }
        std::string key = text.substr(start, i - start);
        while (i < n && is_space(text[i])) {
            ++i;
        }
        std::string value;
        if (i < n && text[i] == '"') {
            start = ++i;
            while (i < n && text[i] != '"') {
                ++i;
            }
            value = text.substr(start, i - start);
            if (i < n) {
                ++i;
            }
        } else {
            start = i;
            while (i < n && !is_space(text[i])) {
                ++i;
            }
            value = text.substr(start, i - start);
        }
        m_pairs[std::move(key)] = std::move(value);
    }
}

bool ParamFile::load_memory(const void* data, std::size_t size, bool clear, std::string_view key) {
    std::string text;
    if (!key.empty()) {
        Scrambler::Bytes plain = Scrambler::unscramble(data, size, key);
        text.assign(plain.begin(), plain.end());
    } else if (size > 0) {
        text.assign(static_cast<const char*>(data), size);
    }
    if (clear) {
        m_pairs.clear();
    }
    parse(text);
    return true;
}

bool ParamFile::load_file(const std::string& path, bool clear, std::string_view key) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return false;
    }
    return load_memory(bytes.data(), bytes.size(), clear, key);
}

std::string ParamFile::to_text() const {
    std::string text;
    for (const auto& [key, value] : m_pairs) {
        text += key;
        text += ' ';
        // Quoting only on a space would write an empty value, or one holding a line break or
        // tab, in a form that reads back as different pairs.
        if (value.empty() || value.find_first_of(" \t\n\r") != std::string::npos) {
            text += '"';
            text += value;
            text += '"';
        } else {
            text += value;
        }
        text += '\n';
    }
    return text;
}

bool ParamFile::save(const std::string& path, std::string_view key) const {
    std::string text = to_text();
    if (key.empty()) {
        return write_file_atomically(path, text.data(), text.size());
    }
    Scrambler::Bytes block = Scrambler::scramble(text.data(), text.size(), key);
    return write_file_atomically(path, block.data(), block.size());
}

std::string ParamFile::get(const std::string& key, const std::string& fallback) const {
    auto it = m_pairs.find(key);
    return it == m_pairs.end() ? fallback : it->second;
}

void ParamFile::set_int(const std::string& key, int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%i", number);
    m_pairs[key] = text;
}

int ParamFile::to_int(const std::string& text) {
    errno = 0;
    long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

float ParamFile::to_float(const std::string& text) {
    return std::strtof(text.c_str(), nullptr);
}
