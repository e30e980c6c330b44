// Records of delimited text read with Debian's libcsv, which follows RFC 4180 whatever the
// delimiter: a cell that begins with a double quote runs to the next lone double quote and may
// hold the delimiter, line breaks and doubled quotes, which stand for one; a quote anywhere
// else is an ordinary character. Records end at a line feed, a carriage return and line feed,
// or a lone carriage return outside quotes, or at the end of the text. This reader adds what
// libcsv does not give: each record's own line end, the line it starts on, and its blank
// lines as records of one empty cell; cells come back as read, spaces and all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text_encoding.h"

// libcsv's parser, which only the reader's source sees.
struct csv_parser;

namespace varnel::cli {

// One record: its cells with their quotes taken off, the line it starts on (counting from 1)
// and the line end that closes it ("\n", "\r\n", "\r", or "" at the end of the text).
struct Record {
    std::vector<std::string_view> cells;
    std::string_view end;
    std::uint64_t line = 0;
};

// The most text one record may hold, a delimiter counting for each cell: a schedule's row is
// far shorter, and a longer one (a file with no line breaks, a quote that never closes) is
// not read on.
inline constexpr std::size_t kLongestRecord = 1 << 20;

// Reads records from a text source and hands each one on as soon as it is whole, holding no
// more than one record and one chunk of text.
// With the delimiter ',', the text "a,\"b, \"\"c\"\"\"\r\nd" gives the records {"a",
// "b, \"c\""} ending in "\r\n" on line 1 and {"d"} ending in "" on line 2.
class DelimitedReader {
  public:
    // Takes a record, whose cells last until it returns; returns false to stop the reading.
    using Handler = std::function<bool(const Record&)>;

    explicit DelimitedReader(TextSource& source);
    ~DelimitedReader();
    DelimitedReader(const DelimitedReader&) = delete;
    DelimitedReader& operator=(const DelimitedReader&) = delete;

    // True when the first line with more than spaces and double quotes in it holds a tab (a
    // line of a quoted empty cell, "", is written back blank); reads no record.
    bool FirstLineHoldsTab();

    // The first line, without its line end, and the first line that is not blank (nothing
    // but spaces, double quotes, tabs, commas and semicolons), up to kLongestRecord; read
    // ahead without reading a record.
    std::string_view FirstLine() { return PeekLine(false); }
    std::string_view FirstFilledLine() { return PeekLine(true); }

    void SetDelimiter(char delimiter);

    // Hands every record to `handler` in order; returns false when the handler stopped it or
    // a record grew longer than kLongestRecord.
    bool ReadAll(const Handler& handler);

    // The line on which a record longer than kLongestRecord starts; 0 when there was none.
    std::uint64_t OverlongLine() const { return overlong_ ? line_ : 0; }

  private:
    std::string_view PeekLine(bool skipBlank);
    static void OnCell(void* cell, std::size_t size, void* reader);
    static void OnRecordEnd(int end, void* reader);
    void Deliver(std::string_view end);
    void SettleCarriageReturn();

    TextSource& source_;
    std::unique_ptr<csv_parser> parser_;
    std::string text_;  // read but not yet parsed
    const Handler* handler_ = nullptr;
    bool stopped_ = false;
    bool overlong_ = false;
    std::string cellText_;  // the cells of the record being read, one after the other
    std::vector<std::size_t> cellEnds_;
    Record record_;
    bool afterCarriageReturn_ = false;  // the record read ended there; a line feed may follow
    std::uint64_t line_ = 1;
    std::uint64_t breaksInCells_ = 0;
};

}  // namespace varnel::cli
