#include "data_check.h"

#include <optional>
#include <stdexcept>

#include "catalog/resource_catalog.h"
#include "media/load_correct_bitmap.h"
#include "platform/bitmap.h"
#include "platform/file_read.h"
#include "platform/image_codec.h"
#include "platform/midi_file.h"
#include "platform/wave_file.h"
#include "text_card.h"

using namespace catalog;
using namespace media;

namespace {

// No resource of the game comes near this; anything larger is damage.
constexpr std::uintmax_t MaxResourceBytes = 64u << 20;

std::optional<std::vector<uint8_t>> ReadFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return std::nullopt;
    }
    try {
        return platform::ReadWholeFile(path, MaxResourceBytes);
    } catch (const platform::FileReadError&) {
        return std::vector<uint8_t>();  // there but unusable: reported as malformed
    }
}

// Bits per pixel from a BMP header that DecodeCorrectBitmap has already accepted.
int BmpBitCount(const std::vector<uint8_t>& bytes) {
    const uint32_t headerSize =
        bytes[14] | bytes[15] << 8 | bytes[16] << 16 | static_cast<uint32_t>(bytes[17]) << 24;
    const size_t at = headerSize == 12 ? 24 : 28;
    return bytes[at] | bytes[at + 1] << 8;
}

struct Decoded {
    std::string Problem;  // empty when the file is usable
    int Width = 0;
    int Height = 0;
};

Decoded Inspect(const ResourceEntry& entry, const std::vector<uint8_t>& bytes) {
    Decoded result;
    try {
        switch (entry.Format) {
            case ResourceFormat::Jpeg: {
                const auto picture = platform::DecodeJpeg(bytes);
                result.Width = picture.Width();
                result.Height = picture.Height();
                break;
            }
            case ResourceFormat::Bmp: {
                // Decoded as the game decodes it, header repair included.
                const auto picture = DecodeCorrectBitmap(bytes);
                result.Width = picture.Width();
                result.Height = picture.Height();
                const bool blended =
                    !entry.Partner.empty() || entry.Group == ResourceGroup::FigureMap;
                if (blended && BmpBitCount(bytes) != 24) {
                    result.Problem = "not 24 bits per pixel";
                }
                break;
            }
            case ResourceFormat::Wave:
                platform::ParseWave(bytes);
                break;
            case ResourceFormat::Midi:
                platform::ParseMidi(bytes);
                break;
        }
    } catch (const std::exception& e) {
        result.Problem = e.what();
    }
    return result;
}

}  // namespace

DataCheckReport CheckDataFolder(const std::filesystem::path& dataDir) {
    DataCheckReport report;
    std::vector<std::string> cardKeys;
    for (const ResourceEntry& entry : AllResources()) {
        const auto bytes = ReadFile(dataDir / entry.Path);
        const bool normalCard = entry.Group == ResourceGroup::WordCard && entry.Layout == 1;
        if (normalCard) {
            ++report.WordKeys;
        }
        if (!bytes) {
            report.Missing.push_back(entry.Path);
            continue;
        }
        ++report.FilesChecked;
        const Decoded decoded = Inspect(entry, *bytes);
        if (!decoded.Problem.empty()) {
            report.Malformed.push_back(entry.Path + ": " + decoded.Problem);
            continue;
        }
        if (normalCard && platform::ReadJpegComment(*bytes) != std::string(TextCardComment)) {
            ++report.WordKeysWithPicture;
        }
        // Each pair is compared once, from its on-white half.
        if (!entry.Partner.empty() && entry.OnWhite) {
            const ResourceEntry* partner = FindResource(entry.Partner);
            const auto partnerBytes = partner ? ReadFile(dataDir / partner->Path) : std::nullopt;
            if (partnerBytes) {
                const Decoded other = Inspect(*partner, *partnerBytes);
                if (other.Problem.empty() &&
                    (other.Width != decoded.Width || other.Height != decoded.Height)) {
                    report.Malformed.push_back(
                        entry.Path + ": " + std::to_string(decoded.Width) + "x" +
                        std::to_string(decoded.Height) + ", but " + entry.Partner + " is " +
                        std::to_string(other.Width) + "x" + std::to_string(other.Height));
                }
            }
        }
    }
    return report;
}
