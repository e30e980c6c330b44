// The American Wire Gauge: reading a gauge from the wire-size text, the two formulas between
// gauge and cross-section, and the text shown for a solved gauge. Larger gauges are thinner
// wires; the zero-gauge sizes 1/0 to 4/0 are the gauges 0 to -3.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "numeric_text.h"

namespace varnel {

// The gauge a wire-size text names: a number greater than 0 read as it stands (no range
// check, no rounding), or exactly one of the zero-gauge names "0"/"1/0", "00"/"2/0",
// "000"/"3/0", "0000"/"4/0". Any other text names no gauge.
// ParseGauge("10.5") == 10.5, ParseGauge("2/0") == -1, ParseGauge(" 1/0") == nullopt.
std::optional<double> ParseGauge(std::string_view text, const NumberFormat& format);

// The cross-section in square millimetres of a gauge:
// 10^(-(g + 10.7) / 10) x 1000 / 0.7854 / 2.060266, in that order, rounded to single.
// A large gauge underflows to 0; an overflow raises a fault. GaugeToArea(10) is 5.2600007f.
float GaugeToArea(double gauge);

// The gauge of a cross-section in square millimetres, from its diameter d in inches:
// -(ln(d) / ln(10) x 19.8578 + 9.6954). A cross-section of 0 raises a fault.
// AreaToGauge(GaugeToArea(0)) is about 0.07.
double AreaToGauge(float area);

// The text shown for a solved gauge: the number itself from 0.95 up, below that the
// zero-gauge names "1/0" (from 0.03), "2/0" (from -1.1), "3/0" (from -2.1), "4/0" (from
// -3.15), and "NO AWG SIZE" for thicker wires. GaugeText(-0.92, format) == "2/0".
std::string GaugeText(double gauge, const NumberFormat& format);

}  // namespace varnel
