#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

inline std::string to_hex(const std::uint8_t* data, std::size_t size) {
    std::string out;
    char byte[3];
    for (std::size_t i = 0; i < size; ++i) {
        std::snprintf(byte, sizeof byte, "%02x", data[i]);
        out += byte;
    }
    return out;
}

inline std::string to_hex(const std::vector<std::uint8_t>& bytes) {
    return to_hex(bytes.data(), bytes.size());
}

inline std::string as_string(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Archive bytes written by hand, independently of PackArchive::save.
inline std::string le32(std::uint32_t v) {
    std::string out;
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((v >> (8 * i)) & 0xff);
    }
    return out;
}

inline std::string pack_record(const std::string& name, const std::string& stored, char flag) {
    return le32(static_cast<std::uint32_t>(name.size())) + name +
           le32(static_cast<std::uint32_t>(stored.size())) + flag + stored;
}

inline std::string pack_header(std::uint32_t count) {
    return "LB" + le32(count);
}
