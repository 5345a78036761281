#include "tools/music/xm_writer.h"

namespace music {

namespace {

constexpr uint32_t kInstrumentHeaderSize = 263;
constexpr uint32_t kSampleHeaderSize = 40;

void put8(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
}

void put16(std::vector<uint8_t>& out, uint32_t v) {
    put8(out, v & 0xFF);
    put8(out, (v >> 8) & 0xFF);
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void put_xm_text(std::vector<uint8_t>& out, const std::string& text, size_t width) {
    for (size_t i = 0; i < width; ++i)
        out.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}

bool xm_fail(std::string* error, const std::string& why) {
    if (error)
        *error = why;
    return false;
}

void put_pattern(std::vector<uint8_t>& out, const Pattern& pat) {
    std::vector<uint8_t> packed;
    for (int row = 0; row < kRows; ++row) {
        for (int ch = 0; ch < pat.channels; ++ch) {
            const Cell& c = pat.at(row, ch);
            uint8_t flags = 0x80;
            if (c.note != kNoNote)
                flags |= 0x01;
            if (c.instrument != 0)
                flags |= 0x02;
            if (c.volume != kNoVolume)
                flags |= 0x04;
            if (c.effect != 0)
                flags |= 0x08;
            if (c.param != 0)
                flags |= 0x10;
            packed.push_back(flags);
            if (flags & 0x01)
                packed.push_back(c.note);
            if (flags & 0x02)
                packed.push_back(c.instrument);
            if (flags & 0x04)
                packed.push_back(static_cast<uint8_t>(0x10 + c.volume));
            if (flags & 0x08)
                packed.push_back(c.effect);
            if (flags & 0x10)
                packed.push_back(c.param);
        }
    }
    put32(out, 9);
    put8(out, 0);
    put16(out, kRows);
    put16(out, static_cast<uint32_t>(packed.size()));
    out.insert(out.end(), packed.begin(), packed.end());
}

void put_instrument(std::vector<uint8_t>& out, const Instrument& inst) {
    const size_t start = out.size();
    put32(out, kInstrumentHeaderSize);
    put_xm_text(out, inst.name, 22);
    put8(out, 0);
    put16(out, 1);
    put32(out, kSampleHeaderSize);
    for (int i = 0; i < 96; ++i)
        put8(out, 0);  // every note plays sample 0
    for (size_t i = 0; i < 12; ++i) {
        const bool used = i < inst.envelope.size();
        put16(out, used ? inst.envelope[i].first : 0);
        put16(out, used ? inst.envelope[i].second : 0);
    }
    for (int i = 0; i < 12; ++i)
        put32(out, 0);  // no panning envelope
    put8(out, static_cast<uint32_t>(inst.envelope.size()));
    put8(out, 0);
    put8(out, inst.sustain_point >= 0 ? static_cast<uint32_t>(inst.sustain_point) : 0);
    put8(out, 0);  // volume loop start
    put8(out, 0);  // volume loop end
    put8(out, 0);
    put8(out, 0);
    put8(out, 0);
    uint32_t env_type = inst.envelope.empty() ? 0 : 1;
    if (!inst.envelope.empty() && inst.sustain_point >= 0)
        env_type |= 2;
    put8(out, env_type);
    put8(out, 0);
    for (int i = 0; i < 4; ++i)
        put8(out, 0);  // no auto-vibrato
    put16(out, inst.fadeout);
    while (out.size() - start < kInstrumentHeaderSize)
        put8(out, 0);

    const uint32_t bytes = static_cast<uint32_t>(inst.samples.size() * 2);
    put32(out, bytes);
    put32(out, inst.loop_length ? inst.loop_start * 2 : 0);
    put32(out, inst.loop_length * 2);
    put8(out, inst.volume);
    put8(out, 0);  // finetune
    put8(out, 0x10 | (inst.loop_length ? 1 : 0));
    put8(out, inst.panning);
    put8(out, static_cast<uint8_t>(inst.relative_note));
    put8(out, 0);
    put_xm_text(out, inst.name, 22);
    for (int16_t d : delta_encode(inst.samples))
        put16(out, static_cast<uint16_t>(d));
}

}  // namespace

std::vector<int16_t> delta_encode(const std::vector<int16_t>& samples) {
    std::vector<int16_t> out;
    out.reserve(samples.size());
    int16_t previous = 0;
    for (int16_t v : samples) {
        // Wraps modulo 2^16 like the reader's running sum does.
        out.push_back(
            static_cast<int16_t>(static_cast<uint16_t>(v) - static_cast<uint16_t>(previous)));
        previous = v;
    }
    return out;
}

bool encode_xm(const Song& song, std::vector<uint8_t>* out, std::string* error) {
    if (song.channels < 1 || song.channels > 32)
        return xm_fail(error, "1 to 32 channels");
    if (song.instruments.empty() || song.instruments.size() > 128)
        return xm_fail(error, "1 to 128 instruments");
    if (song.order.empty() || song.order.size() > 256)
        return xm_fail(error, "1 to 256 positions");
    if (song.patterns.empty() || song.patterns.size() > 256)
        return xm_fail(error, "1 to 256 patterns");
    if (song.speed < 1 || song.speed > 31 || song.bpm < 32 || song.bpm > 255)
        return xm_fail(error, "speed 1..31 and tempo 32..255");
    for (uint8_t index : song.order)
        if (index >= song.patterns.size())
            return xm_fail(error, "position names a missing pattern");
    if (song.restart < 0 || song.restart >= static_cast<int>(song.order.size()))
        return xm_fail(error, "the restart position is not in the song");
    for (const Pattern& pat : song.patterns) {
        if (pat.channels != song.channels)
            return xm_fail(error, "pattern channel count differs");
        for (const Cell& c : pat.cells) {
            if (c.note > kKeyOff)
                return xm_fail(error, "note outside C-0..B-7");
            if (c.instrument > song.instruments.size())
                return xm_fail(error, "cell names a missing instrument");
            if (c.volume != kNoVolume && c.volume > 64)
                return xm_fail(error, "volume above 64");
        }
    }
    for (const Instrument& inst : song.instruments) {
        if (inst.volume > 64)
            return xm_fail(error, inst.name + ": volume above 64");
        if (inst.envelope.size() > 12)
            return xm_fail(error, inst.name + ": envelope too long");
        if (inst.sustain_point >= static_cast<int>(inst.envelope.size()))
            return xm_fail(error, inst.name + ": sustain point outside the envelope");
        if (inst.loop_length && inst.loop_start + inst.loop_length > inst.samples.size())
            return xm_fail(error, inst.name + ": loop outside the sample");
    }

    std::vector<uint8_t> bytes;
    put_xm_text(bytes, "Extended Module: ", 17);
    put_xm_text(bytes, song.title, 20);
    put8(bytes, 0x1A);
    put_xm_text(bytes, "quarrik-music", 20);
    put16(bytes, 0x0104);
    put32(bytes, 276);
    put16(bytes, static_cast<uint32_t>(song.order.size()));
    put16(bytes, static_cast<uint32_t>(song.restart));
    put16(bytes, static_cast<uint32_t>(song.channels));
    put16(bytes, static_cast<uint32_t>(song.patterns.size()));
    put16(bytes, static_cast<uint32_t>(song.instruments.size()));
    put16(bytes, 1);  // linear frequency table
    put16(bytes, static_cast<uint32_t>(song.speed));
    put16(bytes, static_cast<uint32_t>(song.bpm));
    for (size_t i = 0; i < 256; ++i)
        put8(bytes, i < song.order.size() ? song.order[i] : 0);
    for (const Pattern& pat : song.patterns)
        put_pattern(bytes, pat);
    for (const Instrument& inst : song.instruments)
        put_instrument(bytes, inst);
    out->swap(bytes);
    return true;
}

}  // namespace music
