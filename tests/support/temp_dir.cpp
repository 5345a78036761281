#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quarrik-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    m_path = made ? made : pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string TempDir::write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::path full = std::filesystem::path(m_path) / relative;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary);
    out << bytes;
    return full.string();
}
