#include "checked_arithmetic.h"

#include <gtest/gtest.h>

#include <limits>

#include "case_table.h"

namespace varnel {
namespace {

using namespace testing;

struct FaultCase : NamedCase {
    double (*operation)();
    FaultKind kind;
};

class CheckedArithmetic : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CheckedArithmetic, RaisesTheFaultOfItsKind) {
    try {
        GetParam().operation();
        FAIL() << "no fault raised";
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.kind(), GetParam().kind);
    }
}

constexpr double kMax = std::numeric_limits<double>::max();

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Operations, CheckedArithmetic,
    ::testing::Values(
        FaultCase{"DivisionByZero", [] {return CheckedDivide(1.0, 0.0);}, FaultKind::DivisionByZero},
        FaultCase{"ZeroByZero", [] {return CheckedDivide(0.0, 0.0);}, FaultKind::InvalidOperation},
        FaultCase{"ProductOverflow", [] {return CheckedMultiply(kMax, 2.0);}, FaultKind::Overflow},
        FaultCase{"SumOverflow", [] {return CheckedAdd(kMax, kMax);}, FaultKind::Overflow},
        FaultCase{"QuotientOverflow", [] {return CheckedDivide(kMax, 0.5);}, FaultKind::Overflow},
        FaultCase{"PowerOverflow", [] {return Power(10.0, 400.0);}, FaultKind::Overflow},
        FaultCase{"ZeroToNegativePower", [] {return Power(0.0, -1.0);}, FaultKind::DivisionByZero},
        FaultCase{"RootOfNegative", [] {return Power(-1.0, 0.5);}, FaultKind::InvalidOperation},
        FaultCase{"LogarithmOfZero", [] {return NaturalLog(0.0);}, FaultKind::DivisionByZero},
        FaultCase{"LogarithmOfNegative", [] {return NaturalLog(-1.0);}, FaultKind::InvalidOperation},
        FaultCase{"TooLargeForSingle", [] {return static_cast<double>(RoundToSingle(1e39));}, FaultKind::Overflow}),
    CaseName());
// clang-format on

TEST(CheckedArithmetic, UnderflowIsNoFault) {
    EXPECT_EQ(Power(10.0, -400.0), 0.0);
    EXPECT_EQ(CheckedMultiply(1e-300, 1e-300), 0.0);
    EXPECT_EQ(RoundToSingle(1e-40), 1e-40f);
    EXPECT_EQ(RoundToSingle(1e-50), 0.0f);
}

TEST(HeaderExamples, CheckedArithmeticHoldsAsWritten) {
    EXPECT_EQ(FaultKindName(FaultKind::DivisionByZero), "division by zero");
    EXPECT_EQ(CheckedDivide(1.0, 4.0), 0.25);
    EXPECT_EQ(NaturalLog(1.0), 0.0);
    EXPECT_EQ(RoundToSingle(0.1), 0.1f);
}

// Apart from the other examples: it holds where the C library's pow is correctly rounded, as
// glibc's is and mingw-w64's is not (0.010000000000000002).
TEST(HeaderExamples, PowerOfTenHoldsAsWritten) {
    EXPECT_EQ(Power(10.0, -2.0), 0.01);
}

}  // namespace
}  // namespace varnel
