#pragma once

// The command line of every quarrik tool, read one way. Options come from a fixed list, each
// with or without a value ("--key K" or "--key=K"); every other word is kept in order (a
// command, files, folders). "--help" or "-h" anywhere prints the usage on stdout and the tool
// ends with 0; an unknown option, or an option without its value, prints the problem and the
// usage on stderr and the tool ends with 2. A word that starts with '-' is never taken as a
// file, a folder or an option's value: only "-" itself, negative numbers and everything after
// "--" are plain words.

#include <cctype>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

struct ToolOption {
    std::string name;  // with its dashes: "--key"
    bool takes_value = false;
};

struct ToolArg {
    std::string name;
    std::string value;
};

class ToolArgs {
  public:
    ToolArgs(int argc, char** argv, std::string usage, std::vector<ToolOption> known)
        : m_usage(std::move(usage)) {
        for (int i = 1; i < argc && std::string(argv[i]) != "--"; ++i) {
            const std::string arg = argv[i];
            if (arg == "--help" || arg == "-h") {
                m_exit = help();
                m_done = true;
                return;
            }
        }
        bool words_only = false;
        for (int i = 1; i < argc && !m_done; ++i) {
            const std::string arg = argv[i];
            if (words_only || !option_like(arg)) {
                m_words.push_back(arg);
            } else if (arg == "--") {
                words_only = true;
            } else {
                read_option(arg, known, i + 1 < argc ? argv[i + 1] : nullptr, i);
            }
        }
    }

    // The tool must end now with exit_code(): the usage was asked for or the line refused.
    bool done() const { return m_done; }
    int exit_code() const { return m_exit; }
    // Options in the order given, values included.
    const std::vector<ToolArg>& options() const { return m_options; }
    // Everything that is not an option, in order.
    const std::vector<std::string>& words() const { return m_words; }
    bool has(const std::string& name) const {
        for (const ToolArg& a : m_options) {
            if (a.name == name) {
                return true;
            }
        }
        return false;
    }
    // The value given last for the option, else `fallback`.
    std::string value(const std::string& name, const std::string& fallback = {}) const {
        std::string found = fallback;
        for (const ToolArg& a : m_options) {
            if (a.name == name) {
                found = a.value;
            }
        }
        return found;
    }
    // Refuses the line: the problem (if any) and the usage on stderr; returns 2.
    int refuse(const std::string& problem = {}) const {
        if (!problem.empty()) {
            std::fprintf(stderr, "%s\n", problem.c_str());
        }
        std::fputs(m_usage.c_str(), stderr);
        return 2;
    }

  private:
    static bool option_like(const std::string& arg) {
        return arg.size() > 1 && arg[0] == '-' && !std::isdigit(static_cast<unsigned char>(arg[1]));
    }

    int help() const {
        std::fputs(m_usage.c_str(), stdout);
        return 0;
    }

    void read_option(const std::string& arg, const std::vector<ToolOption>& known, const char* next,
                     int& i) {
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        for (const ToolOption& option : known) {
            if (option.name != name) {
                continue;
            }
            if (!option.takes_value) {
                if (equals != std::string::npos) {
                    fail(name + " takes no value");
                } else {
                    m_options.push_back({name, {}});
                }
            } else if (equals != std::string::npos) {
                m_options.push_back({name, arg.substr(equals + 1)});
            } else if (next && !option_like(next)) {
                m_options.push_back({name, next});
                ++i;
            } else {
                fail(name + " needs a value");
            }
            return;
        }
        fail("unknown option " + arg);
    }

    void fail(const std::string& problem) {
        m_exit = refuse(problem);
        m_done = true;
    }

    std::string m_usage;
    std::vector<ToolArg> m_options;
    std::vector<std::string> m_words;
    bool m_done = false;
    int m_exit = 0;
};
