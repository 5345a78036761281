// WAVE files: the chunk reader, then the conversion the sound bank makes for the mixer.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sound/sample_convert.h"
#include "sound/wav_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WaveFile wave;
    if (!read_wave(data, size, wave)) {
        return 0;
    }
    if (wave.data.size() > size) {
        __builtin_trap();
    }
    std::vector<int16_t> frames;
    if (convert_wave(wave, 44100, frames) && frames.size() % 2 != 0) {
        __builtin_trap();  // interleaved stereo
    }
    convert_wave(wave, 22050, frames);
    return 0;
}
