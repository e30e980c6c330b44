#include "fault_report.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(FaultReport, NamesTheKindInCapitals) {
    EXPECT_EQ(FaultReport(FaultKind::DivisionByZero), "THE CALCULATION FAILED: DIVISION BY ZERO.");
    EXPECT_EQ(FaultReport(FaultKind::Overflow), "THE CALCULATION FAILED: OVERFLOW.");
    EXPECT_EQ(FaultReport(FaultKind::InvalidOperation),
              "THE CALCULATION FAILED: INVALID OPERATION.");
}

}  // namespace
}  // namespace varnel
