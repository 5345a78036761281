// quarrik-startup-probe: runs the real game and measures it from the outside.
//
//   quarrik-startup-probe GAME_DIR [--runs N] [--hold SECONDS] [--drive COMMAND]
//
// Each run starts GAME_DIR/quarrik with QUARRIK_TICK_STATS=1 (the window then logs its main
// menu's first frame and, at exit, a summary of the gaps between ticks) and reports:
//   menu_ms   time from just before exec until the log shows the main menu's first frame
//             (everything loaded: archive, layout, textures, fonts, sprites, sound effects);
//   cpu_ms    user and system time the game used in the whole run (with no --hold: start-up
//             and shutdown), which the machine's other load does not inflate;
//   rss_kb    peak resident size of the game process, from the kernel at its exit;
//   the log's tick summary line, when the run was held long enough to have ticks;
//   with --hold, a control: how often a plain thread of the probe, sleeping 30 ms at a time
//   meanwhile, woke more than 5 ms late (what the machine's load alone does to a timer).
// With --hold the game keeps running that many seconds after the menu shows; --drive runs a
// shell command (e.g. xdotool key presses) once the menu is up, with QUARRIK_PID set. The game
// is then closed with SIGTERM (the windowing library turns it into a normal close).
// Needs a display: run it under xvfb-run.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

#include "tools/tool_args.h"

namespace {

using Clock = std::chrono::steady_clock;

const char kMenuLine[] = "Tick stats: main menu first frame shown";
const char kSummaryPrefix[] = "Tick stats: ";

std::string read_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

double ms_since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The last "Tick stats:" line of the log that is not the menu line, or "".
std::string summary_line(const std::string& log) {
    std::istringstream lines(log);
    std::string line;
    std::string found;
    while (std::getline(lines, line)) {
        const auto at = line.find(kSummaryPrefix);
        if (at != std::string::npos && line.find(kMenuLine) == std::string::npos) {
            found = line.substr(at);
        }
    }
    return found;
}

struct RunResult {
    bool menu_seen = false;
    double menu_ms = 0.0;
    long rss_kb = 0;
    double cpu_ms = 0.0;  // user and system time of the whole run
    int exit_status = -1;
    std::string summary;
    long control_wakes = 0;
    long control_late = 0;
    double control_longest_ms = 0.0;
};

bool wait_child(pid_t pid, double timeout_ms, int& status, rusage& usage) {
    const Clock::time_point start = Clock::now();
    while (ms_since(start) < timeout_ms) {
        const pid_t r = wait4(pid, &status, WNOHANG, &usage);
        if (r == pid) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

RunResult run_once(const std::string& game_dir, double hold_s, const std::string& drive) {
    RunResult result;
    const std::string log_path = game_dir + "/game.log";
    const std::string exe = game_dir + "/quarrik";
    std::remove(log_path.c_str());

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return result;
    }
    if (pid == 0) {
        setenv("QUARRIK_TICK_STATS", "1", 1);
        execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
        std::perror("exec");
        _exit(127);
    }

    // The log is appended line by line with the file reopened each time, so polling sees each
    // line as soon as it is written.
    int status = 0;
    rusage usage{};
    bool exited = false;
    while (ms_since(start) < 30000.0) {
        if (read_text(log_path).find(kMenuLine) != std::string::npos) {
            result.menu_ms = ms_since(start);
            result.menu_seen = true;
            break;
        }
        if (wait4(pid, &status, WNOHANG, &usage) == pid) {
            exited = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }

    if (!exited) {
        if (result.menu_seen && !drive.empty()) {
            const std::string command = "QUARRIK_PID=" + std::to_string(pid) + " " + drive;
            if (std::system(command.c_str()) != 0) {
                std::fprintf(stderr, "startup-probe: the drive command failed\n");
            }
        }
        // Meanwhile a control: this thread wakes every 30 ms as the game's timer does, and its
        // late wake-ups show how much lateness the machine alone causes.
        const Clock::time_point shown = Clock::now();
        Clock::time_point last = shown;
        while (result.menu_seen && ms_since(shown) < hold_s * 1000.0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            const Clock::time_point now = Clock::now();
            const double gap_ms = std::chrono::duration<double, std::milli>(now - last).count();
            last = now;
            ++result.control_wakes;
            if (gap_ms > 35.0) {
                ++result.control_late;
            }
            result.control_longest_ms = std::max(result.control_longest_ms, gap_ms);
        }
        kill(pid, SIGTERM);
        if (!wait_child(pid, 10000.0, status, usage)) {
            std::fprintf(stderr, "startup-probe: the game did not close; killing it\n");
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
        }
    }
    result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.rss_kb = usage.ru_maxrss;
    result.cpu_ms = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
                    (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    result.summary = summary_line(read_text(log_path));
    return result;
}

constexpr char kUsage[] =
    "usage: quarrik-startup-probe GAME_DIR [--runs N] [--hold SECONDS] [--drive COMMAND]\n";

}  // namespace

int main(int argc, char** argv) {
    const ToolArgs args(argc, argv, kUsage,
                        {{"--runs", true}, {"--hold", true}, {"--drive", true}});
    if (args.done()) {
        return args.exit_code();
    }
    if (args.words().size() != 1) {
        return args.refuse();
    }
    const std::string game_dir = args.words()[0];
    const int runs = std::atoi(args.value("--runs", "1").c_str());
    const double hold_s = std::atof(args.value("--hold", "0").c_str());
    const std::string drive = args.value("--drive");
    if (runs < 1) {
        return args.refuse("--runs is at least 1");
    }

    int failures = 0;
    for (int r = 0; r < runs; ++r) {
        const RunResult result = run_once(game_dir, hold_s, drive);
        if (!result.menu_seen) {
            std::printf("run=%d menu=never exit=%d\n", r + 1, result.exit_status);
            ++failures;
            continue;
        }
        std::printf("run=%d menu_ms=%.1f cpu_ms=%.1f rss_kb=%ld exit=%d\n", r + 1, result.menu_ms,
                    result.cpu_ms, result.rss_kb, result.exit_status);
        if (!result.summary.empty()) {
            std::printf("run=%d %s\n", r + 1, result.summary.c_str());
        }
        if (result.control_wakes > 0) {
            std::printf(
                "run=%d control: %ld wake-ups, %ld late by more than 5 ms (%.2f%%), "
                "longest gap %.2f ms\n",
                r + 1, result.control_wakes, result.control_late,
                100.0 * result.control_late / result.control_wakes, result.control_longest_ms);
        }
        std::fflush(stdout);
    }
    return failures == 0 ? 0 : 1;
}
