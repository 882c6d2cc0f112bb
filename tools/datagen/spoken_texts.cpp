#include "spoken_texts.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <span>
#include <stdexcept>
#include <utility>

#include "catalog/word_table.h"

using namespace catalog;

namespace datagen {

namespace {

// Short and warm. The speaker and the child have no grammatical gender here: no past-tense
// verbs about the child, no "dumny"/"dumna".
constexpr std::string_view Praises[] = {
    "Brawo!",
    "Świetnie!",
    "Super, udało się!",
    "Doskonale!",
    "Wspaniale!",
    "Bardzo dobrze!",
    "Tak jest!",
    "Znakomicie!",
    "Pięknie!",
    "Ekstra!",
    "Rewelacja!",
    "Dobra robota!",
    "Jesteś super!",
    "Tak trzymaj!",
    "Brawo, właśnie tak!",
    "Ale ty to potrafisz!",
    "Hura, udało się!",
    "Fantastycznie!",
    "Cudownie!",
    "Mistrzowsko!",
    "Wyśmienicie!",
    "Pięknie ci idzie!",
    "Świetnie ci idzie!",
    "Dokładnie tak!",
    "Tak, zgadza się!",
    "Super!",
    "Znakomita robota!",
    "Bardzo ładnie!",
    "Gratulacje!",
    "Brawo, brawo!",
    "Ekstra, tak dalej!",
    "Idealnie!",
    "Rewelacyjnie!",
    "Jak dobrze ci to wychodzi!",
    "Brawo, to jest to!",
    "Wspaniała robota!",
};

// Said after a wrong choice: always an invitation to go on, never a reproach.
constexpr std::string_view Remarks[] = {
    "Spróbuj jeszcze raz.",
    "Prawie! Poszukaj jeszcze.",
    "Jeszcze nie to. Spróbuj dalej.",
    "Nic nie szkodzi, próbuj dalej.",
    "Popatrz jeszcze raz uważnie.",
    "Oj, to nie to. Szukaj dalej.",
    "Blisko! Spróbuj jeszcze raz.",
    "Pomyśl jeszcze chwilkę.",
    "Nie tym razem. Dasz radę!",
    "Spokojnie, spróbuj jeszcze.",
    "To nie ten. Poszukaj innego.",
    "Jeszcze jedna próba!",
    "Posłuchaj jeszcze raz i spróbuj.",
    "Prawie się udało!",
    "Szukaj dalej, na pewno znajdziesz.",
    "Nie poddawaj się!",
    "Spróbuj czegoś innego.",
    "Przyjrzyj się jeszcze raz.",
    "Oj, nie ten. Próbuj dalej.",
    "Jeszcze troszkę i się uda.",
    "Dasz radę, spróbuj znowu.",
    "To nie to, ale jesteś blisko.",
    "Pomyśl i spróbuj jeszcze raz.",
    "Nic się nie stało. Próbuj dalej.",
    "Jeszcze raz, powoli.",
    "Popatrz dokładnie i spróbuj.",
    "Wiem, że potrafisz. Spróbuj jeszcze.",
    "Każdy czasem się myli. Próbujemy dalej!",
    "Prawie dobrze! Szukaj dalej.",
    "Nie szkodzi, spróbujmy jeszcze raz.",
    "Zastanów się jeszcze chwilkę.",
};

using Pair = std::pair<std::string_view, std::string_view>;

// One or two sentences per exercise type: what the child looks at and what to pick. The
// child may drive the vehicle or use switches, so the texts say "choose", not "drive".
constexpr Pair Instructions[] = {
    {"S1a", "Ułóż liczby po kolei, od najmniejszej do największej. Zawsze wybierz następną."},
    {"S1b", "Ułóż liczby po kolei, od największej do najmniejszej. Zawsze wybierz następną."},
    {"S2a", "Ułóż litery w kolejności alfabetu, od pierwszej do ostatniej."},
    {"S2b", "Ułóż litery w odwrotnej kolejności alfabetu, od ostatniej do pierwszej."},
    {"S1_2",
     "Znajdź pary takich samych obrazków. Wybierz obrazek, a potem taki sam po drugiej "
     "stronie."},
    {"S1_6",
     "Połącz w pary obrazki, które do siebie pasują. Wybierz obrazek, a potem jego parę po "
     "drugiej stronie."},
    {"S1_8",
     "Znajdź pary takich samych cyfr. Wybierz cyfrę, a potem taką samą po drugiej stronie."},
    {"S2_1",
     "Popatrz na obrazki w rzędzie. Znajdź obrazek, który do nich pasuje, i wstaw go w puste "
     "miejsce."},
    {"S15", "Popatrz na literę w chmurce. Znajdź cztery takie same litery."},
    {"S5",
     "Porównaj liczby na dole. Który znak pasuje w miejsce znaku zapytania: równa się, "
     "mniejsze czy większe?"},
    {"S3", "Policz, ile wychodzi. Wybierz liczbę, która pasuje w miejsce znaku zapytania."},
    {"S4a", "Dodać czy odjąć? Wybierz plus albo minus, tak żeby rachunek się zgadzał."},
    {"S4_4", "Uzupełnij rachunek. Wybierz cyfrę, która pasuje w miejsce znaku zapytania."},
    {"S3_4a", "Popatrz na cyfrę w chmurce. Znajdź cztery takie same cyfry."},
    {"S3_11", "Popatrz na obrazek w chmurce. Znajdź cztery obrazki, które do niego pasują."},
    {"S6",
     "Połącz w pary obrazki, na których jest to samo. Wybierz obrazek, a potem jego parę po "
     "drugiej stronie."},
    {"S11",
     "Połącz każdą liczbę z jej cyfrą. Wybierz liczbę, a potem pasującą cyfrę po drugiej "
     "stronie."},
    {"S12", "Popatrz na liczbę w chmurce. Znajdź cztery takie same liczby."},
    {"S9", "Popatrz na obrazek i powiedz, co to jest. Której litery brakuje w słowie? Wybierz ją."},
    {"S10",
     "Popatrz na obrazek i ułóż jego nazwę z liter. Wybieraj litery po kolei, od pierwszej do "
     "ostatniej."},
    {"S171", "Popatrz na obrazek w chmurce. Znajdź cztery takie same obrazki."},
    {"S1721",
     "Popatrz na literę w chmurce. Znajdź cztery obrazki, w których nazwie słychać tę "
     "głoskę."},
    {"S1722",
     "Popatrz na obrazek w chmurce i powiedz, co to jest. Jaką głoskę słychać w tym słowie? "
     "Znajdź cztery takie litery."},
};

// Letters are said as a speech therapist says them, as sounds: vowels held; consonants that
// can be held (l, r, m, n, the hissing and hushing sounds) drawn out; the glides j and ł,
// the soft n and the stops and affricates with a short vowel after them ("py", "cy"),
// because they cannot be held on their own. The phoneme codes are the synthesiser's; the
// repetitions are tuned to about half a second each.
constexpr Pair Tiles[] = {
    // Vowels.
    {"a", "[['a:]]"},
    {"e", "[['E:]]"},
    {"i", "[['i:]]"},
    {"o", "[['O:]]"},
    {"u", "[['u:]]"},
    {"y", "[['y:]]"},
    {"aa", "[['O~:]]"},
    {"ee", "[['E~:]]"},
    // The three trained sounds.
    {"l", "[[llllllllllllll]]"},
    {"r", "[[RRRRRRR]]"},
    {"j", "[[j'y]]"},
    // Other sonorants.
    {"m", "[[mmmmm]]"},
    {"n", "[[nnnnnnnnnnnnnnnnnnnnnnnn]]"},
    {"ll", "[[w'y]]"},
    {"nn", "[[n^'i]]"},
    {"ni", "[[n^'i]]"},
    // Fricatives; "h" sounds as "ch".
    {"f", "[[fffff]]"},
    {"w", "[[vvvvv]]"},
    {"s", "[[sssss]]"},
    {"z", "[[zzzzz]]"},
    {"sz", "[[SSSSS]]"},
    {"zz", "[[ZZZZZ]]"},
    {"ss", "[[S;S;S;S;S;]]"},
    {"zzz", "[[Z;Z;Z;Z;Z;]]"},
    {"ch", "[[xxxxx]]"},
    {"h", "[[xxxxx]]"},
    // Stops.
    {"p", "[[p'y]]"},
    {"b", "[[b'y]]"},
    {"t", "[[t'y]]"},
    {"d", "[[d'y]]"},
    {"k", "[[k'y]]"},
    {"g", "[[g'y]]"},
    // Affricates.
    {"c", "[[ts'y]]"},
    {"cz", "[[tS'y]]"},
    {"cc", "[[ts;'i]]"},
    {"dz", "[[dz'y]]"},
    {"dzz", "[[dZ'y]]"},
    {"dzzz", "[[dz;'i]]"},
    // Number words.
    {"zero", "zero"},
    {"jeden", "jeden"},
    {"dwa", "dwa"},
    {"trzy", "trzy"},
    {"cztery", "cztery"},
    {"piec", "pięć"},
    {"szesc", "sześć"},
    {"siedem", "siedem"},
    {"osiem", "osiem"},
    {"dziewiec", "dziewięć"},
    // Signs; "niewiadoma" is the box whose value the child finds.
    {"rowny", "równa się"},
    {"plus", "plus"},
    {"minus", "minus"},
    {"niewiadoma", "znak zapytania"},
    {"wiekszy", "większe"},
    {"mniejszy", "mniejsze"},
};

static_assert(std::size(Praises) == PraiseCount);
static_assert(std::size(Remarks) == RemarkCount);

const std::string_view* Find(std::span<const Pair> table, std::string_view name) {
    const auto it =
        std::find_if(table.begin(), table.end(), [name](const Pair& p) { return p.first == name; });
    return it == table.end() ? nullptr : &it->second;
}

// The number after a one-letter prefix ("g7" -> 7), or 0 when the name has another form.
int NumberAfter(std::string_view name, char prefix) {
    if (name.size() < 2 || name.front() != prefix) {
        return 0;
    }
    int n = 0;
    const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), n);
    if (error != std::errc() || end != name.data() + name.size() || name[1] == '0') {
        return 0;
    }
    return n;
}

std::invalid_argument Unknown(std::string_view what, std::string_view name) {
    return std::invalid_argument("no text for " + std::string(what) + " \"" + std::string(name) +
                                 "\"");
}

}  // namespace

std::string_view PraiseText(int n) {
    if (n < 1 || n > PraiseCount) {
        throw std::out_of_range("praise number " + std::to_string(n));
    }
    return Praises[n - 1];
}

std::string_view RemarkText(int n) {
    if (n < 1 || n > RemarkCount) {
        throw std::out_of_range("remark number " + std::to_string(n));
    }
    return Remarks[n - 1];
}

std::string WordText(std::string_view key) {
    for (const WordRecord& word : WordTable()) {
        if (word.Key == key) {
            std::string text;
            for (char c : word.Spelling) {
                if (c != ',' && c != '_') {
                    text += c;
                }
            }
            return text;
        }
    }
    throw Unknown("word", key);
}

std::string TileText(std::string_view name) {
    if (const auto* text = Find(Tiles, name)) {
        return std::string(*text);
    }
    // Other tiles speak through the recording the game picks for them: a digit its number
    // word, a red letter the plain one, "rz" the "ż" ...
    const std::string recording = LetterSoundName(name);
    if (recording != name) {
        if (const auto* text = Find(Tiles, recording)) {
            return std::string(*text);
        }
    }
    throw Unknown("tile", name);
}

std::string_view InstructionText(std::string_view name) {
    if (const auto* text = Find(Instructions, name)) {
        return *text;
    }
    throw Unknown("instruction", name);
}

std::string SpokenText(const ResourceEntry& entry) {
    switch (entry.Group) {
        case ResourceGroup::WordRecording:
            return WordText(entry.Name);
        case ResourceGroup::Praise:
            if (const int n = NumberAfter(entry.Name, 'g'); n >= 1 && n <= PraiseCount) {
                return std::string(PraiseText(n));
            }
            throw Unknown("praise", entry.Name);
        case ResourceGroup::Remark:
            if (const int n = NumberAfter(entry.Name, 'b'); n >= 1 && n <= RemarkCount) {
                return std::string(RemarkText(n));
            }
            throw Unknown("remark", entry.Name);
        case ResourceGroup::SpokenTile:
            return TileText(entry.Name);
        case ResourceGroup::Instruction:
            return std::string(InstructionText(entry.Name));
        default:
            throw std::invalid_argument("\"" + entry.Path + "\" is not a recording");
    }
}

}  // namespace datagen
