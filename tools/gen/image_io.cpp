#include "image_io.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

// libjpeg needs FILE and size_t declared first.
#include <jpeglib.h>

Bytes encode_tga(const Canvas& picture, bool alpha) {
    const int w = picture.width();
    const int h = picture.height();
    const int bpp = alpha ? 4 : 3;
    Bytes out(18 + static_cast<size_t>(w) * h * bpp);
    out[2] = 2;  // uncompressed true-colour
    out[12] = static_cast<uint8_t>(w & 0xff);
    out[13] = static_cast<uint8_t>(w >> 8);
    out[14] = static_cast<uint8_t>(h & 0xff);
    out[15] = static_cast<uint8_t>(h >> 8);
    out[16] = static_cast<uint8_t>(bpp * 8);
    out[17] = alpha ? 8 : 0;  // alpha bits; origin bottom-left
    std::vector<uint8_t> rgba = picture.rgba8();
    size_t o = 18;
    for (int row = h - 1; row >= 0; --row) {
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = &rgba[(static_cast<size_t>(row) * w + x) * 4];
            out[o++] = p[2];
            out[o++] = p[1];
            out[o++] = p[0];
            if (alpha) {
                out[o++] = p[3];
            }
        }
    }
    return out;
}

namespace {

struct JpegError {
    jpeg_error_mgr base;
    jmp_buf jump;
};

void jpeg_fail(j_common_ptr info) {
    longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

}  // namespace

Bytes encode_jpeg(const Canvas& picture, int quality) {
    std::vector<uint8_t> rgba = picture.rgba8();
    std::vector<uint8_t> rgb(static_cast<size_t>(picture.width()) * picture.height() * 3);
    for (size_t i = 0, n = rgb.size() / 3; i < n; ++i) {
        rgb[i * 3 + 0] = rgba[i * 4 + 0];
        rgb[i * 3 + 1] = rgba[i * 4 + 1];
        rgb[i * 3 + 2] = rgba[i * 4 + 2];
    }
    jpeg_compress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.base);
    error.base.error_exit = jpeg_fail;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        free(buffer);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.width());
    info.image_height = static_cast<JDIMENSION>(picture.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full-resolution chroma keeps thin coloured lines (captions, frames) clean.
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = &rgb[static_cast<size_t>(info.next_scanline) * picture.width() * 3];
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    free(buffer);
    return out;
}

uint32_t crc32_of(const uint8_t* data, size_t size, uint32_t crc) {
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xedb88320U ^ (c >> 1) : c >> 1;
            }
            table[n] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc = table[(crc ^ data[i]) & 0xff] ^ (crc >> 8);
    }
    return ~crc;
}

uint32_t adler32_of(const uint8_t* data, size_t size) {
    uint32_t a = 1, b = 0;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

namespace {

void put32(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v >> 24));
    out.push_back(static_cast<uint8_t>(v >> 16));
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

void chunk(Bytes& out, const char* type, const Bytes& body) {
    put32(out, static_cast<uint32_t>(body.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    put32(out, crc32_of(&out[start], out.size() - start));
}

}  // namespace

Bytes encode_png(const Canvas& picture) {
    const int w = picture.width();
    const int h = picture.height();
    std::vector<uint8_t> rgba = picture.rgba8();
    // Raw scanlines, each with filter byte 0.
    Bytes raw;
    raw.reserve(static_cast<size_t>(h) * (w * 4 + 1));
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);
        const uint8_t* row = &rgba[static_cast<size_t>(y) * w * 4];
        raw.insert(raw.end(), row, row + w * 4);
    }
    // zlib stream of stored blocks (at most 65535 bytes each).
    Bytes z = {0x78, 0x01};
    size_t pos = 0;
    do {
        size_t n = std::min<size_t>(65535, raw.size() - pos);
        bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<uint8_t>(n & 0xff));
        z.push_back(static_cast<uint8_t>(n >> 8));
        z.push_back(static_cast<uint8_t>(~n & 0xff));
        z.push_back(static_cast<uint8_t>((~n >> 8) & 0xff));
        z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + n);
        pos += n;
    } while (pos < raw.size());
    put32(z, adler32_of(raw.data(), raw.size()));

    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    Bytes ihdr;
    put32(ihdr, static_cast<uint32_t>(w));
    put32(ihdr, static_cast<uint32_t>(h));
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, no interlace
    chunk(out, "IHDR", ihdr);
    chunk(out, "IDAT", z);
    chunk(out, "IEND", {});
    return out;
}

bool write_if_changed(const std::string& path, const Bytes& data, bool* changed) {
    namespace fs = std::filesystem;
    *changed = false;
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            Bytes old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (old == data) {
                return true;
            }
        }
    }
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    *changed = true;
    return static_cast<bool>(out);
}

bool OutputTree::write(const std::string& relative_path, const Bytes& data) {
    bool changed = false;
    bool ok = !data.empty() && write_if_changed(m_root + "/" + relative_path, data, &changed);
    if (!ok) {
        std::fprintf(stderr, "quarrik-gen: cannot write %s\n", relative_path.c_str());
        m_ok = false;
        return false;
    }
    (changed ? m_written : m_unchanged)++;
    m_files.push_back(relative_path);
    return true;
}

bool OutputTree::write_text(const std::string& relative_path, const std::string& text) {
    return write(relative_path, Bytes(text.begin(), text.end()));
}
