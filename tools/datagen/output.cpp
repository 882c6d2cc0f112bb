#include <algorithm>
#include <fstream>
#include <map>
#include <mutex>
#include <stdexcept>
#include <utility>

#include "datagen.h"
#include "platform/bitmap.h"
#include "platform/image_codec.h"
#include "text_card.h"

using namespace catalog;

namespace datagen {

namespace {

std::mutex outputMutex;

// Cards and photographs keep fine detail; our drawn pictures are flat colours either way.
constexpr int JpegQuality = 90;
constexpr int ThumbHeight = 96;
constexpr int SheetColumns = 12;

uint8_t OverBackground(uint32_t premultiplied, int shift, uint32_t alpha, uint8_t background) {
    const uint32_t channel = (premultiplied >> shift) & 0xFFu;
    return static_cast<uint8_t>(channel + (255u - alpha) * background / 255u);
}

// The picture composited over a plain background, as the 24-bit bitmap the program reads.
platform::Bitmap Flatten(const Surface& picture, uint8_t background) {
    cairo_surface_flush(picture.Get());
    const int width = picture.Width();
    const int height = picture.Height();
    const int stride = cairo_image_surface_get_stride(picture.Get());
    const unsigned char* data = cairo_image_surface_get_data(picture.Get());
    platform::Bitmap out(width, height, platform::PixelFormat::Bgr24);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        uint8_t* dest = out.Row(y);
        for (int x = 0; x < width; ++x) {
            const uint32_t argb = row[x];
            const uint32_t alpha = argb >> 24;
            dest[3 * x + 0] = OverBackground(argb, 0, alpha, background);
            dest[3 * x + 1] = OverBackground(argb, 8, alpha, background);
            dest[3 * x + 2] = OverBackground(argb, 16, alpha, background);
        }
    }
    return out;
}

void WriteFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

Surface::Surface(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)) {
    if (width <= 0 || height <= 0 || cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface_);
        throw std::runtime_error("cannot create a picture of " + std::to_string(width) + "x" +
                                 std::to_string(height));
    }
}

Surface::Surface(Surface&& other) noexcept : surface_(std::exchange(other.surface_, nullptr)) {}

Surface& Surface::operator=(Surface&& other) noexcept {
    if (this != &other) {
        cairo_surface_destroy(surface_);
        surface_ = std::exchange(other.surface_, nullptr);
    }
    return *this;
}

Surface::~Surface() {
    cairo_surface_destroy(surface_);
}

int Surface::Width() const {
    return cairo_image_surface_get_width(surface_);
}

int Surface::Height() const {
    return cairo_image_surface_get_height(surface_);
}

Painter::Painter(const Surface& surface) : cr_(cairo_create(surface.Get())) {}

Painter::~Painter() {
    cairo_destroy(cr_);
}

Output::Output(const Context& context) : context_(context), sheets_(5) {}

std::filesystem::path Output::Prepare(const ResourceEntry& entry) {
    const std::filesystem::path path = context_.DataDir / entry.Path;
    std::filesystem::create_directories(path.parent_path());
    return path;
}

void Output::Jpeg(const ResourceEntry& entry, const Surface& picture, Sheet sheet) {
    const auto bytes = platform::EncodeJpeg(Flatten(picture, 255), JpegQuality);
    std::lock_guard lock(outputMutex);
    WriteFile(Prepare(entry), bytes);
    ++files_;
    Thumbnail(sheet, entry, picture);
}

void Output::TextCardJpeg(const ResourceEntry& entry, const Surface& picture) {
    const auto bytes = platform::EncodeJpeg(Flatten(picture, 255), JpegQuality, TextCardComment);
    std::lock_guard lock(outputMutex);
    WriteFile(Prepare(entry), bytes);
    ++files_;
    Thumbnail(Sheet::Cards, entry, picture);
}

void Output::Bmp(const ResourceEntry& entry, const Surface& picture, Sheet sheet) {
    const auto bytes = platform::EncodeBmp(Flatten(picture, 255));
    std::lock_guard lock(outputMutex);
    WriteFile(Prepare(entry), bytes);
    ++files_;
    Thumbnail(sheet, entry, picture);
}

void Output::Pair(const ResourceEntry& entry, const Surface& picture, Sheet sheet) {
    const ResourceEntry* partner = FindResource(entry.Partner);
    if (partner == nullptr) {
        throw std::runtime_error(entry.Path + " is not half of a known pair");
    }
    const ResourceEntry& onWhite = entry.OnWhite ? entry : *partner;
    const ResourceEntry& onBlack = entry.OnWhite ? *partner : entry;
    const auto white = platform::EncodeBmp(Flatten(picture, 255));
    const auto black = platform::EncodeBmp(Flatten(picture, 0));
    std::lock_guard lock(outputMutex);
    WriteFile(Prepare(onWhite), white);
    WriteFile(Prepare(onBlack), black);
    files_ += 2;
    Thumbnail(sheet, onWhite, picture);
}

void Output::Wave(const ResourceEntry& entry, std::span<const int16_t> samples, int sampleRate) {
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> bytes;
    bytes.reserve(44 + dataBytes);
    bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
    PutLe(bytes, 36 + dataBytes, 4);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLe(bytes, 16, 4);
    PutLe(bytes, 1, 2);  // PCM
    PutLe(bytes, 1, 2);  // mono
    PutLe(bytes, static_cast<uint32_t>(sampleRate), 4);
    PutLe(bytes, static_cast<uint32_t>(sampleRate) * 2, 4);
    PutLe(bytes, 2, 2);
    PutLe(bytes, 16, 2);
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    PutLe(bytes, dataBytes, 4);
    for (int16_t sample : samples) {
        PutLe(bytes, static_cast<uint16_t>(sample), 2);
    }
    Bytes(entry, bytes);
}

void Output::Bytes(const ResourceEntry& entry, std::span<const uint8_t> bytes) {
    std::lock_guard lock(outputMutex);
    WriteFile(Prepare(entry), bytes);
    ++files_;
}

// Called with the output lock held. Only the small layout goes on the sheets: the big one
// and the enlarged cards are the same drawings, larger.
void Output::Thumbnail(Sheet sheet, const ResourceEntry& entry, const Surface& picture) {
    if (entry.Layout == 4 || entry.Group == ResourceGroup::EnlargedWordCard) {
        return;
    }
    const double scale = std::min(1.0, static_cast<double>(ThumbHeight) / picture.Height());
    const int width = std::max(1, static_cast<int>(picture.Width() * scale));
    const int height = std::max(1, static_cast<int>(picture.Height() * scale));
    Surface thumb(width, height);
    Painter cr(thumb);
    cairo_scale(*cr, scale, scale);
    cairo_set_source_surface(*cr, picture.Get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(*cr), CAIRO_FILTER_GOOD);
    cairo_paint(*cr);
    sheets_[static_cast<size_t>(sheet)].push_back({entry.Name, std::move(thumb)});
}

void Output::WriteSheets() {
    static const char* const names[] = {"cards", "tiles", "buttons", "backgrounds", "figure"};
    std::filesystem::create_directories(context_.SheetDir);
    for (size_t s = 0; s < sheets_.size(); ++s) {
        auto& thumbs = sheets_[s];
        if (thumbs.empty()) {
            continue;
        }
        // Several makers may run at once: sort so the sheet does not depend on who came first.
        std::stable_sort(thumbs.begin(), thumbs.end(),
                         [](const Thumb& a, const Thumb& b) { return a.Label < b.Label; });
        int cellWidth = 0;
        for (const auto& t : thumbs) {
            cellWidth = std::max(cellWidth, t.Picture.Width());
        }
        cellWidth = std::max(cellWidth, 64) + 8;
        const int cellHeight = ThumbHeight + 24;
        const int columns = std::min<int>(SheetColumns, static_cast<int>(thumbs.size()));
        const int rows = (static_cast<int>(thumbs.size()) + columns - 1) / columns;
        Surface sheet(columns * cellWidth, rows * cellHeight);
        Painter cr(sheet);
        // A checkerboard-free mid grey shows both light and dark pictures and their edges.
        cairo_set_source_rgb(*cr, 0.75, 0.75, 0.78);
        cairo_paint(*cr);
        cairo_select_font_face(*cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                               CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(*cr, 11);
        for (size_t i = 0; i < thumbs.size(); ++i) {
            const int x = static_cast<int>(i % columns) * cellWidth + 4;
            const int y = static_cast<int>(i / columns) * cellHeight + 4;
            cairo_set_source_surface(*cr, thumbs[i].Picture.Get(), x, y);
            cairo_paint(*cr);
            cairo_set_source_rgb(*cr, 0.1, 0.1, 0.1);
            cairo_move_to(*cr, x, y + ThumbHeight + 14);
            cairo_show_text(*cr, thumbs[i].Label.c_str());
        }
        const auto path = context_.SheetDir / (std::string(names[s]) + ".png");
        if (cairo_surface_write_to_png(sheet.Get(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
            throw std::runtime_error("cannot write " + path.string());
        }
    }
}

}  // namespace datagen
