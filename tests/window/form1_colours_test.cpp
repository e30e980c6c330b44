#include <gtest/gtest.h>

#include <ostream>

#include "contrast.h"

namespace varnel::window {
namespace {

constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kRed{255, 0, 0};

struct ContrastCase {
    const char* name;
    Rgb text;
    Rgb background;
    double ratio;
    friend void PrintTo(const ContrastCase& c, std::ostream* os) { *os << c.name; }
};

class Contrast : public ::testing::TestWithParam<ContrastCase> {};

TEST_P(Contrast, IsTheRatioOfRelativeLuminances) {
    EXPECT_NEAR(ContrastRatio(GetParam().text, GetParam().background), GetParam().ratio, 0.01);
    EXPECT_NEAR(ContrastRatio(GetParam().background, GetParam().text), GetParam().ratio, 0.01);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Colours, Contrast, ::testing::Values(
    ContrastCase{"WhiteOnCyan", kWhite, kCyan, 1.25},
    ContrastCase{"BlackOnCyan", kBlack, kCyan, 16.75},
    ContrastCase{"WhiteOnRed", kWhite, kRed, 4.00},
    ContrastCase{"BlackOnRed", kBlack, kRed, 5.25},
    ContrastCase{"MidGreyOnWhite", Rgb{119, 119, 119}, kWhite, 4.48},
    ContrastCase{"BlackOnWhite", kBlack, kWhite, 21.0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace varnel::window
