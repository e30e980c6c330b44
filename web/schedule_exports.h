// A cable schedule checked for the web page, as `varnel-calc --batch FILE --locale LANGUAGE`
// checks it, by the schedule library itself: a C function exported from the page's second
// WebAssembly module. The file comes in and the checked file goes out in pieces, through
// functions the page's worker puts on the module (see schedule_exports.cpp), so that memory
// stays bounded whatever the file's size.
#pragma once

#include <cstdint>

extern "C" {

// What became of a schedule; read by the page from the module's memory (an int, a pointer and
// two doubles in WebAssembly: bytes 0, 4, 8 and 16).
struct VarnelScheduleResult {
    std::int32_t refused;  // 1 when the file was refused: no checked file is offered
    const char* summary;   // varnel-calc's line on standard error without its name; "" if none
    double rows;           // the rows checked
    double unsolved;       // the rows not solved
};

// The most unsolved rows handed to the page one by one; the rest are only counted.
inline constexpr std::uint32_t kVarnelUnsolvedRowsShown = 1000;

// Checks the schedule named `fileName` (CSV or TSV by its name) with the numbers of
// `language` ("en_US", "de_DE") or, for a language not known here, with the given decimal and
// group separators and minus sign; the result stays valid until the next call.
// VarnelCheckSchedule("schedule.csv", "de_DE", ",", ".", "-") reads cells split by ';'.
const VarnelScheduleResult* VarnelCheckSchedule(const char* fileName, const char* language,
                                                const char* decimal, const char* group,
                                                const char* minus);
}
