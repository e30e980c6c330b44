#include "numeric_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <system_error>

#if !defined(__cpp_lib_to_chars)
#include <fast_float/fast_float.h>
#include <cstdio>
#endif

namespace varnel {
namespace {

// Floating-point numbers are read and written exactly: by std::from_chars and std::to_chars
// where the standard library has them for floating point, otherwise (libc++ has only the
// integer ones) read by fast_float and written by snprintf, which round alike, a tie to even.
#if defined(__cpp_lib_to_chars)

std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
}

template <typename Real>
std::size_t WriteScientific(char* buffer, std::size_t size, Real value, int precision) {
    auto result =
        std::to_chars(buffer, buffer + size, value, std::chars_format::scientific, precision);
    return static_cast<std::size_t>(result.ptr - buffer);
}

#else

// As std::from_chars does, a value beyond the largest double is out of range.
std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
    auto [end, error] = fast_float::from_chars(first, last, value);
    if (error == std::errc() && std::isinf(value)) {
        error = std::errc::result_out_of_range;
    }
    return {end, error};
}

template <typename Real>
std::size_t WriteScientific(char* buffer, std::size_t size, Real value, int precision) {
    int length = std::snprintf(buffer, size, "%.*e", precision, static_cast<double>(value));
    return static_cast<std::size_t>(length);
}

#endif

bool IsSpaceOrTab(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimSpacesAndTabs(std::string_view text) {
    while (!text.empty() && IsSpaceOrTab(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsSpaceOrTab(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The group separators a text may use in a locale: the locale's own and, where it is a
// character no keyboard types, those people type for it. Any of the three space-like
// characters stands for another; the ASCII apostrophe stands for the right single quotation
// mark.
class GroupSeparators {
  public:
    explicit GroupSeparators(std::string_view group) {
        static constexpr std::array<std::string_view, 3> kSpaces{" ", "\u00A0", "\u202F"};
        static constexpr std::array<std::string_view, 2> kQuotes{"\u2019", "'"};
        if (std::find(kSpaces.begin(), kSpaces.end(), group) != kSpaces.end()) {
            Accept(kSpaces);
        } else if (group == kQuotes[0]) {
            Accept(kQuotes);
        } else if (!group.empty()) {
            Accept(std::array{group});
        }
    }

    // The length of the separator standing at the start of the text; 0 where none stands.
    std::size_t LengthAtStartOf(std::string_view text) const {
        for (std::size_t i = 0; i < count_; ++i) {
            if (text.starts_with(accepted_[i])) {
                return accepted_[i].size();
            }
        }
        return 0;
    }

  private:
    template <std::size_t N>
    void Accept(const std::array<std::string_view, N>& separators) {
        std::copy(separators.begin(), separators.end(), accepted_.begin());
        count_ = N;
    }

    std::array<std::string_view, 3> accepted_{};
    std::size_t count_ = 0;
};

// A number text taken apart, its separators removed.
struct NumberParts {
    bool negative = false;
    std::string integerDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

// Scans a trimmed text against the number grammar, consuming it left to right once.
class NumberScanner {
  public:
    NumberScanner(std::string_view text, const NumberFormat& format)
        : rest_(text), format_(format), groupSeparators_(format.group) {}

    std::optional<NumberParts> Scan() {
        NumberParts parts;
        parts.negative = ScanSign();
        if (!ScanIntegerPart(parts.integerDigits)) {
            return std::nullopt;
        }
        if (Consume(format_.decimal)) {
            parts.fractionDigits = TakeDigits();
        }
        if (parts.integerDigits.empty() && parts.fractionDigits.empty()) {
            return std::nullopt;
        }
        if (ConsumeExponentLetter()) {
            parts.exponentNegative = ScanSign();
            parts.exponentDigits = TakeDigits();
            if (parts.exponentDigits.empty()) {
                return std::nullopt;
            }
        }
        if (!rest_.empty()) {
            return std::nullopt;
        }
        return parts;
    }

  private:
    bool Consume(std::string_view token) {
        if (token.empty() || !rest_.starts_with(token)) {
            return false;
        }
        rest_.remove_prefix(token.size());
        return true;
    }

    bool ConsumeExponentLetter() { return Consume("e") || Consume("E"); }

    // True for a minus sign, false for '+' or no sign.
    bool ScanSign() {
        if (Consume("-") || Consume("\u2212") || Consume(format_.minus)) {
            return true;
        }
        Consume("+");
        return false;
    }

    std::string_view TakeDigits() {
        std::size_t count = 0;
        while (count < rest_.size() && IsDigit(rest_[count])) {
            ++count;
        }
        std::string_view digits = rest_.substr(0, count);
        rest_.remove_prefix(count);
        return digits;
    }

    // Digits, optionally grouped: a first group of one to three digits not starting with 0,
    // then groups of exactly three, each after a group separator.
    bool ScanIntegerPart(std::string& digits) {
        std::string_view firstGroup = TakeDigits();
        digits.assign(firstGroup);
        if (!ConsumeGroupSeparator()) {
            return true;
        }
        if (firstGroup.empty() || firstGroup.size() > 3 || firstGroup.front() == '0') {
            return false;
        }
        do {
            std::string_view group = TakeDigits();
            if (group.size() != 3) {
                return false;
            }
            digits.append(group);
        } while (ConsumeGroupSeparator());
        return true;
    }

    bool ConsumeGroupSeparator() {
        std::size_t length = groupSeparators_.LengthAtStartOf(rest_);
        rest_.remove_prefix(length);
        return length > 0;
    }

    std::string_view rest_;
    const NumberFormat& format_;
    GroupSeparators groupSeparators_;
};

// The exponent's value, saturated far beyond any double's range.
std::int64_t SaturatedExponent(const NumberParts& parts) {
    constexpr std::int64_t kLimit = 1'000'000'000;
    std::int64_t value = 0;
    for (char digit : parts.exponentDigits) {
        value = std::min(kLimit, value * 10 + (digit - '0'));
    }
    return parts.exponentNegative ? -value : value;
}

// True when a number whose conversion left the double range is large rather than tiny:
// its leading significant digit stands at or above the units place.
bool IsBeyondLargestDouble(const NumberParts& parts) {
    std::size_t leadingZeros = parts.integerDigits.find_first_not_of('0');
    std::int64_t exponent = SaturatedExponent(parts);
    if (leadingZeros != std::string::npos) {
        auto significantIntegerDigits =
            static_cast<std::int64_t>(parts.integerDigits.size() - leadingZeros);
        return exponent + significantIntegerDigits - 1 >= 0;
    }
    std::size_t fractionZeros = parts.fractionDigits.find_first_not_of('0');
    return exponent - static_cast<std::int64_t>(fractionZeros) - 1 >= 0;
}

std::optional<double> ValueOf(const NumberParts& parts) {
    std::string plain = parts.integerDigits.empty() ? "0" : parts.integerDigits;
    plain.reserve(plain.size() + parts.fractionDigits.size() + parts.exponentDigits.size() + 2);
    plain.append(".").append(parts.fractionDigits);
    if (!parts.exponentDigits.empty()) {
        plain.append(parts.exponentNegative ? "e-" : "e").append(parts.exponentDigits);
    }
    double magnitude = 0.0;
    auto [end, error] = ReadDouble(plain.data(), plain.data() + plain.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        if (IsBeyondLargestDouble(parts)) {
            return std::nullopt;
        }
        magnitude = 0.0;
    } else if (error != std::errc() || end != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return parts.negative ? -magnitude : magnitude;
}

std::optional<double> ReadNumber(std::string_view text, const NumberFormat& format) {
    std::optional<NumberParts> parts = NumberScanner(TrimSpacesAndTabs(text), format).Scan();
    if (!parts) {
        return std::nullopt;
    }
    return ValueOf(*parts);
}

// The significant digits of a rounded magnitude, trailing zeros dropped, and the decimal
// exponent of the first of them.
struct RoundedDigits {
    std::string digits;
    int exponent = 0;
};

template <typename Real>
RoundedDigits RoundToSignificantDigits(Real magnitude, int significantDigits) {
    char buffer[64];
    std::string_view scientific(
        buffer, WriteScientific(buffer, sizeof buffer, magnitude, significantDigits - 1));
    std::size_t exponentMark = scientific.find('e');
    RoundedDigits rounded;
    for (char c : scientific.substr(0, exponentMark)) {
        if (IsDigit(c)) {
            rounded.digits.push_back(c);
        }
    }
    std::string_view exponentText = scientific.substr(exponentMark + 1);
    if (exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(),
                    rounded.exponent);
    rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);
    return rounded;
}

std::string FixedForm(const RoundedDigits& rounded, const NumberFormat& format) {
    const std::string& digits = rounded.digits;
    if (rounded.exponent < 0) {
        auto zeros = static_cast<std::size_t>(-rounded.exponent - 1);
        return "0" + format.decimal + std::string(zeros, '0') + digits;
    }
    auto integerLength = static_cast<std::size_t>(rounded.exponent) + 1;
    if (digits.size() <= integerLength) {
        return digits + std::string(integerLength - digits.size(), '0');
    }
    return digits.substr(0, integerLength) + format.decimal + digits.substr(integerLength);
}

std::string ExponentForm(const RoundedDigits& rounded, const NumberFormat& format) {
    std::string text = rounded.digits.substr(0, 1);
    if (rounded.digits.size() > 1) {
        text += format.decimal + rounded.digits.substr(1);
    }
    text += rounded.exponent < 0 ? "E-" : "E+";
    int exponentMagnitude = std::abs(rounded.exponent);
    if (exponentMagnitude < 10) {
        text += '0';
    }
    return text += std::to_string(exponentMagnitude);
}

template <typename Real>
std::string FormatNumber(Real value, int significantDigits, int fixedFormExponentLimit,
                         const NumberFormat& format) {
    if (value == 0) {
        return " 0";
    }
    std::string sign = value < 0 ? "-" : " ";
    RoundedDigits rounded = RoundToSignificantDigits(std::abs(value), significantDigits);
    constexpr int kSmallestFixedExponent = -4;
    bool fixed =
        rounded.exponent >= kSmallestFixedExponent && rounded.exponent < fixedFormExponentLimit;
    return sign + (fixed ? FixedForm(rounded, format) : ExponentForm(rounded, format));
}

}  // namespace

bool IsBlankText(std::string_view text) {
    return text.empty();
}

bool TextEquals(std::string_view a, std::string_view b) {
    return a == b;
}

bool IsNumericText(std::string_view text, const NumberFormat& format) {
    return ReadNumber(text, format).has_value();
}

double TextToDouble(std::string_view text, const NumberFormat& format) {
    return ReadNumber(text, format).value_or(0.0);
}

std::optional<double> ReadPositiveNumber(std::string_view text, const NumberFormat& format) {
    std::optional<double> value = ReadNumber(text, format);
    if (value && *value > 0.0) {
        return value;
    }
    return std::nullopt;
}

std::string NumberText(double value, const NumberFormat& format) {
    return FormatNumber(value, 15, 15, format);
}

std::string NumberText(float value, const NumberFormat& format) {
    return FormatNumber(value, 7, 7, format);
}

}  // namespace varnel
