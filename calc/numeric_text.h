// Reading numbers from field texts and writing numbers as text.
//
// Texts are UTF-8. The decimal and group separators of the user's locale are always passed
// in explicitly as a NumberFormat; nothing here reads a global locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// The separators of the user's locale, each any UTF-8 text (a group separator may be a
// no-break space, or empty where the locale groups no digits).
struct NumberFormat {
    std::string decimal = ".";
    std::string group = ",";
};

// True only for the empty text: a text of spaces is filled.
// IsBlankText("") == true, IsBlankText(" ") == false.
bool IsBlankText(std::string_view text);

// Code-by-code equality: case-sensitive, no trimming.
// TextEquals("1/0", "1/0") == true, TextEquals(" 1/0", "1/0") == false.
bool TextEquals(std::string_view a, std::string_view b);

// True when the whole text reads as one finite number in the given locale: optional spaces
// or tabs around; an optional sign; digits with at most one decimal separator and at least
// one digit; an optional exponent (e or E, optional sign, digits); group separators only in
// the integer part, splitting it into groups of three after a first group of one to three
// digits that does not start with 0. Where the locale's group separator is a space, a no-break
// space or a narrow no-break space, any of the three groups digits; where it is the right
// single quotation mark, so does the ASCII apostrophe. A value beyond the double range is not a
// number; one that underflows reads as 0 or a subnormal. Time is linear in the length of the text.
// With {",", "."}: IsNumericText(" 1.234,5e1 ") == true, IsNumericText("1.5") == false.
bool IsNumericText(std::string_view text, const NumberFormat& format);

// The value of a text that IsNumericText accepts; 0 for any other text.
// With {".", ","}: TextToDouble("-1,000.5") == -1000.5.
double TextToDouble(std::string_view text, const NumberFormat& format);

// The value of a text that IsNumericText accepts when it is greater than 0, read once;
// nullopt for any other text. ReadPositiveNumber("2.5") == 2.5, ReadPositiveNumber("0") and
// ReadPositiveNumber("-1") == nullopt.
std::optional<double> ReadPositiveNumber(std::string_view text, const NumberFormat& format);

// A double written with at most 15 significant digits, a single with at most 7: a leading
// space for zero and positive values, a minus sign for negative ones, the locale's decimal
// separator, no trailing zeros or separator. Magnitudes (after rounding) from 1E-4 up to,
// not including, 1E15 (1E7 for a single) are written in fixed form with a 0 before the
// separator below 1; all others in exponent form with one leading digit, E, the sign of
// the exponent and at least two exponent digits.
// NumberText(52.6) == " 52.6", NumberText(1000.0f) == " 1000", NumberText(5e-5) == " 5E-05".
std::string NumberText(double value, const NumberFormat& format);
std::string NumberText(float value, const NumberFormat& format);

}  // namespace varnel
