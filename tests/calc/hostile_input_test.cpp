// Hostile texts typed into each field a press reads, in every unit that changes how the field
// is read or what is solved from it: each one ends the press with a message and writes
// nothing, and even a text of a megabyte is answered at once.
#include "calculator.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "case_table.h"
#include "hostile_texts.h"
#include "number_formats.h"
#include "typed_press.h"

namespace varnel {
namespace {

using namespace testing;

constexpr std::chrono::milliseconds kAnswerBound{250};

constexpr std::array<std::string_view, 6> kSizeUnits{
    "Awg", "CircularMils", "SquareInches", "SquareMils", "Kcmil", "SquareMillimetres"};
constexpr std::array<std::string_view, 7> kLengthUnits{
    "Feet", "Metres", "Inches", "Centimetres", "Yards", "Miles", "Kilometres"};

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

std::vector<FieldPlace> FieldPlaces() {
    std::vector<FieldPlace> places;
    for (std::size_t size = 0; size < kSizeUnits.size(); ++size) {
        auto sizeIndex = static_cast<std::int16_t>(size);
        places.push_back({"WireSizeIn" + std::string(kSizeUnits[size]),
                          kWireSize,
                          {"", "1000", ""},
                          sizeIndex,
                          0,
                          kSizeNotUnderstood,
                          kSizeAndResistanceBlank});
        places.push_back({"ResistanceSolvingWireSizeIn" + std::string(kSizeUnits[size]),
                          kResistance,
                          {"", "1000", ""},
                          sizeIndex,
                          0,
                          kResistanceNotUnderstood,
                          kSizeAndResistanceBlank});
    }
    for (std::size_t length = 0; length < kLengthUnits.size(); ++length) {
        places.push_back({"LengthIn" + std::string(kLengthUnits[length]),
                          kWireLength,
                          {"10", "", ""},
                          0,
                          static_cast<std::int16_t>(length),
                          kLengthNotUnderstood,
                          kLengthAndResistanceBlank});
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
