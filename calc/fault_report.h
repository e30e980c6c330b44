// The text that answers a press ended by an arithmetic fault, the same in every program.
#pragma once

#include <string>

#include "checked_arithmetic.h"

namespace varnel {

// The fault's kind named in capitals in one sentence:
// FaultReport(FaultKind::Overflow) == "THE CALCULATION FAILED: OVERFLOW."
std::string FaultReport(FaultKind kind);

}  // namespace varnel
