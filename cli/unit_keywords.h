// The words that name the units on the command line and in a schedule's unit cells, in the
// order the window's CHANGE buttons step through them. Case does not matter; an empty word
// is the unit the window starts with.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "units.h"

namespace varnel::cli {

template <typename Unit>
struct UnitKeyword {
    std::string_view keyword;
    Unit unit;
    std::string_view meaning;  // for the help text
};

inline constexpr std::array<UnitKeyword<SizeUnit>, 7> kSizeUnitKeywords{{
    {"awg", SizeUnit::Awg, "AWG gauge (the default)"},
    {"cmil", SizeUnit::CircularMils, "circular mils"},
    {"sqin", SizeUnit::SquareInches, "square inches"},
    {"sqmil", SizeUnit::SquareMils, "square mils"},
    {"kcmil", SizeUnit::Kcmil, "thousands of circular mils"},
    {"mcm", SizeUnit::Kcmil, "the same as kcmil"},
    {"mm2", SizeUnit::SquareMillimetres, "square millimetres"},
}};

inline constexpr std::array<UnitKeyword<LengthUnit>, 7> kLengthUnitKeywords{{
    {"ft", LengthUnit::Feet, "feet (the default)"},
    {"m", LengthUnit::Metres, "metres"},
    {"in", LengthUnit::Inches, "inches"},
    {"cm", LengthUnit::Centimetres, "centimetres"},
    {"yd", LengthUnit::Yards, "yards"},
    {"mi", LengthUnit::Miles, "miles"},
    {"km", LengthUnit::Kilometres, "kilometres"},
}};

// True when the word is the lower-case keyword in any case of its ASCII letters.
// EqualsIgnoringCase("KcMil", "kcmil") == true.
bool EqualsIgnoringCase(std::string_view word, std::string_view keyword);

// The size unit a word names, whatever its case; the empty word is AWG; nullopt for any other
// word. ReadSizeUnit("MCM") == SizeUnit::Kcmil, ReadSizeUnit("") == SizeUnit::Awg.
std::optional<SizeUnit> ReadSizeUnit(std::string_view word);

// The length unit a word names, whatever its case; the empty word is feet; nullopt for any
// other word. ReadLengthUnit("Km") == LengthUnit::Kilometres.
std::optional<LengthUnit> ReadLengthUnit(std::string_view word);

// The keywords of a table in its order, separated by commas: "ft, m, in, cm, yd, mi, km".
template <typename Unit, std::size_t N>
std::string KeywordList(const std::array<UnitKeyword<Unit>, N>& keywords) {
    std::string list;
    for (const UnitKeyword<Unit>& entry : keywords) {
        list.append(list.empty() ? "" : ", ").append(entry.keyword);
    }
    return list;
}

}  // namespace varnel::cli
