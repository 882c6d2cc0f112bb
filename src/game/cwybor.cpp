#include "game/cwybor.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "game/cgrupa.h"
#include "platform/settings_store.h"

namespace game {

namespace {

constexpr std::string_view NameIlosc = "ilosc";
constexpr std::string_view NamePoziom = "poziom";
constexpr std::string_view NameGloski = "gloski";
constexpr std::string_view NameScan = "scan";
constexpr std::string_view NameScanTime = "scanTime";

// Values are checked as stored, before any narrowing to the field's width: a hand-edited 65537
// is not taken for quantity 1.

// Any other quantity would size no series at all.
std::optional<std::int16_t> CheckQuantity(std::uint32_t v) {
    if (v == QuantityFew || v == QuantityMedium || v == QuantityMany) {
        return static_cast<std::int16_t>(v);
    }
    return std::nullopt;
}

// Exactly one level bit; the exercise factory knows no other level.
std::optional<std::int16_t> CheckLevel(std::uint32_t v) {
    if (v == LevelI || v == LevelII || v == LevelIII || v == LevelIV) {
        return static_cast<std::int16_t>(v);
    }
    return std::nullopt;
}

// Any combination of the three groups, none included: the menu shows no group selected and
// keeps the start button disabled, exactly as the user left it. Unknown bits mean damage.
std::optional<std::int16_t> CheckSoundGroups(std::uint32_t v) {
    if ((v & ~static_cast<std::uint32_t>(SoundGroupL | SoundGroupR | SoundGroupJ)) == 0) {
        return static_cast<std::int16_t>(v);
    }
    return std::nullopt;
}

// Only the states the options form can produce: any scanning bit, exactly one switch bit,
// exactly one cycle bit. With both bits of a pair set (or neither) the form could show two
// options on at once, and a click on an option already on changes nothing, so the user could
// never repair it there.
std::optional<std::int8_t> CheckScan(std::uint32_t v) {
    constexpr std::uint32_t known =
        ScanOff | ScanOneSwitch | ScanTwoSwitches | ScanExternalCycle | ScanInternalCycle;
    const std::uint32_t switches = v & (ScanOneSwitch | ScanTwoSwitches);
    const std::uint32_t cycle = v & (ScanExternalCycle | ScanInternalCycle);
    if ((v & ~known) != 0 || (switches != ScanOneSwitch && switches != ScanTwoSwitches) ||
        (cycle != ScanExternalCycle && cycle != ScanInternalCycle)) {
        return std::nullopt;
    }
    return static_cast<std::int8_t>(v);
}

// The stored word is a signed 32-bit time. Zero or negative is no time at all and takes the
// default; anything else is brought within the times the program takes (a step faster than
// the floor could not be followed, one longer than the slider's full scale would leave the
// knob off its track).
std::optional<std::int32_t> CheckScanTime(std::uint32_t v) {
    const auto ms = static_cast<std::int32_t>(v);
    if (ms <= 0) {
        return std::nullopt;
    }
    return std::clamp(ms, ScanTimeMin, ScanTimeMax);
}

// Reads one value into field. Returns true when the value was missing (or not a number) and
// the field's current value was written in its place.
template <typename Field, typename Check>
bool LoadField(platform::SettingsStore& store, std::string_view name, Field& field, Field fallback,
               Check check) {
    const std::optional<std::uint32_t> stored = store.ReadDword(name);
    if (!stored) {
        store.WriteDword(name, static_cast<std::uint32_t>(field));
        return true;
    }
    field = check(*stored).value_or(fallback);
    return false;
}

}  // namespace

void CWybor::Load(platform::SettingsStore& store) {
    const CWybor defaults;
    try {
        bool added = false;
        added |= LoadField(store, NameIlosc, ilosc, defaults.ilosc, CheckQuantity);
        added |= LoadField(store, NamePoziom, poziom, defaults.poziom, CheckLevel);
        added |= LoadField(store, NameGloski, gloski, defaults.gloski, CheckSoundGroups);
        added |= LoadField(store, NameScan, scan, defaults.scan, CheckScan);
        added |= LoadField(store, NameScanTime, scanTime, defaults.scanTime, CheckScanTime);
        if (added) {
            store.Save();
        }
    } catch (...) {
        // Only memory can run out here; the record keeps what it has read so far.
    }
}

bool CWybor::Store(platform::SettingsStore& store) const {
    try {
        // Negative fields go out as their 32-bit two's complement, as a stored word would.
        return store.WriteDword(NameIlosc, static_cast<std::uint32_t>(ilosc)) &&
               store.WriteDword(NamePoziom, static_cast<std::uint32_t>(poziom)) &&
               store.WriteDword(NameGloski, static_cast<std::uint32_t>(gloski)) &&
               store.WriteDword(NameScan, static_cast<std::uint32_t>(scan)) &&
               store.WriteDword(NameScanTime, static_cast<std::uint32_t>(scanTime)) && store.Save();
    } catch (...) {
        return false;
    }
}

}  // namespace game
