#include "word_pictures.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "emoji_set.h"

namespace datagen {

namespace {

// Pictures are chosen so that a child would name them with the word; near fits are kept only
// where the child would still say that word (a hatchet for "ciupaga", a speedometer for
// "licznik"), others are left as text. Altered keys follow their spelling: "losss" is the
// moose, "zebraa" the animal and "zebra" the ribs. No two words of one set share a picture,
// so picture pairs always have one right partner.
constexpr WordPicture Rows[] = {
    {"abecadlo", "input-latin-uppercase", "input-latin-uppercase"},
    {"adres", "", ""},
    {"ananas", "pineapple", "pineapple"},
    {"aparat", "camera", "camera"},
    {"apteczka", "openmoji:first-aid-kit", "game:first-aid-kit"},
    {"arbuzy", "watermelon+watermelon", "watermelon+watermelon"},
    {"atlas", "world-map", "world-map"},
    {"autobus", "bus", "bus"},
    {"babcia", "old-woman", "old-woman"},
    {"bagaze", "luggage", "luggage"},
    {"basen", "person-swimming", "person-swimming"},
    {"bilet", "ticket", "ticket"},
    {"blazen", "clown-face", "clown-face"},
    {"bobr", "beaver", "beaver"},
    {"bocian", "game:stork-delivery", "game:stork-delivery"},
    {"brazowy", "brown-circle", "brown-circle"},
    {"brzuch", "", ""},
    {"bucik", "running-shoe", "running-shoe"},
    {"budzik", "alarm-clock", "alarm-clock"},
    {"buraki", "game:beet+game:beet", "game:beet+game:beet"},
    {"butelka", "baby-bottle", "baby-bottle"},
    {"buzia", "smiling-face-with-smiling-eyes", "smiling-face-with-smiling-eyes"},
    {"cebula", "onion", "onion"},
    {"cegla", "brick", "brick"},
    {"cena", "label", "label"},
    {"cennik", "", ""},
    {"centymetr", "straight-ruler", "straight-ruler"},
    {"chleb", "bread", "bread"},
    {"ciagnik", "game:farm-tractor", "game:farm-tractor"},
    {"ciezar", "person-lifting-weights", "person-lifting-weights"},
    {"ciezarek", "game:weight", "game:weight"},
    {"ciezarowka", "articulated-lorry", "articulated-lorry"},
    {"ciupaga", "game:hatchet", "game:hatchet"},
    {"cukierki", "candy+candy+candy", "candy+candy+candy"},
    {"cyfry", "input-numbers", "input-numbers"},
    {"cymbalki", "game:xylophone", "game:xylophone"},
    {"cyrk", "circus-tent", "circus-tent"},
    {"cyrkiel", "", ""},
    {"cytryna", "lemon", "lemon"},
    {"czajnik", "teapot", "teapot"},
    {"czarny", "black-circle", "black-circle"},
    {"czarodziej", "man-mage", "man-mage"},
    {"czekolada", "chocolate-bar", "chocolate-bar"},
    {"czepek", "", ""},
    {"czeresnia", "cherries", "cherries"},
    {"czeresnie", "cherries+cherries", "cherries+cherries"},
    {"czerwony", "red-circle", "red-circle"},
    {"czolg", "game:tank", "game:tank"},
    {"cztery", "keycap-4", "keycap-4"},
    {"czupryna", "person-curly-hair", "person-curly-hair"},
    {"czytanka", "open-book", "open-book"},
    {"deska", "game:planks", "game:planks"},
    {"drabina", "ladder", "ladder"},
    {"dres", "", ""},
    {"drogowskaz", "openmoji:signpost", "game:direction-signs"},
    {"drzewo", "deciduous-tree", "deciduous-tree"},
    {"dzbanek", "amphora", "amphora"},
    {"dzem", "openmoji:jar-with-red-content", "openmoji:jar-with-purple-content"},
    {"dziadek", "old-man", "old-man"},
    {"dzialo", "game:cannon", "game:cannon"},
    {"dzida", "game:stone-spear", "game:stone-spear"},
    {"dziecko", "child", "child"},
    {"dzien", "sun", "sun"},
    {"dziewiatka", "keycap-9", "keycap-9"},
    {"dzin", "man-genie", "man-genie"},
    {"dziob", "", ""},
    {"dziupla", "game:tree-door", "game:tree-door"},
    {"dziura", "hole", "hole"},
    {"dziurkacz", "", ""},
    {"dzojstik", "joystick", "joystick"},
    {"dzokej", "horse-racing", "horse-racing"},
    {"dzoker", "joker", "joker"},
    {"dzudoka", "martial-arts-uniform", "martial-arts-uniform"},
    {"dzungla", "palm-tree+monkey+palm-tree", "palm-tree+monkey+palm-tree"},
    {"dzwig", "building-construction", "building-construction"},
    {"dzwonek", "bell", "bell"},
    {"fabryka", "factory", "factory"},
    {"filizanka", "hot-beverage", "hot-beverage"},
    {"fotel", "openmoji:armchair", "game:armchair"},
    {"fotograf", "man+camera-with-flash", "man+camera-with-flash"},
    {"galezie", "game:tree-branch", "leafless-tree"},
    {"gazeta", "newspaper", "newspaper"},
    {"globus", "globe-with-meridians", "globe-with-meridians"},
    {"gniazdo", "nest-with-eggs", "nest-with-eggs"},
    {"godzina", "three-oclock", "three-oclock"},
    {"grabie", "game:rake", "game:rake"},
    {"grosz", "openmoji:coin", "game:two-coins"},
    {"gruszka", "pear", "pear"},
    {"guzik", "game:shirt-button", "game:shirt-button"},
    {"gwiazda", "star", "star"},
    {"hustawka", "game:tree-swing", "game:tree-swing"},
    {"hydrant", "", ""},
    {"jabluszko", "red-apple", "red-apple"},
    {"jagody", "blueberries", "blueberries"},
    {"jajko", "egg", "egg"},
    {"jarzebina", "game:elderberry", "game:elderberry"},
    {"jaskolka", "", ""},
    {"jastrzab", "eagle", "eagle"},
    {"jez", "hedgehog", "hedgehog"},
    {"jeze", "hedgehog+hedgehog", "hedgehog+hedgehog"},
    {"jezyk", "tongue", "tongue"},
    {"jezyna", "", ""},
    {"jogurt", "", ""},
    {"kalosz", "game:rubber-boot", "game:rubber-boot"},
    {"kalosze", "game:rubber-boot+game:rubber-boot", "game:rubber-boot+game:rubber-boot"},
    {"kapelusz", "womans-hat", "womans-hat"},
    {"kapsel", "game:bottle-cap", "game:bottle-cap"},
    {"kapusta", "leafy-green", "leafy-green"},
    {"kasa", "", ""},
    {"kaseta", "videocassette", "videocassette"},
    {"kierownica", "game:steering-wheel", "game:steering-wheel"},
    {"kiosk", "", ""},
    {"klacz", "horse", "horse"},
    {"klatka", "game:bird-cage", "game:bird-cage"},
    {"klawisz", "", ""},
    {"klej", "", ""},
    {"klocki", "game:cubes", "game:cubes"},
    {"klosz", "", ""},
    {"klucz", "old-key", "old-key"},
    {"kluczyk", "key", "key"},
    {"kociak", "cat", "cat"},
    {"kociol", "pot-of-food", "pot-of-food"},
    {"kokos", "coconut", "coconut"},
    {"kolec", "", ""},
    {"kolyska", "", ""},
    {"komiks", "", ""},
    {"kompas", "compass", "compass"},
    {"kosz", "basket", "basket"},
    {"koszula", "t-shirt", "t-shirt"},
    {"kotlety", "cut-of-meat+cut-of-meat", "cut-of-meat+cut-of-meat"},
    {"kotwica", "anchor", "anchor"},
    {"kowal", "game:blacksmith", "game:blacksmith"},
    {"koza", "goat", "goat"},
    {"koziol", "game:goat", "game:goat"},
    {"krab", "crab", "crab"},
    {"kran", "potable-water", "potable-water"},
    {"krawat", "necktie", "necktie"},
    {"kredki", "crayon+crayon+crayon", "crayon+crayon+crayon"},
    {"ksiaze", "prince", "prince"},
    {"kukurydza", "ear-of-corn", "ear-of-corn"},
    {"kwadrat", "orange-square", "orange-square"},
    {"labedz", "swan", "swan"},
    {"lalka", "nesting-dolls", "nesting-dolls"},
    {"lampa", "openmoji:desk-lamp", "game:desk-lamp"},
    {"las", "evergreen-tree+evergreen-tree+evergreen-tree",
     "evergreen-tree+evergreen-tree+evergreen-tree"},
    {"latarka", "flashlight", "flashlight"},
    {"latarnia", "openmoji:lighthouse", "lighthouse"},
    {"latawiec", "kite", "kite"},
    {"lejce", "", ""},
    {"lejek", "game:funnel", "game:funnel"},
    {"lekarstwo", "pill", "pill"},
    {"lekarz", "health-worker", "health-worker"},
    {"lew", "lion", "lion"},
    {"lezak", "", ""},
    {"liczby", "keycap-3+keycap-10+keycap-7", "keycap-3+keycap-10+keycap-7"},
    {"licznik", "game:speedometer", "game:speedometer"},
    {"liczydlo", "abacus", "abacus"},
    {"linijki", "straight-ruler+triangular-ruler", "straight-ruler+triangular-ruler"},
    {"lis", "fox", "fox"},
    {"list", "envelope", "envelope"},
    {"listek", "maple-leaf", "maple-leaf"},
    {"listonosz", "man+envelope", "man+envelope"},
    {"lisy", "fox+fox", "fox+fox"},
    {"lizak", "lollipop", "lollipop"},
    {"lizaki", "lollipop+lollipop+lollipop", "lollipop+lollipop+lollipop"},
    {"lodowka", "game:fridge", "game:fridge"},
    {"lody", "ice-cream", "ice-cream"},
    {"lodz", "canoe", "canoe"},
    {"lodzie", "canoe+sailboat", "canoe+sailboat"},
    {"lokomotywa", "locomotive", "locomotive"},
    {"lornetka", "game:binoculars", "game:binoculars"},
    {"los", "admission-tickets", "admission-tickets"},
    {"losss", "moose", "moose"},
    {"lotnik", "pilot", "pilot"},
    {"lotnisko", "airplane-departure", "airplane-departure"},
    {"lufa", "", ""},
    {"luneta", "telescope", "telescope"},
    {"lusterko", "mirror", "mirror"},
    {"lustro", "game:mirror-mirror", "game:mirror-mirror"},
    {"lyzwy", "ice-skate", "ice-skate"},
    {"maczuga", "game:wood-club", "game:wood-club"},
    {"magnes", "magnet", "magnet"},
    {"malarz", "artist", "artist"},
    {"mamusia", "woman-feeding-baby", "woman-feeding-baby"},
    {"marchewka", "carrot", "carrot"},
    {"maska", "diving-mask", "diving-mask"},
    {"maszt", "game:radio-tower", "game:radio-tower"},
    {"mazak", "game:highlighter", "game:highlighter"},
    {"medal", "sports-medal", "sports-medal"},
    {"mikrofon", "microphone", "microphone"},
    {"mis", "teddy-bear", "teddy-bear"},
    {"misie", "teddy-bear+teddy-bear", "teddy-bear+teddy-bear"},
    {"mleko", "glass-of-milk", "glass-of-milk"},
    {"most", "bridge-at-night", "bridge-at-night"},
    {"motocykl", "motorcycle", "motorcycle"},
    {"motylek", "butterfly", "butterfly"},
    {"muszelka", "spiral-shell", "spiral-shell"},
    {"nasiona", "", ""},
    {"naszyjnik", "prayer-beads", "prayer-beads"},
    {"natrysk", "shower", "shower"},
    {"nauczyciel", "man-teacher", "man-teacher"},
    {"nic", "thread", "thread"},
    {"noc", "night-with-stars", "night-with-stars"},
    {"nos", "nose", "nose"},
    {"nosze", "openmoji:stretcher", ""},
    {"obrus", "", ""},
    {"oczy", "eyes", "eyes"},
    {"ogloszenie", "", ""},
    {"ogrodnik", "openmoji:gardener-man", "openmoji:gardener-woman"},
    {"ogryzek", "game:apple-core", "game:apple-core"},
    {"okucie", "", ""},
    {"okulary", "glasses", "glasses"},
    {"oliwki", "olive", "olive"},
    {"orzech", "peanuts", "peanuts"},
    {"osa", "game:wasp-sting", "game:wasp-sting"},
    {"otwieracz", "game:corkscrew", "game:corkscrew"},
    {"owoce", "red-apple+pear+grapes", "red-apple+pear+grapes"},
    {"paczek", "doughnut", "doughnut"},
    {"paczka", "package", "package"},
    {"pajac", "game:puppet", "game:puppet"},
    {"pajak", "spider", "spider"},
    {"pajeczyna", "spider-web", "spider-web"},
    {"palec", "index-pointing-up", "index-pointing-up"},
    {"palma", "palm-tree", "palm-tree"},
    {"pantofle", "flat-shoe+flat-shoe", "flat-shoe+flat-shoe"},
    {"paproc", "game:fern", "game:fern"},
    {"parasol", "umbrella", "umbrella"},
    {"patyczek", "game:wood-stick", "game:wood-stick"},
    {"pedzel", "paintbrush", "paintbrush"},
    {"piec", "game:furnace", "game:furnace"},
    {"pieczarki", "brown-mushroom+brown-mushroom", "brown-mushroom+brown-mushroom"},
    {"pieczatka", "game:stamper", "game:stamper"},
    {"pieniadze", "money-bag", "money-bag"},
    {"pioropusz", "game:war-bonnet", "game:war-bonnet"},
    {"pisanka", "game:easter-egg", "game:easter-egg"},
    {"piskle", "hatching-chick", "hatching-chick"},
    {"placek", "pie", "pie"},
    {"plaster", "adhesive-bandage", "adhesive-bandage"},
    {"plaza", "beach-with-umbrella", "beach-with-umbrella"},
    {"plecak", "backpack", "backpack"},
    {"plus", "plus", "plus"},
    {"pociag", "train", "train"},
    {"pocztowka", "", ""},
    {"poduszka", "game:pillow", "game:pillow"},
    {"pomidor", "tomato", "tomato"},
    {"pomidory", "tomato+tomato+tomato", "tomato+tomato+tomato"},
    {"porecz", "", ""},
    {"pozar", "fire", "fire"},
    {"pranie", "game:clothesline", "game:clothesline"},
    {"prezent", "wrapped-gift", "wrapped-gift"},
    {"prosiak", "pig-face", "pig-face"},
    {"ptaszek", "bird", "bird"},
    {"pudel", "poodle", "poodle"},
    {"puszka", "canned-food", "canned-food"},
    {"radio", "radio", "radio"},
    {"rak", "lobster", "lobster"},
    {"rakieta", "rocket", "rocket"},
    {"rama", "framed-picture", "framed-picture"},
    {"rodzice", "man+woman", "man+woman"},
    {"rogal", "croissant", "croissant"},
    {"rondel", "game:saucepan", "game:saucepan"},
    {"rowerek", "bicycle", "bicycle"},
    {"roza", "rose", "rose"},
    {"rozowy", "pink-heart", "pink-heart"},
    {"rysunek", "", ""},
    {"rzepa", "", ""},
    {"rzesy", "game:eyelashes", "game:eyelashes"},
    {"rzodkiewki", "openmoji:root-vegetable+openmoji:root-vegetable",
     "root-vegetable+root-vegetable"},
    {"sad", "deciduous-tree+red-apple+deciduous-tree", "deciduous-tree+red-apple+deciduous-tree"},
    {"samochod", "automobile", "automobile"},
    {"samolot", "airplane", "airplane"},
    {"sanki", "sled", "sled"},
    {"sarenka", "deer", "deer"},
    {"sep", "game:vulture", "game:vulture"},
    {"sidla", "mouse-trap", "mouse-trap"},
    {"siekiera", "axe", "axe"},
    {"sierp", "game:sickle", "game:sickle"},
    {"sikawka", "fire-engine", "fire-engine"},
    {"silnik", "openmoji:motor", "game:boat-engine"},
    {"siodelko", "", ""},
    {"siodlo", "game:saddle", "game:saddle"},
    {"sitko", "", ""},
    {"skarb", "coin+gem-stone+coin", "treasure-chest"},
    {"skarpetki", "socks", "socks"},
    {"skobel", "", ""},
    {"slimak", "snail", "snail"},
    {"sliwki", "game:plum+game:plum", "game:plum+game:plum"},
    {"smiglo", "game:boat-propeller", "game:boat-propeller"},
    {"sol", "salt", "salt"},
    {"sople", "", ""},
    {"sowa", "owl", "owl"},
    {"spiwor", "game:sleeping-bag", "game:sleeping-bag"},
    {"stempel", "", ""},
    {"stokrotka", "blossom", "blossom"},
    {"stopien", "", ""},
    {"strach", "fearful-face", "fearful-face"},
    {"strus", "game:ostrich", "game:ostrich"},
    {"studnia", "game:well", "game:well"},
    {"swinia", "pig", "pig"},
    {"szabla", "crossed-swords", "crossed-swords"},
    {"szalik", "scarf", "scarf"},
    {"szampan", "bottle-with-popping-cork", "bottle-with-popping-cork"},
    {"szelki", "", ""},
    {"szew", "", ""},
    {"szklanka", "tumbler-glass", "tumbler-glass"},
    {"szkola", "school", "school"},
    {"sznur", "game:rope-coil", "game:rope-coil"},
    {"sznurowki", "", ""},
    {"szopa", "derelict-house", "derelict-house"},
    {"szorty", "shorts", "shorts"},
    {"szpilka", "high-heeled-shoe", "high-heeled-shoe"},
    {"szpital", "hospital", "hospital"},
    {"szufelka", "", ""},
    {"szuflada", "file-cabinet", "file-cabinet"},
    {"szyba", "window", "window"},
    {"szyja", "", ""},
    {"szyszka", "", ""},
    {"tablica", "placard", "placard"},
    {"taksowka", "taxi", "taxi"},
    {"tasak", "game:meat-cleaver", "game:meat-cleaver"},
    {"teatr", "performing-arts", "performing-arts"},
    {"tecza", "rainbow", "rainbow"},
    {"teczka", "briefcase", "briefcase"},
    {"telefon", "telephone", "telephone"},
    {"telewizor", "television", "television"},
    {"tort", "birthday-cake", "birthday-cake"},
    {"traba", "trumpet", "trumpet"},
    {"trabant", "", ""},
    {"traktor", "tractor", "tractor"},
    {"tran", "", ""},
    {"tratwa", "game:raft", "game:raft"},
    {"trawa", "game:high-grass", "game:high-grass"},
    {"trebacz", "man+trumpet", "man+trumpet"},
    {"truskawka", "strawberry", "strawberry"},
    {"tygrys", "tiger", "tiger"},
    {"ul", "game:beehive", "game:beehive"},
    {"ulica", "motorway", "motorway"},
    {"uszy", "ear+ear", "ear+ear"},
    {"wafel", "waffle", "waffle"},
    {"wafle", "waffle+waffle", "waffle+waffle"},
    {"warkocz", "", ""},
    {"warzywa", "carrot+broccoli+tomato", "carrot+broccoli+tomato"},
    {"wazon", "game:porcelain-vase", "game:porcelain-vase"},
    {"wezel", "knot", "knot"},
    {"wiatrak", "game:windmill", "game:windmill"},
    {"widelec", "fork-and-knife", "fork-and-knife"},
    {"wieza", "tokyo-tower", "tokyo-tower"},
    {"wisnia", "game:cherry", "game:cherry"},
    {"wlos", "", ""},
    {"wozy", "game:old-wagon+game:old-wagon", "game:old-wagon+game:old-wagon"},
    {"wyspa", "desert-island", "desert-island"},
    {"wywrotka", "game:mine-truck", "game:mine-truck"},
    {"zab", "tooth", "tooth"},
    {"zaba", "frog", "frog"},
    {"zabawki", "teddy-bear+kite+yo-yo", "teddy-bear+kite+yo-yo"},
    {"zadlo", "", ""},
    {"zagiel", "game:sail", "game:sail"},
    {"zaglowka", "sailboat", "sailboat"},
    {"zagroda", "", ""},
    {"zajac", "rabbit", "rabbit"},
    {"zakret", "game:mountain-road", "game:mountain-road"},
    {"zakupy", "shopping-cart", "shopping-cart"},
    {"zamek", "castle", "castle"},
    {"zapalki", "game:matchbox", "game:matchbox"},
    {"zapalniczka", "openmoji:lighter", "game:lighter"},
    {"zaproszenie", "", ""},
    {"zarowka", "light-bulb", "light-bulb"},
    {"zebra", "x-ray", "x-ray"},
    {"zebraa", "zebra", "zebra"},
    {"zegar", "mantelpiece-clock", "mantelpiece-clock"},
    {"zero", "keycap-0", "keycap-0"},
    {"ziarno", "sheaf-of-rice", "sheaf-of-rice"},
    {"zielony", "green-circle", "green-circle"},
    {"ziemia", "globe-showing-europe-africa", "globe-showing-europe-africa"},
    {"zjezdzalnia", "playground-slide", "playground-slide"},
    {"zlew", "game:sink", "game:sink"},
    {"zloto", "game:gold-bar", "game:gold-bar"},
    {"zlotowka", "coin", "coin"},
    {"zmija", "snake", "snake"},
    {"znak", "warning", "warning"},
    {"zoltko", "cooking", "cooking"},
    {"zolw", "turtle", "turtle"},
    {"zonkil", "", ""},
    {"zrebie", "horse-face", "horse-face"},
    {"zuk", "beetle", "beetle"},
    {"zuraw", "game:crane", "game:crane"},
    {"zyletka", "game:razor-blade", "game:razor-blade"},
    {"zyrafa", "giraffe", "giraffe"},
    {"zyrandol", "game:ceiling-light", "game:ceiling-light"},
};

constexpr std::string_view OpenMojiPrefix = "openmoji:";
constexpr std::string_view GameIconsPrefix = "game:";

IconRef ParseIcon(std::string_view text, IconSet plainSet) {
    if (text.starts_with(OpenMojiPrefix)) {
        return {IconSet::OpenMoji, text.substr(OpenMojiPrefix.size())};
    }
    if (text.starts_with(GameIconsPrefix)) {
        return {IconSet::GameIcons, text.substr(GameIconsPrefix.size())};
    }
    if (text.find(':') != std::string_view::npos) {
        throw std::invalid_argument("icon \"" + std::string(text) + "\" names an unknown set");
    }
    return {plainSet, text};
}

}  // namespace

std::string_view IconSetFolder(IconSet set) {
    switch (set) {
        case IconSet::Fluent:
            return "fluent-emoji-flat";
        case IconSet::Noto:
            return "noto";
        case IconSet::OpenMoji:
            return "openmoji";
        case IconSet::GameIcons:
            return "game-icons";
    }
    throw std::invalid_argument("unknown icon set");
}

std::span<const WordPicture> WordPictures() {
    return Rows;
}

const WordPicture* FindWordPicture(std::string_view key) {
    auto found =
        std::lower_bound(std::begin(Rows), std::end(Rows), key,
                         [](const WordPicture& row, std::string_view k) { return row.Key < k; });
    if (found == std::end(Rows) || found->Key != key) {
        return nullptr;
    }
    return &*found;
}

std::vector<IconRef> CellIcons(std::string_view cell, IconSet plainSet) {
    std::vector<IconRef> icons;
    if (cell.empty()) {
        return icons;
    }
    for (;;) {
        const size_t plus = cell.find('+');
        icons.push_back(ParseIcon(cell.substr(0, plus), plainSet));
        if (plus == std::string_view::npos) {
            return icons;
        }
        cell.remove_prefix(plus + 1);
    }
}

void CheckWordPictures(std::span<const WordPicture> rows, const IconSets& sets) {
    for (const WordPicture& row : rows) {
        try {
            for (const auto& icons : {NormalIcons(row), SecondIcons(row)}) {
                for (const IconRef& icon : icons) {
                    const EmojiSet* set = sets[static_cast<size_t>(icon.Set)];
                    if (set != nullptr && !set->Has(icon.Name)) {
                        set->Svg(icon.Name);  // throws, naming the icon and the set
                    }
                }
            }
        } catch (const std::exception& error) {
            throw std::runtime_error("word \"" + std::string(row.Key) + "\": " + error.what());
        }
    }
}

std::string CardText(std::string_view spelling) {
    std::string text;
    for (char c : spelling) {
        if (c != ',' && c != '_') {
            text += c;
        }
    }
    return text;
}

}  // namespace datagen
