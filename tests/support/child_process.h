#pragma once

// A program a test runs beside itself (the game, a tool), ended when the test is done with it;
// polling for what it leaves behind; and real X input for its window through xdotool.

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace test_support {

struct ChildSetup {
    using Env = std::vector<std::pair<std::string, std::string>>;
    ChildSetup(std::vector<std::string> program_and_args, Env changes = {},
               std::string output_file = "")
        : args(std::move(program_and_args)),
          env(std::move(changes)),
          output(std::move(output_file)) {}

    std::vector<std::string> args;  // args[0] is the program, looked up in PATH without a '/'
    // Changes to the test's environment: a value is set, an empty value removes the variable.
    Env env;
    std::string output;        // stdout and stderr go to this file; empty keeps the test's
    std::string error_output;  // when given, stderr goes here instead
    std::string work_dir;      // empty: the test's own
    int uid = -1;              // when root: run as this user and group, without other groups
};

class ChildProcess {
  public:
    explicit ChildProcess(const ChildSetup& setup);
    // A child still running is killed, so no test leaves a game behind.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return m_pid > 0 || m_ended; }
    pid_t pid() const { return m_pid; }
    bool running();
    void signal(int sig);
    // Waits up to `limit` for the end: the exit status, 128 + the signal that killed it, or -1
    // while it still runs.
    int wait_exit(std::chrono::milliseconds limit);
    // What became of it, for failure messages.
    std::string status();

  private:
    bool reap(bool block);

    pid_t m_pid = -1;
    bool m_ended = false;
    int m_exit = -1;
};

// Polls `ready` every 100 ms until it holds or `limit` has passed.
bool wait_for(const std::function<bool()>& ready, std::chrono::milliseconds limit);

// Runs xdotool on `display` with `args` and returns what it printed.
std::string xdotool(const std::string& display, const std::string& args);
// The windows on `display` that show (are mapped), as (id, name), the root window included.
std::vector<std::pair<std::string, std::string>> visible_windows(const std::string& display);
// The first showing window named exactly `name` on `display`, waited for up to `limit`; empty if
// none.
std::string wait_for_window(const std::string& display, const std::string& name,
                            std::chrono::milliseconds limit);
// Without a window manager nothing gives a window the keyboard focus: sets it and checks
// that it took.
bool focus_window(const std::string& display, const std::string& window,
                  std::chrono::milliseconds limit);

}  // namespace test_support
