#include "script.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "platform/key_translation.h"

namespace {

struct Form {
    const char* word;
    StepKind kind;
    int numbers;      // how many whole numbers follow
    bool needs_text;  // the rest of the line is one text argument
};

const Form kForms[] = {
    {"ticks", StepKind::ticks, 1, false},
    {"key", StepKind::key, 1, false},
    {"hold", StepKind::hold, 1, false},
    {"release", StepKind::release, 1, false},
    {"type", StepKind::type, 0, true},
    {"move", StepKind::move, 2, false},
    {"click", StepKind::click, 2, false},
    {"seed", StepKind::seed, 1, false},
    {"shot", StepKind::shot, 0, true},
    {"state", StepKind::state, 0, false},
    {"assert_file", StepKind::assert_file, 0, true},
    {"assert_pixel", StepKind::assert_pixel, 6, false},
    {"signal", StepKind::signal, 1, false},
    {"pad", StepKind::pad, 0, true},
};

bool to_number(const std::string& word, long& out) {
    if (word.empty()) {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    out = std::strtol(word.c_str(), &end, 10);
    return errno == 0 && *end == '\0';
}

bool in_range(const Step& step) {
    auto all_within = [&step](long lo, long hi) {
        for (long n : step.numbers) {
            if (n < lo || n > hi) {
                return false;
            }
        }
        return true;
    };
    switch (step.kind) {
        case StepKind::key:
        case StepKind::hold:
        case StepKind::release:
            return all_within(0, 255);
        case StepKind::ticks:
            return all_within(0, 10000000);
        case StepKind::signal:
            return all_within(1, 31);
        case StepKind::assert_pixel:
            return all_within(-100000, 100000) && step.numbers[2] >= 0 && step.numbers[2] <= 255 &&
                   step.numbers[3] >= 0 && step.numbers[3] <= 255 && step.numbers[4] >= 0 &&
                   step.numbers[4] <= 255 && step.numbers[5] >= 0;
        default:
            return all_within(-100000, 100000);
    }
}

bool parse_line(const std::string& line, Step& step, std::string& why) {
    std::istringstream in(line);
    std::string word;
    in >> word;
    for (const Form& form : kForms) {
        if (word != form.word) {
            continue;
        }
        step.kind = form.kind;
        if (form.needs_text) {
            // The text starts after one separating space and runs to the end of the line.
            const size_t at = line.find(word) + word.size();
            step.text = at < line.size() ? line.substr(at + 1) : std::string();
            if (step.text.empty()) {
                why = "'" + word + "' needs a text";
                return false;
            }
            return true;
        }
        std::vector<std::string> args;
        for (std::string a; in >> a;) {
            args.push_back(a);
        }
        // A click may name a menu button instead of giving coordinates.
        if (form.kind == StepKind::click && args.size() == 1) {
            step.text = args[0];
            return true;
        }
        if (static_cast<int>(args.size()) != form.numbers) {
            why = "'" + word + "' takes " + std::to_string(form.numbers) + " numbers";
            return false;
        }
        for (const std::string& a : args) {
            long n = 0;
            if (!to_number(a, n)) {
                why = "'" + a + "' is not a whole number";
                return false;
            }
            step.numbers.push_back(n);
        }
        if (!in_range(step)) {
            why = "a number of '" + word + "' is out of range";
            return false;
        }
        // Keys are pressed as a keyboard would: a code that no key sends cannot be.
        const int code = step.numbers.empty() ? 0 : static_cast<int>(step.numbers[0]);
        if (step.kind == StepKind::key && sdl_keycode_from_vk(code) == 0) {
            why = "no key sends window key " + std::to_string(code);
            return false;
        }
        if ((step.kind == StepKind::hold || step.kind == StepKind::release) &&
            sdl_scancode_from_dik(code) == 0) {
            why = "no key has scan code " + std::to_string(code);
            return false;
        }
        return true;
    }
    why = "unknown step '" + word + "'";
    return false;
}

}  // namespace

bool parse_script(const std::string& source, std::vector<Step>& steps, std::string& error) {
    std::istringstream lines(source);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') {
            continue;
        }
        Step step;
        step.line = number;
        std::string why;
        if (!parse_line(line.substr(first), step, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
        steps.push_back(std::move(step));
    }
    return true;
}
