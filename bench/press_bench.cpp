// Nanoseconds per press of CALCULATE on each solve path, measured in the same run as the
// path's floors: the checked arithmetic of the path alone (no text read or written) and a
// bare NumberText of the kind of number the path writes. Each benchmark is repeated and its
// fastest repetition kept, the figure least disturbed by other work on the machine; after the
// runs a table prints each press beside its floors and against the target of one microsecond.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "awg.h"
#include "calculator.h"
#include "number_formats.h"
#include "numeric_text.h"
#include "units.h"

namespace varnel {
namespace {

using testing::kPeriod;

constexpr double kTargetNanoseconds = 1000.0;
constexpr int kRepetitions = 5;

const UnitConversion& kFeet = LengthUnitRow(LengthUnit::Feet).conversion;
const UnitConversion& kCircularMils = *SizeUnitRow(SizeUnit::CircularMils).conversion;

// The arithmetic of one path from its two typed values, as Calculate does it.
using PathArithmetic = double (*)(double, double);

double ResistanceOfGauge(double gauge, double feet) {
    float area = GaugeToArea(gauge);
    double metres = ApplyConversion(feet, kFeet.toBase);
    return CheckedMultiply(CheckedDivide(COPPER_RHO, area), metres);
}

double LengthOfGauge(double gauge, double ohms) {
    float area = GaugeToArea(gauge);
    double metres = CheckedDivide(CheckedMultiply(area, ohms), COPPER_RHO);
    return RoundToSingle(ApplyConversion(metres, kFeet.fromBase));
}

float AreaOf(double feet, double ohms) {
    double metres = ApplyConversion(feet, kFeet.toBase);
    return RoundToSingle(CheckedMultiply(CheckedDivide(COPPER_RHO, ohms), metres));
}

double GaugeOf(double feet, double ohms) {
    return AreaToGauge(AreaOf(feet, ohms));
}

double CircularMilsOf(double feet, double ohms) {
    return ApplyConversion(AreaOf(feet, ohms), kCircularMils.fromBase);
}

enum class WrittenNumber { Double, Single };

struct SolvePath {
    const char* name;
    std::array<std::string, 3> texts;
    SizeUnit sizeUnit;
    InputField solvedField;
    std::array<double, 2> typedValues;
    PathArithmetic arithmetic;
    WrittenNumber written;
};

const std::array<SolvePath, 4> kPaths{{
    {"ResistanceBlank",
     {"10", "1000", ""},
     SizeUnit::Awg,
     InputField::Resistance,
     {10.0, 1000.0},
     ResistanceOfGauge,
     WrittenNumber::Double},
    {"LengthBlank",
     {"10", "", "1"},
     SizeUnit::Awg,
     InputField::WireLength,
     {10.0, 1.0},
     LengthOfGauge,
     WrittenNumber::Single},
    {"WireSizeBlankAwg",
     {"", "1000", "1"},
     SizeUnit::Awg,
     InputField::WireSize,
     {1000.0, 1.0},
     GaugeOf,
     WrittenNumber::Double},
    {"WireSizeBlankCircularMils",
     {"", "1000", "1"},
     SizeUnit::CircularMils,
     InputField::WireSize,
     {1000.0, 1.0},
     CircularMilsOf,
     WrittenNumber::Double},
}};

void PressAsValue(benchmark::State& run, const SolvePath* path) {
    CalculatorState state = StateWithUnits(path->sizeUnit, LengthUnit::Feet);
    const PressTexts texts{path->texts[0], path->texts[1], path->texts[2]};
    PressOutcome outcome;
    for (auto _ : run) {
        outcome = Press(state, texts, kPeriod);
        benchmark::DoNotOptimize(outcome);
    }
    const auto* solved = std::get_if<Solved>(&outcome);
    if (solved == nullptr || solved->field != path->solvedField) {
        run.SkipWithError("the press did not solve the path's blank field");
    }
}

// The floors read their inputs through volatile objects, so that the compiler computes them
// anew in every iteration. (Google Benchmark 1.7's DoNotOptimize may garble a double that
// GCC keeps in a register, so it only receives the results here.)
void ArithmeticAlone(benchmark::State& run, const SolvePath* path) {
    volatile double first = path->typedValues[0];
    volatile double second = path->typedValues[1];
    for (auto _ : run) {
        benchmark::DoNotOptimize(path->arithmetic(first, second));
    }
}

template <typename Real>
void NumberTextOf(benchmark::State& run, Real number) {
    volatile Real value = number;
    for (auto _ : run) {
        benchmark::DoNotOptimize(NumberText(value, kPeriod));
    }
}

std::string PressName(const SolvePath& path) {
    return std::string("Press/") + path.name;
}

std::string ArithmeticName(const SolvePath& path) {
    return std::string("Arithmetic/") + path.name;
}

std::string NumberTextName(WrittenNumber written) {
    return written == WrittenNumber::Double ? "NumberText/Double" : "NumberText/Single";
}

double Fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

// Repeats a benchmark and reports its statistics, the fastest repetition among them.
void RepeatKeepingFastest(benchmark::internal::Benchmark* benchmark) {
    benchmark->Repetitions(kRepetitions)->ReportAggregatesOnly()->ComputeStatistics("min", Fastest);
}

void RegisterBenchmarks() {
    for (const SolvePath& path : kPaths) {
        RepeatKeepingFastest(
            benchmark::RegisterBenchmark(PressName(path).c_str(), PressAsValue, &path));
        RepeatKeepingFastest(
            benchmark::RegisterBenchmark(ArithmeticName(path).c_str(), ArithmeticAlone, &path));
    }
    RepeatKeepingFastest(benchmark::RegisterBenchmark(NumberTextName(WrittenNumber::Double).c_str(),
                                                      NumberTextOf<double>, 0.999933931240995));
    RepeatKeepingFastest(benchmark::RegisterBenchmark(NumberTextName(WrittenNumber::Single).c_str(),
                                                      NumberTextOf<float>, 1000.066f));
}

// The console report, in colour on a terminal only, keeping each benchmark's fastest
// nanoseconds per iteration for the table.
class CollectingReporter : public benchmark::ConsoleReporter {
  public:
    CollectingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Aggregate &&
                run.aggregate_name == "min") {
                nanoseconds[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
        }
    }

    std::map<std::string, double> nanoseconds;
};

// A figure as a column of the table; "-" for a benchmark left out by a filter.
std::string Column(const std::map<std::string, double>& nanoseconds, const std::string& name) {
    auto figure = nanoseconds.find(name);
    if (figure == nanoseconds.end()) {
        return "-";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", figure->second);
    return text;
}

// Prints each measured press beside its floors; false when a press is over the target.
bool PrintPressesBesideFloors(const std::map<std::string, double>& nanoseconds) {
    std::printf("\nFastest of %d repetitions:\n", kRepetitions);
    std::printf("%-27s %11s %15s %15s  %s\n", "Solve path", "Press (ns)", "Arithmetic (ns)",
                "NumberText (ns)", "Within 1 us");
    bool allWithinTarget = true;
    for (const SolvePath& path : kPaths) {
        auto press = nanoseconds.find(PressName(path));
        if (press == nanoseconds.end()) {
            continue;
        }
        bool withinTarget = press->second <= kTargetNanoseconds;
        allWithinTarget = allWithinTarget && withinTarget;
        std::printf(
            "%-27s %11s %15s %15s  %s\n", path.name, Column(nanoseconds, PressName(path)).c_str(),
            Column(nanoseconds, ArithmeticName(path)).c_str(),
            Column(nanoseconds, NumberTextName(path.written)).c_str(), withinTarget ? "yes" : "NO");
    }
    return allWithinTarget;
}

}  // namespace
}  // namespace varnel

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    varnel::RegisterBenchmarks();
    varnel::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return varnel::PrintPressesBesideFloors(reporter.nanoseconds) ? 0 : 1;
}
