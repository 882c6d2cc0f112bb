// Builds the whole Data folder: every file of the resource catalogue, made by the maker that
// owns its group. The tree is written beside the target and moved into place only when
// complete, so an interrupted run never leaves a half-made data set behind.

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "datagen.h"

using namespace catalog;

namespace {

using Maker = void (*)(const std::vector<const ResourceEntry*>&, datagen::Output&,
                       const datagen::Context&);

Maker MakerFor(ResourceGroup group) {
    switch (group) {
        case ResourceGroup::WordCard:
        case ResourceGroup::WordCardSecondSet:
        case ResourceGroup::EnlargedWordCard:
            return datagen::MakeCards;
        case ResourceGroup::WordRecording:
        case ResourceGroup::Praise:
        case ResourceGroup::Remark:
        case ResourceGroup::SpokenTile:
        case ResourceGroup::Instruction:
            return datagen::MakeSpeech;
        case ResourceGroup::MenuTune:
            return datagen::MakeTune;
        case ResourceGroup::Splash:
        case ResourceGroup::FormBackground:
        case ResourceGroup::AboutPage:
        case ResourceGroup::ButtonPicture:
            return datagen::MakeInterface;
        case ResourceGroup::ExerciseBackground:
        case ResourceGroup::FramedPicture:
        case ResourceGroup::TrackPiece:
        case ResourceGroup::ScoreDigit:
        case ResourceGroup::FigureFrame:
        case ResourceGroup::FigureMap:
        case ResourceGroup::SelectionFrame:
        case ResourceGroup::Tile:
        case ResourceGroup::EnlargedTile:
            return datagen::MakeGamePictures;
    }
    return nullptr;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void RunMaker(std::string_view name, Maker maker, const std::vector<const ResourceEntry*>& entries,
              datagen::Output& out, const datagen::Context& context) {
    const auto start = std::chrono::steady_clock::now();
    maker(entries, out, context);
    std::printf("%-9s %5zu entries in %.1f s\n", std::string(name).c_str(), entries.size(),
                SecondsSince(start));
}

int Usage() {
    std::fprintf(stderr, "usage: vimbaro-datagen --data DIR --emoji DIR --sheets DIR\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::filesystem::path> options;
    for (int i = 1; i + 1 < argc; i += 2) {
        options[argv[i]] = argv[i + 1];
    }
    if (argc != 7 || !options.contains("--data") || !options.contains("--emoji") ||
        !options.contains("--sheets")) {
        return Usage();
    }
    const std::filesystem::path target = options["--data"];
    const std::filesystem::path staging = target.string() + ".new";
    const auto start = std::chrono::steady_clock::now();
    try {
        std::filesystem::remove_all(staging);
        std::filesystem::create_directories(staging);
        const datagen::Context context{staging, options["--emoji"], options["--sheets"]};
        datagen::Output out(context);

        std::map<Maker, std::vector<const ResourceEntry*>> work;
        for (const ResourceEntry& entry : AllResources()) {
            // A pair is drawn once, from its on-white half.
            if (!entry.Partner.empty() && !entry.OnWhite) {
                continue;
            }
            work[MakerFor(entry.Group)].push_back(&entry);
        }
        // The cards are most of the work and share nothing with the rest: they get a core of
        // their own while the other makers run one after another on this thread.
        auto cards =
            std::async(std::launch::async, RunMaker, "cards", datagen::MakeCards,
                       std::cref(work[datagen::MakeCards]), std::ref(out), std::cref(context));
        RunMaker("speech", datagen::MakeSpeech, work[datagen::MakeSpeech], out, context);
        RunMaker("tune", datagen::MakeTune, work[datagen::MakeTune], out, context);
        RunMaker("interface", datagen::MakeInterface, work[datagen::MakeInterface], out, context);
        RunMaker("game", datagen::MakeGamePictures, work[datagen::MakeGamePictures], out, context);
        cards.get();
        out.WriteSheets();

        std::filesystem::remove_all(target);
        std::filesystem::rename(staging, target);
        std::printf("data set: %d files in %.1f s -> %s\n", out.FilesWritten(), SecondsSince(start),
                    target.string().c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vimbaro-datagen: %s\n", e.what());
        std::error_code ignored;
        std::filesystem::remove_all(staging, ignored);
        return 1;
    }
}
