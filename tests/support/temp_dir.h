#pragma once

#include <string>

// A fresh directory under /tmp, removed with everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    // Writes a file (creating parent folders) below the directory; returns its full path.
    std::string write(const std::string& relative, const std::string& bytes) const;

  private:
    std::string m_path;
};
