#include "tools/music/mod_writer.h"

#include <algorithm>
#include <cstring>

namespace music {

namespace {

const uint16_t kPeriods[36] = {
    856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,  // C-1
    428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,  // C-2
    214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113,  // C-3
};

constexpr size_t kMaxSampleBytes = 65535 * 2;

void put_be16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
    out.push_back(static_cast<uint8_t>(v & 0xFF));
}

void put_mod_text(std::vector<uint8_t>& out, const std::string& text, size_t width) {
    for (size_t i = 0; i < width; ++i)
        out.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}

int8_t to_8bit(int16_t v) {
    const int rounded = (v + 128) >> 8;
    return static_cast<int8_t>(std::clamp(rounded, -128, 127));
}

// The 8-bit data as stored: even length, and a silent first word when the sample does not
// loop, because ProTracker keeps replaying that word after a one-shot sample ends.
std::vector<int8_t> sample_bytes(const Instrument& inst) {
    std::vector<int8_t> data;
    data.reserve(inst.samples.size() + 1);
    for (int16_t v : inst.samples)
        data.push_back(to_8bit(v));
    if (data.size() % 2)
        data.push_back(0);
    if (inst.loop_length == 0) {
        for (size_t i = 0; i < 2 && i < data.size(); ++i)
            data[i] = 0;
    }
    return data;
}

bool mod_fail(std::string* error, const std::string& why) {
    if (error)
        *error = why;
    return false;
}

// One cell's 4 bytes; `fx`/`fx_param` is the effect after volume was folded in.
void put_cell(std::vector<uint8_t>& out, uint8_t sample, uint16_t period, uint8_t fx,
              uint8_t fx_param) {
    out.push_back(static_cast<uint8_t>((sample & 0xF0) | ((period >> 8) & 0x0F)));
    out.push_back(static_cast<uint8_t>(period & 0xFF));
    out.push_back(static_cast<uint8_t>(((sample & 0x0F) << 4) | (fx & 0x0F)));
    out.push_back(fx_param);
}

}  // namespace

uint16_t mod_period(uint8_t note) {
    if (note < 37 || note > 72)
        return 0;
    return kPeriods[note - 37];
}

bool encode_mod(const Song& song, std::vector<uint8_t>* out, std::string* error) {
    const char* tag = nullptr;
    switch (song.channels) {
        case 4:
            tag = "M.K.";
            break;
        case 6:
            tag = "6CHN";
            break;
        case 8:
            tag = "8CHN";
            break;
        default:
            return mod_fail(error, "a module has 4, 6 or 8 channels");
    }
    if (song.instruments.size() > 31)
        return mod_fail(error, "more than 31 samples");
    if (song.order.empty() || song.order.size() > 128)
        return mod_fail(error, "1 to 128 positions");
    if (song.patterns.empty() || song.patterns.size() > 64)
        return mod_fail(error, "1 to 64 patterns");
    if (song.speed < 1 || song.speed > 31 || song.bpm < 32 || song.bpm > 255)
        return mod_fail(error, "speed 1..31 and tempo 32..255");
    for (uint8_t index : song.order)
        if (index >= song.patterns.size())
            return mod_fail(error, "position names a missing pattern");
    if (song.restart < 0 || song.restart >= static_cast<int>(song.order.size()))
        return mod_fail(error, "the restart position is not in the song");

    std::vector<std::vector<int8_t>> data;
    for (const Instrument& inst : song.instruments) {
        data.push_back(sample_bytes(inst));
        if (data.back().size() > kMaxSampleBytes)
            return mod_fail(error, inst.name + ": too long");
        if (inst.volume > 64)
            return mod_fail(error, inst.name + ": volume above 64");
        if (inst.loop_length != 0 && (inst.loop_start % 2 || inst.loop_length % 2 ||
                                      inst.loop_start + inst.loop_length > data.back().size()))
            return mod_fail(error, inst.name + ": loop must be whole words inside the sample");
    }

    std::vector<uint8_t> bytes;
    put_mod_text(bytes, song.title, 20);
    for (size_t i = 0; i < 31; ++i) {
        if (i >= song.instruments.size()) {
            put_mod_text(bytes, "", 22);
            put_be16(bytes, 0);
            bytes.push_back(0);
            bytes.push_back(0);
            put_be16(bytes, 0);
            put_be16(bytes, 1);
            continue;
        }
        const Instrument& inst = song.instruments[i];
        put_mod_text(bytes, inst.name, 22);
        put_be16(bytes, static_cast<uint32_t>(data[i].size() / 2));
        bytes.push_back(0);  // finetune
        bytes.push_back(inst.volume);
        put_be16(bytes, inst.loop_length ? inst.loop_start / 2 : 0);
        put_be16(bytes, inst.loop_length ? inst.loop_length / 2 : 1);
    }
    bytes.push_back(static_cast<uint8_t>(song.order.size()));
    bytes.push_back(static_cast<uint8_t>(song.restart));
    for (size_t i = 0; i < 128; ++i)
        bytes.push_back(i < song.order.size() ? song.order[i] : 0);
    bytes.insert(bytes.end(), tag, tag + 4);

    // Speed and tempo commands waiting for free effect slots on the first row played.
    std::vector<uint8_t> opening = {static_cast<uint8_t>(song.speed),
                                    static_cast<uint8_t>(song.bpm)};
    const size_t first = song.order[0];
    // Panning commands go on the first free row of their channel in the opening pattern.
    std::vector<int> pan_row(static_cast<size_t>(song.channels), -1);
    for (size_t ch = 0; ch < song.panning.size() && ch < pan_row.size(); ++ch) {
        for (int row = 1; row < kRows; ++row) {
            const Cell& c = song.patterns[first].at(row, static_cast<int>(ch));
            if (!c.has_effect() && c.volume == kNoVolume && c.note != kKeyOff) {
                pan_row[ch] = row;
                break;
            }
        }
    }
    for (size_t p = 0; p < song.patterns.size(); ++p) {
        const Pattern& pat = song.patterns[p];
        if (pat.channels != song.channels)
            return mod_fail(error, "pattern channel count differs");
        for (int row = 0; row < kRows; ++row) {
            for (int ch = 0; ch < pat.channels; ++ch) {
                const Cell& c = pat.at(row, ch);
                uint16_t period = 0;
                uint8_t fx = c.effect;
                uint8_t param = c.param;
                if (c.note == kKeyOff) {
                    if (c.has_effect())
                        return mod_fail(error, "key-off needs a free effect slot");
                    // A quick volume slide instead of a hard cut, which would click.
                    fx = kFxVolumeSlide;
                    param = 0x0C;
                } else if (c.note != kNoNote) {
                    period = mod_period(c.note);
                    if (period == 0)
                        return mod_fail(error, "note outside C-1..B-3");
                }
                if (c.instrument > song.instruments.size())
                    return mod_fail(error, "cell names a missing instrument");
                if (c.volume != kNoVolume) {
                    // A fresh note with its sample's own volume needs no command.
                    const bool implied = c.note != kNoNote && c.note != kKeyOff &&
                                         c.instrument != 0 &&
                                         song.instruments[c.instrument - 1].volume == c.volume;
                    if (!implied) {
                        if (c.has_effect() || c.note == kKeyOff)
                            return mod_fail(error, "volume and effect in one cell");
                        fx = kFxSetVolume;
                        param = std::min<uint8_t>(c.volume, 64);
                    }
                }
                if (p == first && pan_row[static_cast<size_t>(ch)] == row) {
                    fx = kFxPanning;
                    param = song.panning[static_cast<size_t>(ch)];
                }
                if (p == first && row == 0 && !opening.empty() && fx == 0 && param == 0) {
                    fx = kFxSetSpeed;
                    param = opening.front();
                    opening.erase(opening.begin());
                }
                put_cell(bytes, c.instrument, period, fx, param);
            }
        }
        if (p == first && !opening.empty())
            return mod_fail(error, "no free effect slots for the opening speed and tempo");
    }
    for (const auto& d : data) {
        for (int8_t v : d)
            bytes.push_back(static_cast<uint8_t>(v));
    }
    out->swap(bytes);
    return true;
}

}  // namespace music
