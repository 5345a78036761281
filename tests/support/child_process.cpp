#include "support/child_process.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <sstream>
#include <thread>

extern char** environ;

namespace test_support {

namespace {

std::vector<std::string> child_environment(const ChildSetup& setup) {
    std::vector<std::string> out;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        bool changed = false;
        for (const auto& change : setup.env) {
            changed = changed || change.first == name;
        }
        if (!changed) {
            out.push_back(entry);
        }
    }
    for (const auto& change : setup.env) {
        if (!change.second.empty()) {
            out.push_back(change.first + "=" + change.second);
        }
    }
    return out;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (std::string& s : strings) {
        out.push_back(s.data());
    }
    out.push_back(nullptr);
    return out;
}

}  // namespace

ChildProcess::ChildProcess(const ChildSetup& setup) {
    if (setup.args.empty()) {
        return;
    }
    // Everything the child needs is made before the fork: after it only system calls run.
    std::vector<std::string> args = setup.args;
    std::vector<std::string> env = child_environment(setup);
    std::vector<char*> argv = pointers(args);
    std::vector<char*> envp = pointers(env);
    const bool as_user = setup.uid >= 0 && geteuid() == 0;
    m_pid = fork();
    if (m_pid != 0) {
        return;
    }
    if (!setup.output.empty()) {
        const int out = open(setup.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(out, 2);
    }
    if (!setup.error_output.empty()) {
        dup2(open(setup.error_output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
    }
    if (!setup.work_dir.empty() && chdir(setup.work_dir.c_str()) != 0) {
        _exit(126);
    }
    if (as_user &&
        (setgroups(0, nullptr) != 0 || setgid(setup.uid) != 0 || setuid(setup.uid) != 0)) {
        _exit(126);
    }
    execvpe(argv[0], argv.data(), envp.data());
    _exit(127);
}

ChildProcess::~ChildProcess() {
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        reap(true);
    }
}

bool ChildProcess::reap(bool block) {
    int raw = 0;
    if (m_pid <= 0 || waitpid(m_pid, &raw, block ? 0 : WNOHANG) != m_pid) {
        return false;
    }
    m_pid = -1;
    m_ended = true;
    m_exit = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    return true;
}

bool ChildProcess::running() {
    reap(false);
    return m_pid > 0;
}

void ChildProcess::signal(int sig) {
    if (m_pid > 0) {
        kill(m_pid, sig);
    }
}

int ChildProcess::wait_exit(std::chrono::milliseconds limit) {
    wait_for([this] { return !running(); }, limit);
    return m_ended ? m_exit : -1;
}

std::string ChildProcess::status() {
    if (running()) {
        return "still running";
    }
    if (!m_ended) {
        return "not started";
    }
    return m_exit > 128 ? "killed by signal " + std::to_string(m_exit - 128)
                        : "exited with " + std::to_string(m_exit);
}

bool wait_for(const std::function<bool()>& ready, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (ready()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return ready();
}

std::string xdotool(const std::string& display, const std::string& args) {
    // A busy X server refuses a connection now and then: such a run is made again, so a key
    // press or a search is not lost to it.
    const std::string errors = "/tmp/quarrik-xdotool-" + std::to_string(getpid()) + ".err";
    const std::string command = "DISPLAY=" + display + " xdotool " + args + " 2>'" + errors + "'";
    std::string out;
    for (int attempt = 0; attempt < 5; ++attempt) {
        out.clear();
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[256];
            while (std::fgets(buffer, sizeof buffer, pipe)) {
                out += buffer;
            }
            pclose(pipe);
        }
        std::string said;
        if (FILE* err = std::fopen(errors.c_str(), "r")) {
            char buffer[256];
            while (std::fgets(buffer, sizeof buffer, err)) {
                said += buffer;
            }
            std::fclose(err);
        }
        if (said.find("open display") == std::string::npos) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::remove(errors.c_str());
    return out;
}

std::vector<std::pair<std::string, std::string>> visible_windows(const std::string& display) {
    // Every window, then each one's name: "search --name" misses the windows whose name SDL
    // sets as UTF-8 text only (its message box).
    std::vector<std::pair<std::string, std::string>> out;
    std::istringstream ids(xdotool(display, "search --onlyvisible --classname '.*'"));
    for (std::string id; std::getline(ids, id);) {
        std::string name = xdotool(display, "getwindowname " + id);
        if (!name.empty() && name.back() == '\n') {
            name.pop_back();
        }
        out.emplace_back(id, name);
    }
    return out;
}

std::string wait_for_window(const std::string& display, const std::string& name,
                            std::chrono::milliseconds limit) {
    // One connection a poll (the names of all showing windows); the ids only once the name
    // is there. A busy X server refuses connections now and then when many come at once.
    std::string window;
    wait_for(
        [&] {
            const std::string names =
                "\n" + xdotool(display, "search --onlyvisible --classname '.*' getwindowname %@");
            if (names.find("\n" + name + "\n") == std::string::npos) {
                return false;
            }
            for (const auto& [id, shown] : visible_windows(display)) {
                if (shown == name) {
                    window = id;
                }
            }
            return !window.empty();
        },
        limit);
    return window;
}

bool focus_window(const std::string& display, const std::string& window,
                  std::chrono::milliseconds limit) {
    return wait_for(
        [&] {
            xdotool(display, "windowfocus " + window);
            const std::string focus = xdotool(display, "getwindowfocus");
            return focus.substr(0, focus.find('\n')) == window;
        },
        limit);
}

}  // namespace test_support
