// JPEG reading and writing for platform/image_codec.h, on top of libjpeg.
//
// libjpeg reports fatal errors through error_exit, which must not return. We leave with
// longjmp back into the function that called setjmp. To keep that defined in C++, every
// object with a destructor lives in the caller's frame (the Session structs below), the
// jumping frames hold nothing but C data, and the exception is thrown only after the jump.

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "platform/image_codec.h"

namespace platform {

namespace {

// Far beyond any screen picture, small enough that a forged header cannot exhaust memory.
constexpr uint64_t kMaxJpegPixels = uint64_t{1} << 26;
// A progressive file may carry endless tiny scans; real pictures use a dozen.
constexpr int kMaxScans = 500;
// Cap on libjpeg's own working memory (whole-picture coefficient buffers of progressive files).
constexpr long kMaxLibraryMemory = 512L * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr pub;  // first, so libjpeg's pointer converts back to ours
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOut(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

[[noreturn]] void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    JumpOut(cinfo);
}

[[noreturn]] void FailWith(j_common_ptr cinfo, const char* text) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::snprintf(err->message, sizeof err->message, "%s", text);
    JumpOut(cinfo);
}

// Warnings that say nothing about the pixels; every other warning means damaged data.
bool IsHarmlessWarning(int code) {
    return code == JWRN_ADOBE_XFORM || code == JWRN_JFIF_MAJOR || code == JWRN_BOGUS_ICC;
}

void OnMessage(j_common_ptr cinfo, int level) {
    // level < 0 is a warning; trace messages (level >= 0) are ignored.
    if (level < 0 && !IsHarmlessWarning(cinfo->err->msg_code)) {
        OnError(cinfo);
    }
}

void OnProgress(j_common_ptr cinfo) {
    if (cinfo->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
        FailWith(cinfo, "too many scans");
    }
}

void InstallErrorManager(ErrorManager& err) {
    jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    err.message[0] = '\0';
}

struct DecompressSession {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    jpeg_progress_mgr progress{};
    DecompressSession() = default;
    DecompressSession(const DecompressSession&) = delete;
    DecompressSession& operator=(const DecompressSession&) = delete;
    // Safe also when creation never ran or failed: a null memory manager means nothing to free.
    ~DecompressSession() { jpeg_destroy_decompress(&cinfo); }
};

// Returns false after a libjpeg error (message in s->err.message).
bool RunDecompress(DecompressSession* s, std::span<const uint8_t> data, Bitmap* out) {
    j_decompress_ptr cinfo = &s->cinfo;
    cinfo->err = &s->err.pub;
    InstallErrorManager(s->err);
    if (setjmp(s->err.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(cinfo);
    s->progress.progress_monitor = OnProgress;
    cinfo->progress = &s->progress;
    cinfo->mem->max_memory_to_use = kMaxLibraryMemory;
    jpeg_mem_src(cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(cinfo, TRUE);
    if (uint64_t{cinfo->image_width} * cinfo->image_height > kMaxJpegPixels) {
        FailWith(reinterpret_cast<j_common_ptr>(cinfo), "picture too large");
    }
    cinfo->out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(cinfo);
    if (cinfo->output_components != 3) {
        FailWith(reinterpret_cast<j_common_ptr>(cinfo), "unexpected colour layout");
    }
    out->Reset(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height),
               PixelFormat::Bgr24);
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = out->Row(static_cast<int>(cinfo->output_scanline));
        if (jpeg_read_scanlines(cinfo, &row, 1) != 1) {
            FailWith(reinterpret_cast<j_common_ptr>(cinfo), "no progress reading rows");
        }
    }
    // Every row is in; whatever follows the scan is not read (the destructor aborts the
    // decompressor). A file cut before its end marker has already failed above: the decoder
    // reads ahead into it and reports the premature end.
    return true;
}

// Output into a growing vector; libjpeg's own memory destination leaks its buffer on errors.
struct VectorDestination {
    jpeg_destination_mgr pub;  // first, so libjpeg's pointer converts back to ours
    std::vector<uint8_t>* out;
};

void Grow(j_compress_ptr cinfo, size_t used) {
    auto* dest = reinterpret_cast<VectorDestination*>(cinfo->dest);
    bool ok = true;
    try {
        dest->out->resize(std::max<size_t>(dest->out->size() * 2, 64 * 1024));
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (!ok) {
        // Outside the handler: jumping out of a catch block would leak the exception.
        FailWith(reinterpret_cast<j_common_ptr>(cinfo), "out of memory");
    }
    dest->pub.next_output_byte = dest->out->data() + used;
    dest->pub.free_in_buffer = dest->out->size() - used;
}

void InitDestination(j_compress_ptr cinfo) {
    Grow(cinfo, 0);
}

boolean EmptyOutput(j_compress_ptr cinfo) {
    // libjpeg calls this only with the whole buffer full.
    auto* dest = reinterpret_cast<VectorDestination*>(cinfo->dest);
    Grow(cinfo, dest->out->size());
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<VectorDestination*>(cinfo->dest);
    dest->out->resize(dest->out->size() - dest->pub.free_in_buffer);
}

struct CompressSession {
    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    VectorDestination dest{};
    std::vector<uint8_t> bytes;
    CompressSession() = default;
    CompressSession(const CompressSession&) = delete;
    CompressSession& operator=(const CompressSession&) = delete;
    ~CompressSession() { jpeg_destroy_compress(&cinfo); }
};

bool RunCompress(CompressSession* s, const Bitmap* bitmap, int quality, std::string_view comment) {
    j_compress_ptr cinfo = &s->cinfo;
    cinfo->err = &s->err.pub;
    InstallErrorManager(s->err);
    if (setjmp(s->err.jump) != 0) {
        return false;
    }
    jpeg_create_compress(cinfo);
    s->dest.out = &s->bytes;
    s->dest.pub.init_destination = InitDestination;
    s->dest.pub.empty_output_buffer = EmptyOutput;
    s->dest.pub.term_destination = TermDestination;
    cinfo->dest = &s->dest.pub;
    cinfo->image_width = static_cast<JDIMENSION>(bitmap->Width());
    cinfo->image_height = static_cast<JDIMENSION>(bitmap->Height());
    switch (bitmap->Format()) {
        case PixelFormat::Grey8:
            cinfo->in_color_space = JCS_GRAYSCALE;
            cinfo->input_components = 1;
            break;
        case PixelFormat::Bgr24:
            cinfo->in_color_space = JCS_EXT_BGR;
            cinfo->input_components = 3;
            break;
        case PixelFormat::Bgrx32:
            cinfo->in_color_space = JCS_EXT_BGRX;
            cinfo->input_components = 4;
            break;
    }
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, quality, TRUE);
    jpeg_start_compress(cinfo, TRUE);
    if (!comment.empty()) {
        jpeg_write_marker(cinfo, JPEG_COM, reinterpret_cast<const JOCTET*>(comment.data()),
                          static_cast<unsigned int>(comment.size()));
    }
    while (cinfo->next_scanline < cinfo->image_height) {
        // libjpeg takes non-const rows but only reads them.
        JSAMPROW row = const_cast<JSAMPROW>(bitmap->Row(static_cast<int>(cinfo->next_scanline)));
        jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
    return true;
}

}  // namespace

Bitmap DecodeJpeg(std::span<const uint8_t> data) {
    Bitmap out;
    DecompressSession session;
    if (!RunDecompress(&session, data, &out)) {
        throw ImageDecodeError(std::string("JPEG: ") + session.err.message);
    }
    return out;
}

std::vector<uint8_t> EncodeJpeg(const Bitmap& bitmap, int quality, std::string_view comment) {
    if (bitmap.Empty()) {
        throw std::invalid_argument("EncodeJpeg: empty bitmap");
    }
    if (comment.size() > MaxJpegCommentBytes) {
        throw std::invalid_argument("EncodeJpeg: comment too long");
    }
    CompressSession session;
    if (!RunCompress(&session, &bitmap, std::clamp(quality, 1, 100), comment)) {
        throw std::runtime_error(std::string("JPEG encoding failed: ") + session.err.message);
    }
    return std::move(session.bytes);
}

std::optional<std::string> ReadJpegComment(std::span<const uint8_t> data) {
    if (data.size() < 2 || data[0] != 0xFF || data[1] != 0xD8) {
        return std::nullopt;
    }
    std::size_t pos = 2;
    // Walk the marker segments in front of the picture data; every length is checked against
    // the bytes at hand.
    while (pos + 4 <= data.size()) {
        if (data[pos] != 0xFF) {
            return std::nullopt;
        }
        const uint8_t marker = data[pos + 1];
        if (marker == 0xFF) {  // fill byte
            ++pos;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) {  // picture data or end: no comment in front
            return std::nullopt;
        }
        const std::size_t length = (std::size_t{data[pos + 2]} << 8) | data[pos + 3];
        if (length < 2 || pos + 2 + length > data.size()) {
            return std::nullopt;
        }
        if (marker == 0xFE) {
            const auto* text = reinterpret_cast<const char*>(data.data() + pos + 4);
            return std::string(text, length - 2);
        }
        pos += 2 + length;
    }
    return std::nullopt;
}

}  // namespace platform
