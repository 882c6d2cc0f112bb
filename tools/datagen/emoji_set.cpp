#include "emoji_set.h"

#include <librsvg/rsvg.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>

#include "platform/file_read.h"

namespace datagen {

namespace {

using nlohmann::json;

// Where an icon's drawing sits in its frame and whether an alias mirrors it.
struct Box {
    double Left = 0;
    double Top = 0;
    double Width = 16;
    double Height = 16;
    bool HFlip = false;
    bool VFlip = false;
};

void ApplyDimensions(const json& props, Box& box) {
    box.Left = props.value("left", box.Left);
    box.Top = props.value("top", box.Top);
    box.Width = props.value("width", box.Width);
    box.Height = props.value("height", box.Height);
}

// Numbers in the SVG text must not depend on the locale.
std::string Number(double value) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << value;
    return text.str();
}

std::string Document(const std::string& body, const Box& box) {
    std::string transform;
    if (box.HFlip || box.VFlip) {
        double tx = box.HFlip ? 2 * box.Left + box.Width : 0;
        double ty = box.VFlip ? 2 * box.Top + box.Height : 0;
        transform = "translate(" + Number(tx) + " " + Number(ty) + ") scale(" +
                    (box.HFlip ? "-1" : "1") + " " + (box.VFlip ? "-1" : "1") + ")";
    }
    std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" "
        "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"" +
        Number(box.Width) + "\" height=\"" + Number(box.Height) + "\" viewBox=\"" +
        Number(box.Left) + " " + Number(box.Top) + " " + Number(box.Width) + " " +
        Number(box.Height) + "\">";
    if (transform.empty()) {
        svg += body;
    } else {
        svg += "<g transform=\"" + transform + "\">" + body + "</g>";
    }
    return svg + "</svg>";
}

}  // namespace

EmojiSet::EmojiSet(const std::filesystem::path& file) {
    std::string text;
    try {
        text = platform::ReadWholeTextFile(file);
    } catch (const platform::FileReadError&) {
        throw std::runtime_error("cannot read emoji set " + file.string());
    }
    Parse(text, file.string());
}

EmojiSet EmojiSet::FromJson(std::string_view json, std::string_view origin) {
    EmojiSet set;
    set.Parse(json, origin);
    return set;
}

void EmojiSet::Parse(std::string_view text, std::string_view origin) {
    origin_ = origin;
    json root;
    try {
        root = json::parse(text);
        Box defaults;
        ApplyDimensions(root, defaults);
        const json& icons = root.at("icons");
        std::map<std::string, Box, std::less<>> boxes;
        for (const auto& [name, icon] : icons.items()) {
            Box box = defaults;
            ApplyDimensions(icon, box);
            boxes[name] = box;
            svg_[name] = Document(icon.at("body").get<std::string>(), box);
        }
        if (!root.contains("aliases")) {
            return;
        }
        const json& aliases = root.at("aliases");
        for (const auto& [name, alias] : aliases.items()) {
            // Follow the chain to a real icon; an alias may point at another alias.
            bool hFlip = false;
            bool vFlip = false;
            int rotate = 0;
            std::string parent = name;
            const json* props = &alias;
            for (int depth = 0; depth < 16 && props != nullptr; ++depth) {
                hFlip ^= props->value("hFlip", false);
                vFlip ^= props->value("vFlip", false);
                rotate += props->value("rotate", 0);
                parent = props->at("parent").get<std::string>();
                props = aliases.contains(parent) ? &aliases.at(parent) : nullptr;
            }
            auto found = boxes.find(parent);
            if (props != nullptr || found == boxes.end() || rotate % 4 != 0) {
                continue;  // broken or turned alias: simply not offered
            }
            Box box = found->second;
            ApplyDimensions(alias, box);
            box.HFlip = hFlip;
            box.VFlip = vFlip;
            svg_[name] = Document(icons.at(parent).at("body").get<std::string>(), box);
        }
    } catch (const json::exception& error) {
        throw std::runtime_error("emoji set " + origin_ +
                                 " is not a valid icon set: " + error.what());
    }
}

bool EmojiSet::Has(std::string_view name) const {
    return svg_.find(name) != svg_.end();
}

const std::string& EmojiSet::Svg(std::string_view name) const {
    auto found = svg_.find(name);
    if (found == svg_.end()) {
        throw std::runtime_error("emoji \"" + std::string(name) + "\" is missing from " + origin_);
    }
    return found->second;
}

EmojiPicture EmojiSet::Tinted(std::string_view name, uint32_t rgb) const {
    // The root element's colour is what "currentColor" means for every shape below it.
    constexpr std::string_view Root = "<svg ";
    const std::string& svg = Svg(name);
    char colour[24];
    std::snprintf(colour, sizeof colour, "color=\"#%06X\" ", rgb & 0xFFFFFFu);
    return EmojiPicture(name, std::string(Root) + colour + svg.substr(Root.size()));
}

void EmojiPicture::Release::operator()(RsvgHandle* handle) const {
    g_object_unref(handle);
}

EmojiPicture::EmojiPicture(std::string_view name, const std::string& svg) : name_(name) {
    GError* error = nullptr;
    handle_.reset(
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error));
    if (!handle_) {
        std::string message = error != nullptr ? error->message : "unknown error";
        g_clear_error(&error);
        throw std::runtime_error("emoji \"" + name_ + "\": " + message);
    }
    MeasureInk();
}

void EmojiPicture::DrawFrame(cairo_t* cr, double x, double y, double size) const {
    GError* error = nullptr;
    RsvgRectangle viewport{x, y, size, size};
    // Some icons keep stray shapes outside their frame; only the frame may show.
    cairo_save(cr);
    cairo_rectangle(cr, x, y, size, size);
    cairo_clip(cr);
    bool drawn = rsvg_handle_render_document(handle_.get(), cr, &viewport, &error);
    cairo_restore(cr);
    if (!drawn) {
        std::string message = error != nullptr ? error->message : "unknown error";
        g_clear_error(&error);
        throw std::runtime_error("emoji \"" + name_ + "\": " + message);
    }
}

void EmojiPicture::MeasureInk() {
    // Fine enough that the margin errs by under a percent; faint edges do not count.
    constexpr int Probe = 128;
    constexpr int Faint = 24;
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> probe(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Probe, Probe), &cairo_surface_destroy);
    {
        std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(probe.get()),
                                                              &cairo_destroy);
        DrawFrame(cr.get(), 0, 0, Probe);
    }
    cairo_surface_flush(probe.get());
    const unsigned char* data = cairo_image_surface_get_data(probe.get());
    const int stride = cairo_image_surface_get_stride(probe.get());
    int left = Probe;
    int top = Probe;
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < Probe; ++y) {
        const auto* row =
            reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < Probe; ++x) {
            if ((row[x] >> 24) >= Faint) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return;  // nothing visible: keep the whole frame
    }
    ink_[0] = static_cast<double>(left) / Probe;
    ink_[1] = static_cast<double>(top) / Probe;
    ink_[2] = static_cast<double>(right + 1) / Probe;
    ink_[3] = static_cast<double>(bottom + 1) / Probe;
}

void EmojiPicture::Draw(cairo_t* cr, double x, double y, double size) const {
    const double inkWidth = ink_[2] - ink_[0];
    const double inkHeight = ink_[3] - ink_[1];
    const double frame = size / std::max(inkWidth, inkHeight);
    DrawFrame(cr, x + (size - inkWidth * frame) / 2 - ink_[0] * frame,
              y + (size - inkHeight * frame) / 2 - ink_[1] * frame, frame);
}

}  // namespace datagen
