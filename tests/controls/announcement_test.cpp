#include "announcement.h"

#include <gtest/gtest.h>

#include "case_table.h"

namespace varnel::window {
namespace {

using varnel::testing::CaseName;
using varnel::testing::NamedCase;

struct AnnouncedCase : NamedCase {
    const char* field;
    const char* written;
    const char* spoken;
};

class Announced : public ::testing::TestWithParam<AnnouncedCase> {};

TEST_P(Announced, NamesTheLabelResultAndUnitOrTheUnitAlone) {
    const AnnouncedCase& c = GetParam();
    EXPECT_EQ(Announcement(c.field, c.written, {"Guage (AWG - U.S.)", "METERS"}), c.spoken);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    WrittenFields, Announced,
    ::testing::Values(
        AnnouncedCase{"Resistance", "RESISTANCE", " 0.999933931240995", "RESISTANCE 0.999933931240995 ohms"},
        AnnouncedCase{"WireSize", "WIRESIZE", "1/0", "WIRE SIZE 1/0 Guage (AWG - U.S.)"},
        AnnouncedCase{"Length", "WIRELENGTH", " 304.8", "LENGTH 304.8 METERS"},
        AnnouncedCase{"WireUnit", "WIREUNIT", "CIRCULAR MILS", "CIRCULAR MILS"},
        AnnouncedCase{"LengthUnit", "LENGTHUNIT", "FEET", "FEET"}),
    CaseName());
// clang-format on

TEST(Announcement, OfAControlThatIsNoFieldIsALogicError) {
    EXPECT_THROW(Announcement("Label1", "VARNEL", {}), std::logic_error);
}

}  // namespace
}  // namespace varnel::window
