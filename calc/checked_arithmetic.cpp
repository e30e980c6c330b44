#include "checked_arithmetic.h"

#include <cmath>
#include <string>

namespace varnel {
namespace {

double CheckedResult(double result) {
    if (std::isnan(result)) {
        RaiseFault(FaultKind::InvalidOperation);
    }
    if (std::isinf(result)) {
        RaiseFault(FaultKind::Overflow);
    }
    return result;
}

}  // namespace

std::string_view FaultKindName(FaultKind kind) {
    switch (kind) {
        case FaultKind::DivisionByZero:
            return "division by zero";
        case FaultKind::Overflow:
            return "overflow";
        case FaultKind::InvalidOperation:
            return "invalid operation";
    }
    return "arithmetic fault";
}

ArithmeticFault::ArithmeticFault(FaultKind kind)
    : std::runtime_error(std::string(FaultKindName(kind))), kind_(kind) {}

void RaiseFault(FaultKind kind) {
    throw ArithmeticFault(kind);
}

double CheckedAdd(double a, double b) {
    return CheckedResult(a + b);
}

double CheckedMultiply(double a, double b) {
    return CheckedResult(a * b);
}

double CheckedDivide(double a, double b) {
    if (b == 0.0) {
        RaiseFault(a == 0.0 ? FaultKind::InvalidOperation : FaultKind::DivisionByZero);
    }
    return CheckedResult(a / b);
}

double Power(double base, double exponent) {
    if (base == 0.0 && exponent < 0.0) {
        RaiseFault(FaultKind::DivisionByZero);
    }
    return CheckedResult(std::pow(base, exponent));
}

double NaturalLog(double value) {
    if (value == 0.0) {
        RaiseFault(FaultKind::DivisionByZero);
    }
    if (value < 0.0) {
        RaiseFault(FaultKind::InvalidOperation);
    }
    return CheckedResult(std::log(value));
}

float RoundToSingle(double value) {
    auto single = static_cast<float>(value);
    if (std::isinf(single)) {
        RaiseFault(FaultKind::Overflow);
    }
    return single;
}

}  // namespace varnel
