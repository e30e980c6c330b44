// The checked arithmetic that every calculation step goes through, and the arithmetic faults
// it raises: a fault abandons the calculation at the operation that failed.
#pragma once

#include <stdexcept>
#include <string_view>

namespace varnel {

// The kinds of arithmetic fault that abandon a calculation.
enum class FaultKind { DivisionByZero, Overflow, InvalidOperation };

// The name of a fault kind in plain lower-case words: "division by zero".
std::string_view FaultKindName(FaultKind kind);

// An arithmetic fault raised by a checked operation; it leaves the calculation at once.
class ArithmeticFault : public std::runtime_error {
  public:
    explicit ArithmeticFault(FaultKind kind);
    FaultKind kind() const noexcept { return kind_; }

  private:
    FaultKind kind_;
};

// Raises an ArithmeticFault of the given kind.
[[noreturn]] void RaiseFault(FaultKind kind);

// Checked arithmetic on finite doubles: a division by zero, an overflow to infinity or an
// invalid operation (a NaN result) raises the matching fault. Underflow is no fault.
// CheckedDivide(1.0, 4.0) == 0.25; CheckedDivide(1.0, 0.0) raises DivisionByZero.
double CheckedAdd(double a, double b);
double CheckedMultiply(double a, double b);
double CheckedDivide(double a, double b);

// The real power function, checked like the operations above (0 to a negative power is a
// division by zero). Power(10.0, -2.0) == 0.01.
double Power(double base, double exponent);

// The natural logarithm; the logarithm of 0 is a division by zero and of a negative number
// an invalid operation. NaturalLog(1.0) == 0.0.
double NaturalLog(double value);

// Rounds a double to single precision; a value too large for a single is an overflow, one
// too small becomes a subnormal or 0. RoundToSingle(0.1) == 0.1f.
float RoundToSingle(double value);

}  // namespace varnel
