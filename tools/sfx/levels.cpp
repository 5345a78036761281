#include "tools/sfx/levels.h"

#include <algorithm>
#include <cstdio>

#include "sound/music_player.h"
#include "sound/sample_convert.h"
#include "sound/sound_bank.h"
#include "sound/wav_reader.h"

namespace levels {

namespace {

constexpr int kRate = SoundBank::output_rate;

double average_db(const std::vector<FileLevels>& files) {
    double sum = 0.0;
    for (const FileLevels& f : files)
        sum += f.figures.loudness;
    return files.empty() ? -120.0 : sum / static_cast<double>(files.size());
}

std::string base_name(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool levels_fail(std::string* error, const std::string& why) {
    if (error)
        *error = why;
    return false;
}

// The whole song as the game's player mixes it, at the default volume.
void render_track(MusicPlayer& player, std::vector<int16_t>* out) {
    out->clear();
    std::vector<int16_t> block(2 * 4096);
    while (player.is_playing()) {
        const int got = player.render(block.data(), 4096);
        if (got <= 0)
            break;
        out->insert(out->end(), block.begin(), block.begin() + 2 * got);
    }
}

}  // namespace

bool measure_game_audio(const std::string& game_dir, Report* out, std::string* error) {
    const std::string data_dir = game_dir + "/data";
    Report r;
    for (int i = 0; i < 12; ++i) {
        const std::string path = data_dir + "/" + SoundBank::effect_path(i);
        WaveFile wave;
        std::vector<int16_t> frames;
        if (!read_wave_file(path, wave) || !convert_wave(wave, kRate, frames))
            return levels_fail(error, "cannot read " + path);
        FileLevels f{base_name(path),
                     loudness::measure_pcm16(frames.data(), frames.size(), 2, kRate)};
        if (std::abs(f.figures.window_mean) > kOffsetLimit) {
            char line[128];
            std::snprintf(line, sizeof line, "%s: offset %+.3f over 20 ms", f.file.c_str(),
                          f.figures.window_mean);
            r.faults.push_back(line);
        }
        (i < 6 ? r.normal : r.classic).push_back(f);
    }

    MusicPlayer player;
    if (!player.init(nullptr, data_dir))
        return levels_fail(error, "the music player cannot start");
    player.set_volume(kDefaultMusicStep * MusicPlayer::volume_per_step);
    std::vector<int16_t> song;
    for (int i = 0; i < MusicPlayer::track_count; ++i) {
        if (i > 0)
            player.next_track();
        const std::string path = data_dir + "/" + MusicPlayer::track_path(i);
        if (!player.is_playing())
            return levels_fail(error, "cannot play " + path);
        render_track(player, &song);
        r.music.push_back(
            {base_name(path), loudness::measure_pcm16(song.data(), song.size(), 2, kRate)});
    }

    r.normal_db = average_db(r.normal);
    r.classic_db = average_db(r.classic);
    r.music_db = average_db(r.music);
    r.spread = std::max({r.normal_db, r.classic_db, r.music_db}) -
               std::min({r.normal_db, r.classic_db, r.music_db});
    if (r.spread > kSpreadLimit) {
        char line[128];
        std::snprintf(line, sizeof line, "spread %.1f dB over the limit of %.1f dB", r.spread,
                      kSpreadLimit);
        r.faults.push_back(line);
    }
    *out = std::move(r);
    return true;
}

std::string format_report(const Report& r) {
    std::string text =
        "file        mean    20 ms    peak   loudness (dB, K-weighted, sounding part)\n";
    char line[160];
    for (const auto* group : {&r.normal, &r.classic, &r.music})
        for (const FileLevels& f : *group) {
            std::snprintf(line, sizeof line, "%-9s %+7.4f %+7.3f %7.3f %8.1f\n", f.file.c_str(),
                          f.figures.mean, f.figures.window_mean, f.figures.peak,
                          f.figures.loudness);
            text += line;
        }
    std::snprintf(line, sizeof line,
                  "normal set %.1f dB, classic set %.1f dB, music %.1f dB (volume step %d of 6)\n"
                  "spread %.1f dB (limit %.1f)\n",
                  r.normal_db, r.classic_db, r.music_db, kDefaultMusicStep, r.spread, kSpreadLimit);
    text += line;
    for (const std::string& fault : r.faults)
        text += "FAULT: " + fault + "\n";
    return text;
}

}  // namespace levels
