// Twenty thousand random events through the real window, each checked as it happens. The
// walk is seeded from VARNEL_SOAK_SEED when it is set; a failure reports the seed, the
// failing event's index and the events before it.
#include <optional>
#include <string>

#include "form1_harness.h"
#include "soak_driver.h"

namespace varnel::window {
namespace {

constexpr long kEvents = 20'000;

class Soak : public testing::Form1Harness {};

TEST_F(Soak, EveryEventDoesWhatItMust) {
    soak::SoakDriver driver(*form, soak::SoakSeed());
    std::optional<std::string> failure = driver.Run(kEvents);
    ASSERT_FALSE(failure) << *failure;
    EXPECT_GT(driver.Figures().resultsWritten, 0) << "no press ever solved";
}

}  // namespace
}  // namespace varnel::window
