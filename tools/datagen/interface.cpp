// MakeInterface: the splash, the form backgrounds, the about pages and every picture of the
// button library. Each entry is matched by group and name; a name nobody draws is an error,
// so the data set never holds a blank picture.

#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

#include "datagen.h"
#include "interface_pictures.h"

using namespace catalog;

namespace datagen {

namespace {

// The base name of a data file entry: folders and the size suffix dropped ("Intf/T" -> "T",
// "kom_s" -> "kom"), in case a catalogue names entries by path.
std::string_view BaseName(std::string_view name) {
    const size_t slash = name.find_last_of('/');
    if (slash != std::string_view::npos) {
        name.remove_prefix(slash + 1);
    }
    if (name.ends_with("_s") || name.ends_with("_b")) {
        name.remove_suffix(2);
    }
    return name;
}

// "abo_w" and "abo_b" are the two halves of one page.
std::string_view PageName(std::string_view name) {
    name = BaseName(name);
    if (name.ends_with("_w") || name.ends_with("_b")) {
        name.remove_suffix(2);
    }
    return name;
}

void MakeOne(const ResourceEntry& entry, Output& out) {
    const std::string where = " (" + entry.Path + ")";
    switch (entry.Group) {
        case ResourceGroup::Splash:
            if (BaseName(entry.Name) != "sph") {
                throw std::runtime_error("unknown splash picture" + where);
            }
            out.Jpeg(entry, DrawSplash(), Sheet::Backgrounds);
            return;
        case ResourceGroup::FormBackground:
            out.Jpeg(entry, DrawFormBackground(BaseName(entry.Name), entry.Layout),
                     Sheet::Backgrounds);
            return;
        case ResourceGroup::AboutPage:
            out.Pair(entry, DrawAboutPage(PageName(entry.Name), entry.Layout), Sheet::Backgrounds);
            return;
        case ResourceGroup::ButtonPicture: {
            const ButtonPicture picture = ParseButtonPicture(entry.Name, entry.Layout);
            out.Pair(entry, DrawButtonPicture(picture, entry.Layout), Sheet::Buttons);
            return;
        }
        default:
            throw std::runtime_error("not an interface picture" + where);
    }
}

}  // namespace

void MakeInterface(const std::vector<const ResourceEntry*>& entries, Output& out,
                   const Context& /*ctx*/) {
    // Both halves of a pair may be listed; the pair is written once.
    std::set<std::string> done;
    for (const ResourceEntry* entry : entries) {
        if (done.contains(entry->Path)) {
            continue;
        }
        try {
            MakeOne(*entry, out);
        } catch (const std::runtime_error& e) {
            const std::string what = e.what();
            if (what.find(entry->Path) != std::string::npos) {
                throw;
            }
            throw std::runtime_error(what + " (" + entry->Path + ")");
        }
        done.insert(entry->Path);
        if (!entry->Partner.empty()) {
            done.insert(entry->Partner);
        }
    }
}

}  // namespace datagen
