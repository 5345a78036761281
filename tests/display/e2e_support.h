#pragma once

// Shared by the end-to-end scenarios: a private copy of the game directory, a run of
// quarrik-drive with its "state" lines, the screenshots it writes, the places of the dialog
// controls from the game's own layout file, and a private virtual display.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "storage/data_keys.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"
#include "support/temp_dir.h"
#include "ui/layout.h"

namespace e2e {

namespace fs = std::filesystem;

inline std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A copy of the built game directory (the executable too) without what a run leaves behind.
inline void copy_game(const std::string& to) {
    const fs::path from = fs::path(QUARRIK_GAME_DIR);
    fs::create_directories(fs::path(to) / "data");
    for (const auto& entry : fs::directory_iterator(from / "data")) {
        const std::string name = entry.path().filename().string();
        if (name == "dx.cfg" || name == "save.sav" || name == "scores1.tab" ||
            name == "scores2.tab") {
            continue;
        }
        fs::copy(entry.path(), fs::path(to) / "data" / name, fs::copy_options::recursive);
    }
    if (fs::exists(from / "quarrik")) {
        fs::copy(from / "quarrik", fs::path(to) / "quarrik");
    }
}

struct DriveResult {
    int status = -1;
    std::vector<std::string> states;  // the lines printed by "state"
    std::string errors;
};

// Runs quarrik-drive in `dir` on the game copy `dir`/game. `display`, when given, replaces
// DISPLAY for the run.
inline DriveResult drive(const TempDir& dir, const std::string& script,
                         const std::string& display = "") {
    const std::string script_path = dir.write("script.txt", script);
    const std::string out = dir.path() + "/out.txt";
    const std::string err = dir.path() + "/err.txt";
    std::string command = "cd '" + dir.path() + "' && ";
    if (!display.empty()) {
        command += "DISPLAY=" + display + " ";
    }
    command += "'" QUARRIK_TOOLS_DIR "/quarrik-drive' --game-dir game '" + script_path + "' >'" +
               out + "' 2>'" + err + "'";
    DriveResult result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::istringstream lines(read_file(out));
    for (std::string line; std::getline(lines, line);) {
        result.states.push_back(line);
    }
    result.errors = read_file(err);
    return result;
}

// "screen=play level=1 ..." as a map.
inline std::map<std::string, std::string> fields(const std::string& line) {
    std::map<std::string, std::string> out;
    std::istringstream words(line);
    for (std::string w; words >> w;) {
        const size_t eq = w.find('=');
        if (eq != std::string::npos) {
            out[w.substr(0, eq)] = w.substr(eq + 1);
        }
    }
    return out;
}

// An RGB picture read back from a driver screenshot.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    const uint8_t* at(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
    // Pixels of the rectangle that are not (nearly) black.
    int lit(int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const uint8_t* p = at(x, y);
                n += (p[0] + p[1] + p[2]) > 30;
            }
        }
        return n;
    }
    // Pixels of the rectangle that differ clearly from the same pixels of `other`.
    int changed(const Picture& other, int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const uint8_t* a = at(x, y);
                const uint8_t* b = other.at(x, y);
                n += std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) > 48;
            }
        }
        return n;
    }
};

inline uint32_t be32(const std::string& s, size_t at) {
    return (uint32_t(uint8_t(s[at])) << 24) | (uint32_t(uint8_t(s[at + 1])) << 16) |
           (uint32_t(uint8_t(s[at + 2])) << 8) | uint32_t(uint8_t(s[at + 3]));
}

// Reads the driver's PNG files: 8-bit RGB, unfiltered rows, deflate stored blocks. Anything
// else gives false.
inline bool read_picture(const std::string& path, Picture& out) {
    const std::string png = read_file(path);
    if (png.size() < 33 || png.compare(1, 3, "PNG") != 0) {
        return false;
    }
    std::string zdata;
    size_t at = 8;
    while (at + 12 <= png.size()) {
        const uint32_t size = be32(png, at);
        const std::string kind = png.substr(at + 4, 4);
        if (at + 12 + size > png.size()) {
            return false;
        }
        if (kind == "IHDR") {
            out.width = static_cast<int>(be32(png, at + 8));
            out.height = static_cast<int>(be32(png, at + 12));
            if (png[at + 16] != 8 || png[at + 17] != 2) {
                return false;
            }
        } else if (kind == "IDAT") {
            zdata += png.substr(at + 8, size);
        }
        at += 12 + size;
    }
    std::string raw;
    size_t z = 2;  // the zlib header
    for (bool last = false; !last;) {
        if (z + 5 > zdata.size() || (zdata[z] & 0x06) != 0) {
            return false;  // not a stored block
        }
        last = zdata[z] & 1;
        const size_t len = uint8_t(zdata[z + 1]) | (size_t(uint8_t(zdata[z + 2])) << 8);
        if (z + 5 + len > zdata.size()) {
            return false;
        }
        raw += zdata.substr(z + 5, len);
        z += 5 + len;
    }
    const size_t row = static_cast<size_t>(out.width) * 3;
    if (out.width <= 0 || out.height <= 0 || raw.size() != (row + 1) * out.height) {
        return false;
    }
    out.rgb.clear();
    for (int y = 0; y < out.height; ++y) {
        const size_t from = (row + 1) * y;
        if (raw[from] != 0) {
            return false;
        }
        out.rgb.insert(out.rgb.end(), raw.begin() + from + 1, raw.begin() + from + 1 + row);
    }
    return true;
}

// The layout file inside the built game's archive, as the game reads it.
inline ParamFile game_layout() {
    PackArchive archive;
    archive.set_key(kPackKey);
    archive.open(std::string(QUARRIK_GAME_DIR) + "/data/data.pk");
    ParamFile layout;
    const PackEntry text = archive.read_file("mui/menu.txt");
    layout.load_memory(text.data.get(), text.size, true);
    return layout;
}

// A point inside a dialog control, in 800x600 coordinates: the control's corner from the
// layout, moved by the dialog's corner ("m_cgd_") and a little inwards.
inline std::string inside(const ParamFile& layout, const std::string& dialog,
                          const std::string& control, int dx = 12, int dy = 12) {
    const LayoutRect rect = layout_rect(layout, dialog);
    const LayoutPoint p = layout_point_float(layout, control);
    return std::to_string(rect.x + static_cast<int>(p.x) + dx) + " " +
           std::to_string(rect.y + static_cast<int>(p.y) + dy);
}

// An X server of its own, `width` x `height`, for the life of the object: tests that change
// display modes or send real input must not share the display with other windows.
class PrivateDisplay {
  public:
    // `without`, when given, names an X extension the server leaves out ("GLX": no OpenGL).
    PrivateDisplay(int width, int height, const char* without = nullptr) {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
            if (without) {
                execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
                       "-nolisten", "tcp", "-extension", without, static_cast<char*>(nullptr));
            }
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // The server writes its display number once it accepts connections; a server that
        // says nothing within half a minute counts as not started.
        std::string number;
        pollfd ready{fds[0], POLLIN, 0};
        char c = 0;
        while (m_pid > 0 && poll(&ready, 1, 30000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        close(fds[0]);
        if (!number.empty()) {
            m_name = ":" + number;
        }
    }
    ~PrivateDisplay() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    PrivateDisplay(const PrivateDisplay&) = delete;
    PrivateDisplay& operator=(const PrivateDisplay&) = delete;

    // ":N", or empty when the server did not start.
    const std::string& name() const { return m_name; }

  private:
    pid_t m_pid = -1;
    std::string m_name;
};

// Each scenario plays in a fresh copy of the game directory, `dir`/game; the driver writes its
// screenshots into `dir`.
class GameCopyTest : public ::testing::Test {
  protected:
    void SetUp() override { copy_game(dir.path() + "/game"); }
    std::string game_file(const std::string& name) const { return dir.path() + "/game/" + name; }
    // A screenshot the driver wrote; an empty picture (and a failure) when it is missing or
    // not the size of the virtual screen, so loose comparisons on it are skipped.
    Picture shot(const std::string& name) const {
        Picture p;
        EXPECT_TRUE(read_picture(dir.path() + "/" + name, p)) << name;
        if (p.width != 800 || p.height != 600) {
            ADD_FAILURE() << name << " is " << p.width << "x" << p.height;
            p.width = p.height = 0;
        }
        return p;
    }
    TempDir dir;
};

}  // namespace e2e
