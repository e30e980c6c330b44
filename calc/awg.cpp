#include "awg.h"

#include <array>

#include "checked_arithmetic.h"

namespace varnel {
namespace {

struct ZeroGaugeName {
    std::string_view zeros;
    std::string_view slashName;
    double gauge;
};

constexpr std::array<ZeroGaugeName, 4> kZeroGaugeNames{{
    {"0", "1/0", 0.0},
    {"00", "2/0", -1.0},
    {"000", "3/0", -2.0},
    {"0000", "4/0", -3.0},
}};

// The lower bound of each display band below the numeric one, thinnest first.
struct GaugeBand {
    double lowerBound;
    std::string_view text;
};

constexpr double kSmallestNumericGauge = 0.95;

constexpr std::array<GaugeBand, 4> kZeroGaugeBands{{
    {0.03, "1/0"},
    {-1.1, "2/0"},
    {-2.1, "3/0"},
    {-3.15, "4/0"},
}};

constexpr std::string_view kNoAwgSize = "NO AWG SIZE";

std::optional<double> ZeroGaugeNamed(std::string_view text) {
    for (const ZeroGaugeName& name : kZeroGaugeNames) {
        if (TextEquals(text, name.zeros) || TextEquals(text, name.slashName)) {
            return name.gauge;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> ParseGauge(std::string_view text, const NumberFormat& format) {
    // The zero-gauge names read as 0 or are not numbers, so at most one of the two
    // readings applies to any text.
    if (std::optional<double> gauge = ReadPositiveNumber(text, format)) {
        return gauge;
    }
    return ZeroGaugeNamed(text);
}

float GaugeToArea(double gauge) {
    double exponent = CheckedDivide(-CheckedAdd(gauge, 10.7), 10.0);
    double area = CheckedMultiply(Power(10.0, exponent), 1000.0);
    area = CheckedDivide(area, 0.7854);
    area = CheckedDivide(area, 2.060266);
    return RoundToSingle(area);
}

double AreaToGauge(float area) {
    double radius = Power(CheckedDivide(area, 3.1415926536), 0.5);
    double diameterInches = CheckedMultiply(CheckedAdd(radius, radius), CheckedDivide(1.0, 25.4));
    double lnTen = NaturalLog(10.0);
    double decades = CheckedDivide(NaturalLog(diameterInches), lnTen);
    return -CheckedAdd(CheckedMultiply(decades, 19.8578), 9.6954);
}

std::string GaugeText(double gauge, const NumberFormat& format) {
    if (!(gauge < kSmallestNumericGauge)) {
        return NumberText(gauge, format);
    }
    for (const GaugeBand& band : kZeroGaugeBands) {
        if (!(gauge < band.lowerBound)) {
            return std::string(band.text);
        }
    }
    return std::string(kNoAwgSize);
}

}  // namespace varnel
