#include "delimited_reader.h"

#include <csv.h>

#include <cstdlib>
#include <new>

namespace varnel::cli {
namespace {

// libcsv's buffer for one cell grows by this much at a time.
constexpr std::size_t kCellBlock = 4096;

// Line breaks inside a quoted cell: "\r\n" counts once.
std::uint64_t CountLineBreaks(std::string_view cell) {
    std::uint64_t breaks = 0;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        bool crlf = cell[i] == '\r' && i + 1 < cell.size() && cell[i + 1] == '\n';
        breaks += !crlf && (cell[i] == '\n' || cell[i] == '\r') ? 1 : 0;
    }
    return breaks;
}

// Ends the reading for want of memory: bad_alloc, or where the library is built without
// exceptions (the web page's module, spared their cost) the end of the program.
[[noreturn]] void OutOfMemory() {
#if __cpp_exceptions
    throw std::bad_alloc();
#else
    std::abort();
#endif
}

// libcsv's buffer for one cell grows no further than the longest record.
void* GrowWithinLongestRecord(void* block, std::size_t size) {
    return size > kLongestRecord ? nullptr : std::realloc(block, size);
}

}  // namespace

DelimitedReader::DelimitedReader(TextSource& source)
    : source_(source), parser_(std::make_unique<csv_parser>()) {
    // Every line end reported, blank lines too; no spaces taken off the cells.
    if (csv_init(parser_.get(), CSV_REPALL_NL) != 0) {
        OutOfMemory();
    }
    csv_set_space_func(parser_.get(), [](unsigned char) { return 0; });
    csv_set_blk_size(parser_.get(), kCellBlock);
    csv_set_realloc_func(parser_.get(), GrowWithinLongestRecord);
}

DelimitedReader::~DelimitedReader() {
    csv_free(parser_.get());
}

void DelimitedReader::SetDelimiter(char delimiter) {
    csv_set_delim(parser_.get(), static_cast<unsigned char>(delimiter));
}

bool DelimitedReader::FirstLineHoldsTab() {
    bool filled = false;
    for (std::size_t i = 0;; ++i) {
        if (i == kLongestRecord || (i == text_.size() && !source_.ReadMore(text_))) {
            return false;
        }
        char c = text_[i];
        if (c == '\t') {
            return true;
        }
        if (c == '\n' || c == '\r') {
            if (filled) {
                return false;
            }
        } else if (c != ' ' && c != '"') {
            filled = true;
        }
    }
}

std::string_view DelimitedReader::PeekLine(bool skipBlank) {
    std::size_t start = 0;
    bool filled = false;
    for (std::size_t i = 0;; ++i) {
        if (i == kLongestRecord || (i == text_.size() && !source_.ReadMore(text_))) {
            return std::string_view(text_).substr(start, i - start);
        }
        char c = text_[i];
        if (c == '\n' || c == '\r') {
            if (filled || !skipBlank) {
                return std::string_view(text_).substr(start, i - start);
            }
            start = i + 1;
        } else if (std::string_view(" \"\t,;").find(c) == std::string_view::npos) {
            filled = true;
        }
    }
}

bool DelimitedReader::ReadAll(const Handler& handler) {
    handler_ = &handler;
    do {
        // Short only when libcsv could not grow its buffer past the longest record: it reads
        // leniently.
        if (csv_parse(parser_.get(), text_.data(), text_.size(), OnCell, OnRecordEnd, this) !=
            text_.size()) {
            overlong_ = stopped_ = true;
        }
        text_.clear();
    } while (!stopped_ && source_.ReadMore(text_));
    if (!stopped_) {
        csv_fini(parser_.get(), OnCell, OnRecordEnd, this);
        SettleCarriageReturn();
    }
    return !stopped_;
}

void DelimitedReader::OnCell(void* cell, std::size_t size, void* reader) {
    auto& self = *static_cast<DelimitedReader*>(reader);
    if (self.stopped_) {
        return;
    }
    self.SettleCarriageReturn();
    std::string_view text(static_cast<const char*>(cell), size);
    self.cellText_.append(text);
    self.cellEnds_.push_back(self.cellText_.size());
    if (self.cellText_.size() + self.cellEnds_.size() > kLongestRecord) {
        self.overlong_ = self.stopped_ = true;
    }
    self.breaksInCells_ += CountLineBreaks(text);
}

// libcsv ends a record at a carriage return and reports the line feed after it apart, as a
// line end with no cells (and -1 at the end of the text); a record ended at a carriage return
// waits for what follows.
void DelimitedReader::OnRecordEnd(int end, void* reader) {
    auto& self = *static_cast<DelimitedReader*>(reader);
    if (self.stopped_) {
        return;
    }
    if (end == '\n' && self.afterCarriageReturn_) {
        self.Deliver("\r\n");
        return;
    }
    self.SettleCarriageReturn();
    if (end == '\r') {
        self.afterCarriageReturn_ = true;
    } else {
        self.Deliver(end == '\n' ? "\n" : "");
    }
}

void DelimitedReader::SettleCarriageReturn() {
    if (afterCarriageReturn_) {
        Deliver("\r");
    }
}

void DelimitedReader::Deliver(std::string_view end) {
    record_.cells.clear();
    std::size_t start = 0;
    for (std::size_t cellEnd : cellEnds_) {
        record_.cells.emplace_back(cellText_.data() + start, cellEnd - start);
        start = cellEnd;
    }
    if (record_.cells.empty()) {
        record_.cells.emplace_back();  // a blank line
    }
    record_.end = end;
    record_.line = line_;
    stopped_ = !(*handler_)(record_);
    line_ += breaksInCells_ + (end.empty() ? 0 : 1);
    cellText_.clear();
    cellEnds_.clear();
    breaksInCells_ = 0;
    afterCarriageReturn_ = false;
}

}  // namespace varnel::cli
