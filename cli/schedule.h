// A cable schedule: lines of tab-separated cells, each row a press of five cells: size, size
// unit, length, length unit, resistance. Every line is written back, in order and with its
// own line end (LF, CRLF or none on a last line), followed by a sixth cell: empty when the
// row was solved, its blank cell then filled; otherwise the message that answered it.
#pragma once

#include <istream>
#include <ostream>
#include <string_view>

#include "numeric_text.h"

namespace varnel::cli {

// The answers to rows that cannot be pressed.
inline constexpr std::string_view kRowNotUnderstood = "THE ROW YOU ENTERED DOES NOT HAVE 5 CELLS.";
inline constexpr std::string_view kSizeUnitNotUnderstood =
    "THE SIZE UNIT YOU ENTERED IS NOT UNDERSTOOD.";
inline constexpr std::string_view kLengthUnitNotUnderstood =
    "THE LENGTH UNIT YOU ENTERED IS NOT UNDERSTOOD.";

// The cell a header adds; a header is a first line that begins with "size" and a tab, in any
// case.
inline constexpr std::string_view kMessageHeading = "message";

// Presses every row read from `rows` and writes it back to `results`, one line for each line
// read, holding one row's text at a time. A row of another number of cells is written back
// with empty cells added up to five, or its further cells after the message, so that the
// message always stands in the sixth cell. Returns true when every row was solved; a read
// error leaves `rows` bad.
// "10\t\t1000\t\t\n" is written back as "10\t\t1000\t\t0.999933931240995\t\n".
bool CheckSchedule(std::istream& rows, std::ostream& results, const NumberFormat& format);

}  // namespace varnel::cli
