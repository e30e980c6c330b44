// The press of CALCULATE and the steps of CHANGE as the web page calls them: C functions on
// UTF-8 texts and unit indexes, exported from the WebAssembly module. Every rule is the
// core's; these only carry texts in and out. Each result stays valid until the next call.
#pragma once

#include <cstdint>

extern "C" {

// How a press ended.
enum VarnelOutcomeKind : std::int32_t {
    VARNEL_SOLVED = 0,   // text written into field
    VARNEL_REFUSED = 1,  // a message; the focus goes to fieldToMend where it is not empty
    VARNEL_FAULTED = 2,  // an arithmetic fault, text its report
};

// Four 32-bit words in WebAssembly, read by the page from the module's memory.
struct VarnelPressOutcome {
    std::int32_t kind;        // a VarnelOutcomeKind
    const char* field;        // the control name of the field written; "" unless solved
    const char* text;         // the text written (with its leading space), the message or report
    const char* fieldToMend;  // the control name of the field to mend; "" where none
};

// One press on the texts of WIRESIZE, WIRELENGTH and RESISTANCE (an empty text is a blank
// field) in the units SIZEINDEX and LENGTHINDEX, numbers read and written with the given
// decimal and group separators, and read with the given minus sign besides '-' and U+2212.
// VarnelPress("10", "1000", "", 0, 0, ".", ",", "-") solves RESISTANCE as " 0.999933931240995".
const VarnelPressOutcome* VarnelPress(const char* wireSize, const char* wireLength,
                                      const char* resistance, std::int32_t sizeIndex,
                                      std::int32_t lengthIndex, const char* decimal,
                                      const char* group, const char* minus);

// A step of a CHANGE button: the new unit index and the name written into its unit box.
struct VarnelUnitStep {
    std::int32_t index;
    const char* name;
};

// VarnelNextSizeUnit(0) == {1, "CIRCULAR MILS"}; VarnelNextLengthUnit(6) == {0, "FEET"}.
const VarnelUnitStep* VarnelNextSizeUnit(std::int32_t sizeIndex);
const VarnelUnitStep* VarnelNextLengthUnit(std::int32_t lengthIndex);
}
