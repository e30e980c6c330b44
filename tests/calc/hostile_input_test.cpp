// Hostile texts typed into each field a press reads, in every unit that changes how the field
// is read or what is solved from it: each one ends the press with a message and writes
// nothing, and even a text of a megabyte is answered at once.
#include "calculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "case_table.h"
#include "hostile_texts.h"
#include "number_formats.h"
#include "typed_press.h"
#include "units.h"

namespace varnel {
namespace {

using namespace testing;

constexpr std::chrono::milliseconds kAnswerBound{250};

// A field that receives the hostile text, with the other two fields set so that the press
// reads it: one holds a valid number, the other is left blank to be solved.
struct FieldPlace {
    std::string name;
    std::size_t field;
    std::array<std::string, 3> texts;
    std::int16_t sizeIndex;
    std::int16_t lengthIndex;
    std::string_view notUnderstood;
    std::string_view blankRule;
};

constexpr std::size_t kWireSize = 0;
constexpr std::size_t kWireLength = 1;
constexpr std::size_t kResistance = 2;

// The places, each in every unit of its kind: the wire size's or the length's.
struct PlaceInEveryUnit {
    std::string_view name;
    std::size_t field;
    std::array<std::string, 3> texts;
    bool inSizeUnits;
    std::string_view notUnderstood;
    std::string_view blankRule;
};

// clang-format off
const std::array<PlaceInEveryUnit, 3> kPlaces{{
    {"WireSizeIn", kWireSize, {"", "1000", ""}, true, kSizeNotUnderstood, kSizeAndResistanceBlank},
    {"ResistanceSolvingWireSizeIn", kResistance, {"", "1000", ""}, true, kResistanceNotUnderstood, kSizeAndResistanceBlank},
    {"LengthIn", kWireLength, {"10", "", ""}, false, kLengthNotUnderstood, kLengthAndResistanceBlank},
}};
// clang-format on

// The names of a kind's units in the order of its cycle, as the core's tables give them.
template <typename UnitTable>
std::vector<std::string_view> UnitNames(const UnitTable& units) {
    std::vector<std::string_view> names;
    for (const auto& unit : units) {
        names.push_back(unit.name);
    }
    return names;
}

// A unit's name as part of a test's name: its letters and digits ("KCMILorMCM").
std::string NamePart(std::string_view unitName) {
    std::string part;
    std::copy_if(unitName.begin(), unitName.end(), std::back_inserter(part),
                 [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
    return part;
}

std::vector<FieldPlace> FieldPlaces() {
    std::vector<FieldPlace> places;
    for (const PlaceInEveryUnit& place : kPlaces) {
        std::vector<std::string_view> units =
            place.inSizeUnits ? UnitNames(SIZE_UNITS) : UnitNames(LENGTH_UNITS);
        for (std::size_t unit = 0; unit < units.size(); ++unit) {
            auto index = static_cast<std::int16_t>(unit);
            places.push_back({std::string(place.name) + NamePart(units[unit]), place.field,
                              place.texts, place.inSizeUnits ? index : std::int16_t{0},
                              place.inSizeUnits ? std::int16_t{0} : index, place.notUnderstood,
                              place.blankRule});
        }
    }
    return places;
}

class HostileInput : public ::testing::TestWithParam<std::tuple<FieldPlace, HostileText>> {};

TEST_P(HostileInput, EndsThePressWithAMessageAtOnce) {
    const auto& [place, hostile] = GetParam();
    std::array<std::string, 3> texts = place.texts;
    texts[place.field] = hostile.text;
    auto start = std::chrono::steady_clock::now();
    PressOutcome outcome = PressOnce({texts[kWireSize], texts[kWireLength], texts[kResistance],
                                      static_cast<SizeUnit>(place.sizeIndex),
                                      static_cast<LengthUnit>(place.lengthIndex)})
                               .outcome;
    auto elapsed = std::chrono::steady_clock::now() - start;

    EXPECT_EQ(MessageOf(outcome),
              hostile.ending == Ending::BlankRule ? place.blankRule : place.notUnderstood);
    EXPECT_LT(elapsed, kAnswerBound);
}

INSTANTIATE_TEST_SUITE_P(EveryField, HostileInput,
                         ::testing::Combine(::testing::ValuesIn(FieldPlaces()),
                                            ::testing::ValuesIn(kHostileTexts)),
                         [](const auto& info) {
                             return std::get<0>(info.param).name + "_" +
                                    std::get<1>(info.param).name;
                         });

}  // namespace
}  // namespace varnel
