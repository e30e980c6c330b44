// One press of CALCULATE driven by libFuzzer: the fuzzer's bytes choose the three field
// texts, the two units and the locale, and every press must end in exactly one of its three
// outcomes without touching the fields it may not write. The arithmetic itself is left to
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

#include "calculator.h"
#include "fake_window.h"
#include "number_formats.h"
#include "numeric_text.h"
#include "units.h"

namespace varnel {
namespace {

using testing::FakeWindow;

const std::array<const NumberFormat*, 5> kFormats{
    &testing::kPeriod, &testing::kComma,       &testing::kCommaNoBreakSpace,
    &testing::kFrench, &testing::kSwissGerman,
};

constexpr auto kLastSizeIndex = static_cast<std::int16_t>(kSizeUnitCount - 1);
constexpr auto kLastLengthIndex = static_cast<std::int16_t>(kLengthUnitCount - 1);

constexpr std::array<std::string_view, 3> kFields{WIRESIZE, WIRELENGTH, RESISTANCE};

constexpr std::array<std::string_view, 5> kGaugeNames{"1/0", "2/0", "3/0", "4/0", "NO AWG SIZE"};

constexpr std::array<std::string_view, 8> kMessages{
    kNoFieldBlank,       kAllFieldsBlank,    kLengthAndResistanceBlank, kSizeAndResistanceBlank,
    kSizeAndLengthBlank, kSizeNotUnderstood, kLengthNotUnderstood,      kResistanceNotUnderstood,
};

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

void RequireTypedFieldsUnchanged(const PressInput& input, const FakeWindow& window) {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (!IsBlankText(input.texts[i])) {
            Require(window.GetFieldText(kFields[i]) == input.texts[i], "a typed field changed");
        }
    }
}

void RequireNothingWritten(const FakeWindow& window) {
    Require(window.writes.empty(), "a field was written after a message or a fault");
}

void RequireReadableResult(const PressInput& input, std::string_view field,
                           const std::string& text) {
    bool gaugeName = SizeUnitAt(input.sizeIndex) == SizeUnit::Awg && field == WIRESIZE &&
                     Contains(kGaugeNames, text);
    Require(gaugeName || IsNumericText(text, *input.format),
            "the result does not read back as a number in its locale");
}

void RequireOneResult(const PressInput& input, const FakeWindow& window) {
    Require(window.writes.size() == 1, "a press without message or fault wrote no single result");
    Require(BlankFieldCount(input) == 1, "a result was written without exactly one blank field");
    const auto& [field, text] = window.writes.front();
    auto blank = std::find_if(input.texts.begin(), input.texts.end(),
                              [](const std::string& t) { return IsBlankText(t); });
    Require(field == kFields[static_cast<std::size_t>(blank - input.texts.begin())],
            "the result went into a field that was not blank");
    RequireReadableResult(input, field, text);
}

void RequireOneOutcome(const PressInput& input, const FakeWindow& window, bool faulted) {
    if (faulted) {
        Require(window.messages.empty(), "a fault followed a message");
        RequireNothingWritten(window);
    } else if (!window.messages.empty()) {
        Require(window.messages.size() == 1, "a press showed more than one message");
        Require(Contains(kMessages, window.messages.front()), "a message not of the press");
        RequireNothingWritten(window);
    } else {
        RequireOneResult(input, window);
    }
    RequireTypedFieldsUnchanged(input, window);
}

void RunPress(const PressInput& input) {
    FakeWindow window(input.texts[0], input.texts[1], input.texts[2]);
    CalculatorState state;
    state.SIZEINDEX = input.sizeIndex;
    state.LENGTHINDEX = input.lengthIndex;
    bool faulted = false;
    try {
        Calculate(state, window, window, *input.format);
    } catch (const ArithmeticFault&) {
        faulted = true;
    }
    RequireOneOutcome(input, window, faulted);
}

}  // namespace
}  // namespace varnel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    varnel::RunPress(varnel::DecodePress(provider));
    return 0;
}
