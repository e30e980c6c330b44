// One press of CALCULATE driven by libFuzzer: the fuzzer's bytes choose the three field
// texts, the two units and the locale, and every press must end in exactly one of its three
// outcomes, a result only ever answering for the one blank field. The arithmetic itself is left to
// the unit tests; this target checks only what holds for any input.
//
// Byte layout (FuzzedDataProvider): the last byte chooses the size unit (modulo 6), the one
// before it the length unit (modulo 7) and the one before that the locale (modulo 5). From
// the front, WIRESIZE and then WIRELENGTH each run up to a backslash followed by any other
// byte, with a doubled backslash standing for one; RESISTANCE is every byte left.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "calculator.h"
#include "number_formats.h"
#include "numeric_text.h"
#include "typed_press.h"
#include "units.h"

namespace varnel {
namespace {

const std::array<const NumberFormat*, 5> kFormats{
    &testing::kPeriod, &testing::kComma,       &testing::kCommaNoBreakSpace,
    &testing::kFrench, &testing::kSwissGerman,
};

constexpr auto kLastSizeIndex = static_cast<std::int16_t>(kSizeUnitCount - 1);
constexpr auto kLastLengthIndex = static_cast<std::int16_t>(kLengthUnitCount - 1);

constexpr std::array<std::string_view, 5> kGaugeNames{"1/0", "2/0", "3/0", "4/0", "NO AWG SIZE"};

struct PressInput {
    std::int16_t sizeIndex = 0;
    std::int16_t lengthIndex = 0;
    const NumberFormat* format = nullptr;
    std::array<std::string, 3> texts;
};

PressInput DecodePress(FuzzedDataProvider& data) {
    PressInput input;
    input.sizeIndex = data.ConsumeIntegralInRange<std::int16_t>(0, kLastSizeIndex);
    input.lengthIndex = data.ConsumeIntegralInRange<std::int16_t>(0, kLastLengthIndex);
    input.format = kFormats[data.ConsumeIntegralInRange<std::size_t>(0, kFormats.size() - 1)];
    input.texts[0] = data.ConsumeRandomLengthString();
    input.texts[1] = data.ConsumeRandomLengthString();
    input.texts[2] = data.ConsumeRemainingBytesAsString();
    return input;
}

void Require(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "A press broke its invariant: %s\n", invariant);
        std::abort();
    }
}

bool Contains(const auto& names, std::string_view text) {
    return std::find(names.begin(), names.end(), text) != names.end();
}

std::size_t BlankFieldCount(const PressInput& input) {
    return static_cast<std::size_t>(
        std::count_if(input.texts.begin(), input.texts.end(),
                      [](const std::string& t) { return IsBlankText(t); }));
}

void RequireReadableResult(const PressInput& input, const Solved& solved) {
    bool gaugeName = SizeUnitAt(input.sizeIndex) == SizeUnit::Awg &&
                     solved.field == InputField::WireSize && Contains(kGaugeNames, solved.text);
    Require(gaugeName || IsNumericText(solved.text, *input.format),
            "the result does not read back as a number in its locale");
}

void RequireOneResult(const PressInput& input, const Solved& solved) {
    Require(BlankFieldCount(input) == 1, "a result was answered without exactly one blank field");
    Require(IsBlankText(input.texts[static_cast<std::size_t>(solved.field)]),
            "the result answered for a field that was not blank");
    RequireReadableResult(input, solved);
}

// The blank rule refuses a press exactly when it does not leave one field blank; a fault
// comes only from the arithmetic of a press that passed it.
void RequireOneOutcome(const PressInput& input, const PressOutcome& outcome) {
    bool oneBlank = BlankFieldCount(input) == 1;
    if (const auto* solved = std::get_if<Solved>(&outcome)) {
        RequireOneResult(input, *solved);
    } else if (const auto* refused = std::get_if<Refused>(&outcome)) {
        Require(oneBlank == refused->fieldToMend().has_value(),
                "a message of the blank rule with one field blank, or one of an input without");
    } else {
        Require(oneBlank, "a fault before the blank rule was passed");
    }
}

void RunPress(const PressInput& input) {
    RequireOneOutcome(
        input, testing::PressOnce({input.texts[0], input.texts[1], input.texts[2],
                                   static_cast<SizeUnit>(input.sizeIndex),
                                   static_cast<LengthUnit>(input.lengthIndex), *input.format})
                   .outcome);
}

}  // namespace
}  // namespace varnel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    varnel::RunPress(varnel::DecodePress(provider));
    return 0;
}
