#include "core/version.h"

const char* game_version() {
    return QUARRIK_VERSION;
}
