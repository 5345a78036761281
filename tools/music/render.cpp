#include "tools/music/render.h"

#include <mikmod.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace music {

namespace {

// True if libmikmod's description of its registered loaders (or drivers) mentions `name`.
bool listed(char* (*info)(), const char* name) {
    char* text = info();
    const bool found = text && std::strstr(text, name) != nullptr;
    MikMod_free(text);
    return found;
}

// The driver and loader lists are process-wide in libmikmod, and a loader registered twice
// links its list into a loop (loading an unknown file then never returns). So only what is
// missing is registered, whoever else in the process (the game's player) came first.
void register_missing() {
    if (!listed(&MikMod_InfoDriver, "Nosound"))
        MikMod_RegisterDriver(&drv_nos);
    if (!listed(&MikMod_InfoLoader, "MOD ("))
        MikMod_RegisterLoader(&load_mod);
    if (!listed(&MikMod_InfoLoader, "XM ("))
        MikMod_RegisterLoader(&load_xm);
}

struct LibraryGuard {
    bool active = false;
    ~LibraryGuard() {
        if (active)
            MikMod_Exit();
    }
};

struct ModuleGuard {
    MODULE* module = nullptr;
    ~ModuleGuard() {
        if (!module)
            return;
        Player_Stop();
        Player_Free(module);
    }
};

bool render_fail(std::string* error, const std::string& why) {
    if (error)
        *error = why;
    return false;
}

}  // namespace

bool render_module(const std::string& path, double seconds, Rendering* out, std::string* error) {
    register_missing();
    md_mode = DMODE_16BITS | DMODE_STEREO | DMODE_SOFT_MUSIC | DMODE_INTERP;
    md_mixfreq = Rendering::kRate;
    md_device = 0;
    LibraryGuard library;
    if (MikMod_Init("") != 0)
        return render_fail(error, MikMod_strerror(MikMod_errno));
    library.active = true;

    ModuleGuard guard;
    guard.module = Player_Load(path.c_str(), 64, 0);
    if (!guard.module)
        return render_fail(error, path + ": " + MikMod_strerror(MikMod_errno));
    guard.module->loop = 0;
    md_volume = 128;
    md_musicvolume = 128;

    Rendering r;
    r.patterns = guard.module->numpat;
    r.positions = guard.module->numpos;
    Player_Start(guard.module);
    const size_t limit = static_cast<size_t>(std::max(0.0, seconds) * Rendering::kRate) * 2;
    std::vector<SBYTE> block(4096);
    r.samples.reserve(limit);
    while (r.samples.size() < limit) {
        if (!Player_Active()) {
            r.ended = true;
            break;
        }
        const size_t want = std::min(block.size(), (limit - r.samples.size()) * 2);
        const ULONG got = VC_WriteBytes(block.data(), static_cast<ULONG>(want));
        if (got == 0)
            break;
        const int16_t* pcm = reinterpret_cast<const int16_t*>(block.data());
        r.samples.insert(r.samples.end(), pcm, pcm + got / 2);
    }
    *out = std::move(r);
    return true;
}

Levels measure(const Rendering& r) {
    Levels l;
    l.seconds = static_cast<double>(r.samples.size()) / 2 / Rendering::kRate;
    if (r.samples.empty())
        return l;
    double sum = 0.0;
    size_t clipped = 0;
    int peak = 0;
    for (int16_t s : r.samples) {
        const int a = std::abs(static_cast<int>(s));
        peak = std::max(peak, a);
        if (a >= 32767)
            ++clipped;
        sum += static_cast<double>(s) * s;
    }
    l.peak = peak / 32768.0;
    l.rms = std::sqrt(sum / r.samples.size()) / 32768.0;
    l.clipped = static_cast<double>(clipped) / r.samples.size();
    return l;
}

}  // namespace music
