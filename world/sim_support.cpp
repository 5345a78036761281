#include "world/sim_support.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "world/world_run.h"

bool KeyScript::parse(const std::string& text, std::string* error) {
    m_steps.clear();
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        std::istringstream words(line);
        std::string word;
        if (!(words >> word) || word[0] == '#') {
            continue;
        }
        Step step{};
        std::vector<long> values;
        std::string rest = word;
        do {
            char* end = nullptr;
            const long v = std::strtol(rest.c_str(), &end, 10);
            if (end == rest.c_str() || *end != '\0') {
                if (error != nullptr) {
                    *error = "line " + std::to_string(number) + ": not a number: " + rest;
                }
                return false;
            }
            values.push_back(v);
        } while (words >> rest);
        if (values[0] < 0 || values[0] > 1000000000L) {
            if (error != nullptr) {
                *error = "line " + std::to_string(number) + ": bad tick";
            }
            return false;
        }
        step.tick = static_cast<int>(values[0]);
        for (size_t i = 1; i < values.size(); ++i) {
            if (values[i] >= 0 && values[i] <= 255) {
                step.keys.push_back(static_cast<int>(values[i]));
            }
        }
        m_steps.push_back(std::move(step));
    }
    std::stable_sort(m_steps.begin(), m_steps.end(),
                     [](const Step& a, const Step& b) { return a.tick < b.tick; });
    return true;
}

const std::vector<int>& KeyScript::held_at(int tick) const {
    const std::vector<int>* held = &m_none;
    for (const Step& step : m_steps) {
        if (step.tick > tick) {
            break;
        }
        held = &step.keys;
    }
    return *held;
}

int32_t ScriptedKeyboard::read_state(uint8_t* state256) {
    std::copy(m_keys.begin(), m_keys.end(), state256);
    return 0;
}

void ScriptedKeyboard::hold(const std::vector<int>& keys) {
    m_keys.fill(0);
    for (int k : keys) {
        if (k >= 0 && k < 256) {
            m_keys[static_cast<size_t>(k)] = 0x80;
        }
    }
}

namespace {
void append(std::string& out, const char* fmt, double a, double b) {
    char buf[96];
    std::snprintf(buf, sizeof buf, fmt, a, b);
    out += buf;
}
}  // namespace

std::string tick_json(int tick, WorldRun& run) {
    Runner& runner = run.runner();
    Playfield& field = run.field();
    std::string out = "{\"tick\":" + std::to_string(tick);
    append(out, ",\"runner\":{\"x\":%.3f,\"y\":%.3f", runner.pos().x, runner.pos().y);
    out += ",\"state\":" + std::to_string(runner.state());
    out += ",\"group\":" + std::to_string(runner.group());
    out += std::string(",\"dead\":") + (runner.dead() ? "true" : "false") + "}";
    out += ",\"score\":" + std::to_string(run.score() + runner.score());
    out += ",\"gold_left\":" + std::to_string(field.gold_left());
    out += ",\"exit_row\":" + std::to_string(field.exit_row());
    out += std::string(",\"complete\":") + (field.complete() ? "true" : "false");
    out += ",\"guards\":[";
    for (size_t i = 0; i < run.guards().size(); ++i) {
        const Guard& g = *run.guards()[i];
        if (i > 0) {
            out += ",";
        }
        append(out, "{\"x\":%.3f,\"y\":%.3f", g.pos().x, g.pos().y);
        out += ",\"move\":" + std::to_string(g.guard_move());
        out += ",\"target\":[" + std::to_string(g.target_cell().c) + "," +
               std::to_string(g.target_cell().r) + "]";
        out += std::string(",\"gold\":") + (g.is_carrying_gold() ? "true" : "false") + "}";
    }
    out += "]}";
    return out;
}
