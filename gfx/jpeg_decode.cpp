#include "gfx/jpeg_decode.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared before it.
#include <jerror.h>
#include <jpeglib.h>

#include "core/game_log.h"

namespace {

constexpr std::size_t kRefillBytes = 4096;
// A forged header must not make us allocate gigabytes; real pictures are far below this.
constexpr std::size_t kMaxImageBytes = std::size_t(256) << 20;
const JOCTET kEndOfImage[2] = {0xFF, static_cast<JOCTET>(JPEG_EOI)};

// Reads the block in 4096-byte steps, like the library's file source reads its buffer.
struct MemorySource {
    jpeg_source_mgr pub;
    const JOCTET* data;
    std::size_t size;
    std::size_t next;  // first byte not yet handed to the decoder
};

void init_source(j_decompress_ptr) {}

boolean fill_input_buffer(j_decompress_ptr cinfo) {
    MemorySource* src = reinterpret_cast<MemorySource*>(cinfo->src);
    if (src->next >= src->size) {
        if (src->size == 0) {
            ERREXIT(cinfo, JERR_INPUT_EMPTY);
        }
        // Out of data: warn and end the image, so a truncated file still decodes what it has.
        WARNMS(cinfo, JWRN_JPEG_EOF);
        src->pub.next_input_byte = kEndOfImage;
        src->pub.bytes_in_buffer = 2;
        return TRUE;
    }
    const std::size_t left = src->size - src->next;
    const std::size_t count = left < kRefillBytes ? left : kRefillBytes;
    src->pub.next_input_byte = src->data + src->next;
    src->pub.bytes_in_buffer = count;
    src->next += count;
    return TRUE;
}

void skip_input_data(j_decompress_ptr cinfo, long num_bytes) {
    jpeg_source_mgr* src = cinfo->src;
    if (num_bytes <= 0) {
        return;
    }
    while (num_bytes > static_cast<long>(src->bytes_in_buffer)) {
        num_bytes -= static_cast<long>(src->bytes_in_buffer);
        fill_input_buffer(cinfo);
    }
    src->next_input_byte += num_bytes;
    src->bytes_in_buffer -= static_cast<std::size_t>(num_bytes);
}

void term_source(j_decompress_ptr) {}

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void error_exit(j_common_ptr cinfo) {
    ErrorManager* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

// Library messages go to the game's log rather than to stderr.
void output_message(j_common_ptr cinfo) {
    char text[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, text);
    game_log().write("JPEG: %s", text);
}

// Everything the decode touches lives here, outside the frame that calls setjmp, so nothing
// the jump skips needs destroying and nothing it returns to is left indeterminate.
struct DecodeJob {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    MemorySource src;
    DecodedImage* image;
};

// Only C data and the job are in this frame; a library error jumps back here.
bool run_decode(DecodeJob* job) {
    if (setjmp(job->err.jump)) {
        jpeg_destroy_decompress(&job->cinfo);
        return false;
    }
    jpeg_create_decompress(&job->cinfo);
    job->cinfo.src = &job->src.pub;
    jpeg_read_header(&job->cinfo, TRUE);
    jpeg_start_decompress(&job->cinfo);
    const JDIMENSION width = job->cinfo.output_width;
    const JDIMENSION height = job->cinfo.output_height;
    const int components = job->cinfo.output_components;
    const std::size_t row_bytes = static_cast<std::size_t>(width) * components;
    if (row_bytes * height > kMaxImageBytes) {
        game_log().write("JPEG: picture of %u x %u is too large", width, height);
        jpeg_destroy_decompress(&job->cinfo);
        return false;
    }
    DecodedImage* image = job->image;
    image->width = static_cast<int>(width);
    image->height = static_cast<int>(height);
    image->components = components;
    image->pixels.resize(row_bytes * height);
    JSAMPARRAY row =
        (*job->cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&job->cinfo), JPOOL_IMAGE,
                                        static_cast<JDIMENSION>(row_bytes), 1);
    while (job->cinfo.output_scanline < height) {
        const JDIMENSION line = job->cinfo.output_scanline;
        jpeg_read_scanlines(&job->cinfo, row, 1);
        // The first decoded line is the top of the picture and becomes the last texture row.
        unsigned char* out = image->pixels.data() + (height - 1 - line) * row_bytes;
        for (std::size_t i = 0; i < row_bytes; ++i) {
            out[i] = row[0][i];
        }
    }
    jpeg_finish_decompress(&job->cinfo);
    jpeg_destroy_decompress(&job->cinfo);
    return true;
}

}  // namespace

bool decode_jpeg(const unsigned char* data, std::size_t size, DecodedImage& image) {
    image = DecodedImage();
    DecodeJob job{};
    job.image = &image;
    job.cinfo.err = jpeg_std_error(&job.err.pub);
    job.err.pub.error_exit = error_exit;
    job.err.pub.output_message = output_message;
    job.src.pub.init_source = init_source;
    job.src.pub.fill_input_buffer = fill_input_buffer;
    job.src.pub.skip_input_data = skip_input_data;
    job.src.pub.resync_to_restart = jpeg_resync_to_restart;
    job.src.pub.term_source = term_source;
    job.src.data = data;
    job.src.size = data ? size : 0;
    job.src.next = 0;
    if (!run_decode(&job)) {
        image = DecodedImage();
        return false;
    }
    return true;
}
