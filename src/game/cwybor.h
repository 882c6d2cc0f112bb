#pragma once

#include <cstdint>

namespace platform {
class SettingsStore;
}

namespace game {

// The Polish names in this file are explained in docs/glossary.md.

// Values of CWybor::ilosc.
inline constexpr std::int16_t QuantityFew = 1;     // 5 exercises
inline constexpr std::int16_t QuantityMedium = 2;  // 10 exercises
inline constexpr std::int16_t QuantityMany = 4;    // 15 exercises

// Bits of CWybor::scan. The options form keeps exactly one of the two switch bits and exactly one
// of the two cycle bits set.
inline constexpr int ScanOff = 1;
inline constexpr int ScanOneSwitch = 2;
inline constexpr int ScanTwoSwitches = 4;
inline constexpr int ScanExternalCycle = 8;
inline constexpr int ScanInternalCycle = 16;

// The scan times the program takes. The options slider runs 0 ... 100 % at 50 ms per percent,
// but a switch user must see the highlight arrive and have time to press before it moves on:
// a child with a motor disability needs about half a second at the very least (a healthy
// adult's simple reaction alone takes a quarter of a second), so no step is shorter.
inline constexpr std::int32_t ScanTimeMin = 500;
inline constexpr std::int32_t ScanTimeMax = 5000;

// Every choice the user makes, kept and passed by value: the main menu owns the live copy,
// every series and exercise works on a copy of its own. The field names are the names of the
// stored values.
class CWybor {
  public:
    std::int16_t ilosc = QuantityFew;  // quantity: 1, 2 or 4
    std::int16_t poziom = 1;           // level bit: 1, 2, 4 or 8 (I ... IV)
    std::int16_t gloski = 4;           // sound groups: bits 1, 2, 4; 0 = none selected
    std::int8_t scan = ScanOff | ScanTwoSwitches | ScanExternalCycle;
    std::int32_t scanTime = 1500;  // ms between automatic scanning steps

    // True when every bit of mask is set in scan.
    bool ScanFlag(int mask) const { return (scan & mask) == mask; }
    std::int16_t Level() const { return poziom; }
    std::int16_t SoundGroups() const { return gloski; }

    // Reads the five values from store. A value that is missing or not a number keeps the
    // field's current value and is written into the store, which is then saved (so the first
    // run leaves a complete file behind); a value outside the field's set takes the default.
    // Never throws; a failed save is ignored.
    void Load(platform::SettingsStore& store);
    // Writes all five values into store and saves it. False when saving failed. Never throws.
    bool Store(platform::SettingsStore& store) const;

    friend bool operator==(const CWybor&, const CWybor&) = default;
};

}  // namespace game
