#include "fault_report.h"

namespace varnel {

std::string FaultReport(FaultKind kind) {
    std::string report = "THE CALCULATION FAILED: ";
    for (char c : FaultKindName(kind)) {
        report += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return report + ".";
}

}  // namespace varnel
