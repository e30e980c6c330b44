// A cable schedule as spreadsheets save it: delimited text (tab-separated or CSV, read as
// delimited_reader.h says) in UTF-8 or UTF-16 (text_encoding.h). Each row is a press of its
// size, size unit, length, length unit and resistance cells, found by the headings of a
// header or, without one, in that order with a sixth cell for the message. Every line is
// written back, in order, with its own line end and in the encoding it came in: a row with
// its blank cell filled and an empty message cell, or as it came with the message that
// answered it; every other cell as it was read, quoted only where its content needs it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "numeric_text.h"
#include "text_encoding.h"

namespace varnel::cli {

// The answers to rows that cannot be pressed.
inline constexpr std::string_view kRowNotUnderstood = "THE ROW YOU ENTERED DOES NOT HAVE 5 CELLS.";
inline constexpr std::string_view kSizeUnitNotUnderstood =
    "THE SIZE UNIT YOU ENTERED IS NOT UNDERSTOOD.";
inline constexpr std::string_view kLengthUnitNotUnderstood =
    "THE LENGTH UNIT YOU ENTERED IS NOT UNDERSTOOD.";

// The heading of the message column, which a header gains when it has none.
inline constexpr std::string_view kMessageHeading = "message";

// A row that was not solved: the line it starts on, its cells as read and the message that
// answered it, all lasting only while it is handed on.
struct UnsolvedRow {
    std::uint64_t line = 0;
    std::span<const std::string_view> cells;
    std::string_view message;
};

struct ScheduleSettings {
    NumberFormat numbers;
    char delimiter = '\t';
    bool tabWhenFirstLineHoldsOne = false;  // the delimiter is a tab if the first line has one
    // No delimiter was given for CSV: a first line "sep=X" names it; otherwise `delimiter`,
    // the language's, unless the first line that is not blank holds none of it and exactly
    // one of ',', ';' and tab, which is then the delimiter.
    bool delimiterFromFile = false;
    bool answerAtOnce = false;  // each line is flushed as soon as it is written
    std::function<void(const UnsolvedRow&)> onUnsolved;  // told of each unsolved row, if set
};

// How a schedule's cells are separated: by tabs, or by a delimiter with quoted cells.
enum class ScheduleFormat { Tsv, Csv };

// Whether a schedule's file name stands for standard input: empty or "-".
bool IsStandardInput(std::string_view file);

// The settings for a schedule named `file` (standard input where it is empty or "-") read
// in the language whose numbers are `numbers`: the format `format` or, without one, CSV
// when a delimiter is given or the name ends in ".csv", TSV for other names, and for standard
// input TSV when its first line holds a tab; CSV's delimiter is `delimiter` or the one the
// language's spreadsheets use (';' where the decimal separator is a comma, ',' elsewhere),
// mended from the file where none was given.
// SettingsForFile("a.csv", {",", ".", "-"}, {}, {}).delimiter == ';'.
ScheduleSettings SettingsForFile(std::string_view file, const NumberFormat& numbers,
                                 std::optional<ScheduleFormat> format,
                                 std::optional<char> delimiter);

// How many unsolved rows a summary names by their line.
inline constexpr std::size_t kLinesNamed = 10;

// What a schedule held: its rows (blank lines and the header aside), the unsolved ones and
// the lines where the first of them start; or, when its header has no column for one of
// size, length and resistance, that heading, and nothing read after the header; or, when the
// schedule could not be read (no byte in it, plainly no text, a line longer than any row),
// why, and nothing read from there on: from the start, or from `overlongLine` on.
struct ScheduleSummary {
    std::uint64_t rows = 0;
    std::uint64_t unsolved = 0;
    std::array<std::uint64_t, kLinesNamed> unsolvedLines{};
    std::string_view missingHeading;
    std::string unreadable;
    std::uint64_t overlongLine = 0;  // the line longer than any row; 0 where none was
    char delimiter = '\t';           // the delimiter the cells were split by
};

// Whether the schedule was refused: not read, or its header lacks a needed column.
bool IsRefused(const ScheduleSummary& summary);

// The one line that tells what became of a schedule named `name`: why it was refused
// ("schedule.xlsx: an Excel workbook, not a CSV ..."), the unsolved rows, or "" when every
// row was solved.
std::string SummaryLine(const ScheduleSummary& summary, std::string_view name);

// Presses every row read from `in` and writes every line back to `out`, holding one row at a
// time. A header is the first line that is not blank (nothing but spaces and delimiters)
// when one of its cells, trimmed and in any case, is "size", "length" or "resistance". A read
// error leaves `in` bad.
// "size,length,resistance,circuit\r\n10,1000,,\"pump 1, north\"\r\n" with the delimiter ','
// is written back as "size,length,resistance,circuit,message\r\n10,1000,0.999933931240995,
// \"pump 1, north\",\r\n".
ScheduleSummary CheckSchedule(std::istream& in, std::ostream& out,
                              const ScheduleSettings& settings);

// The same from any source of bytes to any sink.
ScheduleSummary CheckSchedule(ByteSource& in, ByteSink& out, const ScheduleSettings& settings);

// Appends a cell as a schedule's results write it: in quotes, its quotes doubled, where it
// holds the delimiter, a quote or a line break, or, as the file's first cell, starts like a
// byte-order mark; as it is otherwise. AppendCell(line, "pump 1, north", ',', false) appends
// "\"pump 1, north\"".
void AppendCell(std::string& line, std::string_view cell, char delimiter, bool firstInFile);

// The unsolved rows in one line: "3 of 120 rows not solved, at lines 7, 19 and 88"; past
// kLinesNamed, "... 9, 10 and 5 more".
std::string UnsolvedRowsText(const ScheduleSummary& summary);

}  // namespace varnel::cli
