// Records of delimited text, read with the quoting rules of RFC 4180 whatever the delimiter:
// a cell that begins with a double quote runs to the next lone double quote and may hold the
// delimiter, line breaks and doubled quotes, which stand for one. A quote anywhere else is
// an ordinary character, and so is anything after a closing quote up to the delimiter.
// Records end at a line feed, a carriage return and line feed, or a lone carriage return
// outside quotes, or at the end of the text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text_encoding.h"

namespace varnel::cli {

// One record: its cells with their quotes taken off, the line it starts on (counting from
// 1), the line end that closes it ("\n", "\r\n", "\r", or "" at the end of the text) and
// whether any of its cells was quoted or holds a carriage return.
struct Record {
    std::vector<std::string_view> cells;
    std::string_view end;
    std::uint64_t line = 0;
    bool plain = true;
};

// Reads records one at a time from a text source, holding no more than the record being read.
// With the delimiter ',', the text "a,\"b, \"\"c\"\"\"\r\nd" gives the records {"a",
// "b, \"c\""} ending in "\r\n" on line 1 and {"d"} ending in "" on line 2.
class DelimitedReader {
  public:
    explicit DelimitedReader(TextSource& source) : source_(source) {}

    // True when the first line with more than spaces in it holds a tab; reads no record.
    bool FirstLineHoldsTab();

    void SetDelimiter(char delimiter) { delimiter_ = delimiter; }

    // Reads the next record into `record`, whose cells last until the next call; returns
    // false at the end of the text.
    bool Next(Record& record);

  private:
    bool ReadMore();
    std::size_t FindEnd(Record& record);
    std::size_t ScanQuoted(Record& record);
    void SplitPlain(std::string_view text, Record& record) const;
    void SplitQuoted(std::size_t length, Record& record);

    TextSource& source_;
    char delimiter_ = '\t';
    bool ended_ = false;
    std::string text_;
    std::size_t start_ = 0;  // where the next record begins in text_
    std::uint64_t line_ = 1;
    std::uint64_t quotedBreaks_ = 0;  // line breaks inside quotes in the record being read
};

}  // namespace varnel::cli
