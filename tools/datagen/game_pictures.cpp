// MakeGamePictures: everything an exercise screen shows apart from the word cards and the
// buttons. Dispatches each catalogue entry to the routine that draws its kind.

#include "game_pictures.h"

#include <charconv>
#include <stdexcept>
#include <string>
#include <string_view>

#include "catalog/resource_names.h"

using namespace catalog;

namespace datagen {

namespace {

// The number that makes up the rest of a name after prefix ("t2", "pojazd_15").
int NumberAfter(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) {
        throw std::runtime_error("unexpected picture name \"" + std::string(name) + "\"");
    }
    const std::string_view digits = name.substr(prefix.size());
    int value = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        throw std::runtime_error("unexpected picture name \"" + std::string(name) + "\"");
    }
    return value;
}

std::string_view AfterPrefix(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) {
        throw std::runtime_error("unexpected picture name \"" + std::string(name) + "\"");
    }
    return name.substr(prefix.size());
}

void MakeOne(const ResourceEntry& entry, Output& out) {
    using namespace game;
    const int layout = entry.Layout;
    switch (entry.Group) {
        case ResourceGroup::ExerciseBackground:
            out.Jpeg(entry, DrawExerciseBackground(NumberAfter(entry.Name, "t"), layout),
                     Sheet::Backgrounds);
            return;
        case ResourceGroup::FramedPicture:
            out.Pair(entry, DrawFramedPicture(entry.Name, layout), Sheet::Tiles);
            return;
        case ResourceGroup::TrackPiece:
            out.Pair(entry, DrawTrackPiece(entry.Name, layout), Sheet::Tiles);
            return;
        case ResourceGroup::ScoreDigit:
            out.Pair(entry, DrawScoreDigit(NumberAfter(entry.Name, ""), layout), Sheet::Tiles);
            return;
        case ResourceGroup::FigureFrame:
            out.Pair(
                entry,
                DrawVehicleFrame(NumberAfter(entry.Name, std::string(FigureName) + "_"), layout),
                Sheet::Figure);
            return;
        case ResourceGroup::FigureMap:
            if (entry.Name != FigureName) {
                throw std::runtime_error("no collision map for \"" + entry.Name + "\"");
            }
            out.Bmp(entry, DrawVehicleMap(layout), Sheet::Figure);
            return;
        case ResourceGroup::SelectionFrame:
            out.Bmp(entry, DrawSelectionFrame(AfterPrefix(entry.Name, "ramka_"), layout),
                    Sheet::Tiles);
            return;
        case ResourceGroup::Tile:
            out.Bmp(entry, DrawTile(FaceOfTile(entry.Name), LayoutPixels(TileSize, layout)),
                    Sheet::Tiles);
            return;
        case ResourceGroup::EnlargedTile:
            out.Bmp(entry, DrawTile(FaceOfTile(entry.Name), LayoutPixels(EnlargedTileSize, layout)),
                    Sheet::Tiles);
            return;
        default:
            throw std::runtime_error("not a game picture: " + entry.Path);
    }
}

}  // namespace

void MakeGamePictures(const std::vector<const ResourceEntry*>& entries, Output& out,
                      const Context& /*ctx*/) {
    for (const ResourceEntry* entry : entries) {
        try {
            MakeOne(*entry, out);
        } catch (const std::runtime_error& e) {
            // Name the file, so a failure in a run of hundreds of pictures can be found.
            throw std::runtime_error(entry->Path + ": " + e.what());
        }
    }
}

}  // namespace datagen
