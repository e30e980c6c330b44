// The window's calculator state, which a press sets and the CHANGE buttons step; its own
// header, so that the unit tables (units.h) and the press (calculator.h) both build on it
// without building on each other.
#pragma once

#include <cstdint>

namespace varnel {

// The window's calculator state; all zero when the window opens (AWG, feet). The two unit
// indexes select the units of every press; the numbers are set by a press, and none of them
// is read by the next.
struct CalculatorState {
    double SIZEVALUE = 0.0;        // wire size in the selected unit; for AWG the gauge
    std::int16_t SIZEINDEX = 0;    // selected wire-size unit, a SizeUnit (units.h)
    float LENGTHVALUE = 0.0f;      // a solved length in the selected length unit
    std::int16_t LENGTHINDEX = 0;  // selected length unit, a LengthUnit (units.h)
    double OHMS = 0.0;             // resistance in ohms
    float AREA = 0.0f;             // cross-section in square millimetres
    double LENGTHM = 0.0;          // length in metres
};

}  // namespace varnel
