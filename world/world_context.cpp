#include "world/world_context.h"

#include "world/rules.h"

void WorldContext::play(int event, bool restart, bool stop_first) const {
    const int index = sound_classic ? event + kClassicOffset : event;
    if (sound_log != nullptr) {
        sound_log->push_back(index);
    }
    if (sound != nullptr) {
        sound->play(index, restart, stop_first);
    }
}
