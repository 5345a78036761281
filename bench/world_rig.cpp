#include "bench/world_rig.h"

#include <cstdlib>
#include <string>

#include "bench/bench_support.h"
#include "core/user_paths.h"
#include "storage/data_keys.h"
#include "storage/param_file.h"
#include "world/cell.h"
#include "world/grid.h"
#include "world/playfield.h"

namespace bench {

namespace {

// The scan codes of the playing keys: down, left, right, up, fire.
constexpr int kPlayKeys[] = {208, 203, 205, 200, 57};

}  // namespace

const std::vector<int>& RandomKeys::next() {
    if (m_left == 0) {
        m_held.clear();
        for (int key : kPlayKeys) {
            if (draw() % 10 < 3) {
                m_held.push_back(key);
            }
        }
        m_left = static_cast<int>(1 + draw() % 20);
    }
    --m_left;
    return m_held;
}

uint32_t RandomKeys::draw() {
    m_state = m_state * 1664525u + 1013904223u;
    return m_state >> 8;
}

bool WorldRig::init() {
    archive.set_key(kPackKey);
    if (!enter_game_dir() || !archive.open(data_file("data.pk"))) {
        return false;
    }
    const PackEntry rules_text = archive.read_file("dat/zelm.txt");
    ParamFile rules;
    rules.load_memory(rules_text.data.get(), rules_text.size, true);
    params.load_rules(rules);
    auto device = std::make_unique<ScriptedKeyboard>();
    keys = device.get();
    keyboard.create(std::move(device));
    ctx = std::make_unique<WorldContext>(params, keyboard);
    ctx->read_file = [this](const std::string& name, std::vector<uint8_t>& out) {
        const PackEntry entry = archive.read_file(name);
        if (!entry.data) {
            return false;
        }
        out.assign(entry.data.get(), entry.data.get() + entry.size);
        return true;
    };
    run = std::make_unique<WorldRun>(*ctx);
    return true;
}

bool WorldRig::start(int set, int level) {
    params.m_game_kind = set;
    std::srand(static_cast<unsigned>(1000 * set + level));
    return run->start_level(level);
}

int open_holes(Playfield& field, int holes) {
    int opened = 0;
    for (int r = 1; r < kGridHeight - 1 && opened < holes; r += 2) {
        for (int c = 2 + r % 5; c < kGridWidth - 1 && opened < holes; c += 5) {
            const auto* brick = dynamic_cast<const BrickCell*>(field.cell_at(c, r));
            if (!brick || field.cell_at(c, r - 1)) {
                continue;
            }
            field.dig(field.cell_center(c - 1, r - 1), 1);
            if (brick->stage() != BrickCell::kClosed) {
                ++opened;
            }
        }
    }
    return opened;
}

void WorldRig::tick(const std::vector<int>& held) {
    keys->hold(held);
    keyboard.poll();
    run->tick();
}

}  // namespace bench
