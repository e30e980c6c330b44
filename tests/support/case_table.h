// Helpers for tables of named test cases: each case struct derives from NamedCase, so that
// its name shows in the test's name and in failure messages.
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <ostream>
#include <string>

namespace varnel::testing {

struct NamedCase {
    const char* name;

    // Prints a case by its name, not its bytes, in failure messages.
    template <std::derived_from<NamedCase> Case>
    friend void PrintTo(const Case& c, std::ostream* os) {
        *os << c.name;
    }
};

// Names a parameterised test by its case's name: pass as INSTANTIATE_TEST_SUITE_P's last
// argument.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

}  // namespace varnel::testing
