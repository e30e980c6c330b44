#include "schedule.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "case_table.h"
#include "number_formats.h"

namespace varnel::cli {
namespace {

using namespace testing;

constexpr bool kSolved = true;
constexpr bool kAnswered = false;

struct ScheduleCase : NamedCase {
    std::string rows;
    std::string results;
    bool allSolved;
    NumberFormat format = kPeriod;
};

class Schedule : public ::testing::TestWithParam<ScheduleCase> {};

TEST_P(Schedule, WritesEveryLineBackWithItsAnswer) {
    std::istringstream rows(GetParam().rows);
    std::ostringstream results;
    EXPECT_EQ(CheckSchedule(rows, results, GetParam().format), GetParam().allSolved);
    EXPECT_EQ(results.str(), GetParam().results);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, Schedule,
    ::testing::Values(
        ScheduleCase{"Nothing", "", "", kSolved},
        ScheduleCase{"HeaderInAnyCase", "Size\tx\n", "Size\tx\tmessage\n", kSolved},
        ScheduleCase{"HeaderOnlyFirst", "\nsize\t\n", "\t\t\t\t\tTHE ROW YOU ENTERED DOES NOT HAVE 5 CELLS.\nsize\t\t\t\t\tTHE ROW YOU ENTERED DOES NOT HAVE 5 CELLS.\n", kAnswered},
        ScheduleCase{"SizeFilledInKcmil", "\tKCMIL\t1000\t\t1\n", "10.3799253759384\tKCMIL\t1000\t\t1\t\n", kSolved},
        ScheduleCase{"LengthFilledInKilometres", "10\tawg\t\tKm\t1\n", "10\tawg\t0.3048202\tKm\t1\t\n", kSolved},
        ScheduleCase{"LoneCarriageReturnKept", "10\t\t1000\t\t\r", "10\t\t1000\t\t0.999933931240995\t\r", kSolved},
        ScheduleCase{"CommaLocale", "2,5\tmm2\t1000\tm\t\n", "2,5\tmm2\t1000\tm\t6,902432\t\n", kSolved, kComma},
        ScheduleCase{"UnknownLengthUnit", "10\t\t1000\tfeet\t\n", "10\t\t1000\tfeet\t\tTHE LENGTH UNIT YOU ENTERED IS NOT UNDERSTOOD.\n", kAnswered},
        ScheduleCase{"AnswersDoNotLeakIntoTheNextRow", "\t\t\t\t\n10\t\t1000\t\t\n", "\t\t\t\t\tYou have to fill in two of the fields!\n10\t\t1000\t\t0.999933931240995\t\n", kAnswered}),
    CaseName());
// clang-format on

}  // namespace
}  // namespace varnel::cli
