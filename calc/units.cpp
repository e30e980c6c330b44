#include "units.h"

#include <string>

namespace varnel {
namespace {

// The index after the given one in a cycle of unitCount units.
std::int16_t NextIndex(std::int16_t index, std::size_t unitCount) {
    auto next = static_cast<std::int16_t>(index + 1);
    return next >= static_cast<std::int16_t>(unitCount) ? std::int16_t{0} : next;
}

}  // namespace

void NextSizeUnit(CalculatorState& state, FieldAccess& fields) {
    state.SIZEINDEX = NextIndex(state.SIZEINDEX, SIZE_UNIT_NAMES.size());
    fields.SetFieldText(WIREUNIT,
                        std::string(SIZE_UNIT_NAMES.at(static_cast<std::size_t>(state.SIZEINDEX))));
}

void NextLengthUnit(CalculatorState& state, FieldAccess& fields) {
    state.LENGTHINDEX = NextIndex(state.LENGTHINDEX, LENGTH_UNIT_NAMES.size());
    fields.SetFieldText(
        LENGTHUNIT, std::string(LENGTH_UNIT_NAMES.at(static_cast<std::size_t>(state.LENGTHINDEX))));
}

}  // namespace varnel
