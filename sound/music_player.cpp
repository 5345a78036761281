#include "sound/music_player.h"

#include <mikmod.h>

#include <algorithm>
#include <cstdio>

#include "core/game_log.h"
#include "core/user_paths.h"

namespace {

constexpr int mix_rate = 44100;
constexpr int max_voices = 64;

// A position jump (effect B) may name any position up to 255 and the player takes it as it is;
// a pattern break later in the same row then reads the order list at that position, past its
// end, and a damaged song crashed the mixing there. The list is widened so that every position
// a jump can name reads as the end of the song (the player's end marker, 0xFFFF).
bool widen_order_list(MODULE* module) {
    constexpr UWORD end_of_song = 0xFFFF;
    constexpr std::size_t count = 257;
    if (module->numpos >= count) {
        return true;
    }
    void* wider = MikMod_realloc(module->positions, count * sizeof(UWORD));
    if (!wider) {
        return false;
    }
    module->positions = static_cast<UWORD*>(wider);
    std::fill(module->positions + module->numpos, module->positions + count, end_of_song);
    return true;
}

// libmikmod keeps its drivers and loaders in global lists for the life of the process.
void register_once() {
    static bool done = false;
    if (done) {
        return;
    }
    // Only the silent driver: music is pulled with VC_WriteBytes and played through our own
    // output. Other drivers would open the sound card themselves.
    MikMod_RegisterDriver(&drv_nos);
    MikMod_RegisterLoader(&load_it);
    MikMod_RegisterLoader(&load_mod);
    MikMod_RegisterLoader(&load_xm);
    done = true;
}

bool g_library_in_use = false;

}  // namespace

MusicPlayer::~MusicPlayer() {
    free_module();
    if (m_library) {
        MikMod_Exit();
        g_library_in_use = false;
    }
}

std::string MusicPlayer::track_path(int index) {
    char name[32];
    const bool xm = index >= 4 && index <= 6;  // 005..007
    std::snprintf(name, sizeof name, "music/%03d.%s", index + 1, xm ? "xm" : "mod");
    return name;
}

bool MusicPlayer::init(MusicSink* output, const std::string& data_dir) {
    m_output = output;
    if (!m_library && !g_library_in_use) {
        // The mode and rate must be set before MikMod_Init, which reads them.
        md_mode = DMODE_16BITS | DMODE_STEREO | DMODE_SOFT_MUSIC | DMODE_INTERP;
        md_device = 0;
        md_mixfreq = mix_rate;
        register_once();
        if (MikMod_Init("") != 0) {
            game_log().write("Music: cannot start the player (%s)", MikMod_strerror(MikMod_errno));
        } else {
            m_library = true;
            g_library_in_use = true;
        }
    }
    std::string prefix = data_dir.empty() ? game_paths().data_dir : data_dir;
    if (!prefix.empty() && prefix.back() != '/') {
        prefix += '/';
    }
    m_tracks.clear();
    for (int i = 0; i < track_count; ++i) {
        m_tracks.push_back(prefix + track_path(i));
    }
    m_reported.assign(m_tracks.size(), false);
    m_current = -1;
    next_track();
    return m_library;
}

void MusicPlayer::free_module() {
    if (m_module) {
        Player_Stop();
        Player_Free(m_module);
        m_module = nullptr;
    }
}

void MusicPlayer::next_track() {
    start_next(true);
}

void MusicPlayer::start_next(bool cut) {
    if (m_tracks.empty()) {
        return;
    }
    m_current = m_current + 1 >= static_cast<int32_t>(m_tracks.size()) ? 0 : m_current + 1;
    free_module();
    if (cut && m_output) {
        m_output->drop_music();
    }
    if (m_library) {
        const std::string& path = m_tracks[m_current];
        m_module = Player_Load(path.c_str(), max_voices, 0);
        if (m_module && !widen_order_list(m_module)) {
            Player_Free(m_module);
            m_module = nullptr;
        }
        if (m_module) {
            // Play through once: a backward position jump must not restart the song.
            m_module->loop = 0;
            md_volume = 128;
            md_musicvolume = static_cast<UBYTE>(m_volume);
            Player_Start(m_module);
        } else if (!m_reported[m_current]) {
            m_reported[m_current] = true;
            game_log().write("Music: cannot load %s (%s)", path.c_str(),
                             MikMod_strerror(MikMod_errno));
        }
    }
    m_playing = true;
}

void MusicPlayer::stop() {
    m_playing = false;
    if (m_module) {
        Player_SetPosition(0);
    }
    free_module();
    if (m_output) {
        m_output->drop_music();
    }
}

bool MusicPlayer::is_playing() const {
    return m_module && Player_Active();
}

void MusicPlayer::set_volume(int v) {
    v = std::clamp(v, 0, 128);
    m_volume = v;
    md_musicvolume = static_cast<UBYTE>(v);
    if (v == 0) {
        stop();
    } else if (!is_playing()) {
        start_next(false);
    }
}

int MusicPlayer::render(int16_t* out, int frames) {
    if (frames <= 0) {
        return 0;
    }
    if (!m_library || !m_module) {
        std::fill(out, out + 2 * frames, int16_t{0});
        return frames;
    }
    // Never MikMod_Update: with the silent driver it mixes a large block into nothing and the
    // song jumps ahead.
    const ULONG bytes =
        VC_WriteBytes(reinterpret_cast<SBYTE*>(out), static_cast<ULONG>(frames) * 4);
    return static_cast<int>(bytes / 4);
}

void MusicPlayer::update() {
    if (!m_playing) {
        return;
    }
    if (!is_playing()) {
        // The song has ended: its last queued moments still play out before the next one.
        start_next(false);
        if (!is_playing()) {
            return;
        }
    }
    int wanted = m_output ? m_output->music_frames_wanted() : -1;
    const bool heard = wanted >= 0;
    if (!heard) {
        wanted = mix_rate * tick_ms / 1000;
    }
    if (wanted == 0) {
        return;
    }
    // Mixed in slices so that a song's end is caught within a few milliseconds, not after
    // the whole block has rung on past it.
    constexpr int slice = mix_rate / 100;
    m_scratch.resize(static_cast<size_t>(wanted) * 2);
    int made = 0;
    while (made < wanted && is_playing()) {
        made += render(m_scratch.data() + 2 * made, std::min(slice, wanted - made));
    }
    if (heard) {
        m_output->queue_music(m_scratch.data(), made);
    }
}

void MusicPlayer::tick(bool minimized, int music_volume_step) {
    if (minimized) {
        if (is_playing()) {
            stop();
        }
        return;
    }
    if (!is_playing() && music_volume_step > 0) {
        start_next(false);  // nothing is playing, so nothing queued needs cutting
    }
    set_volume(music_volume_step * volume_per_step);
    update();
}
