#include "delimited_reader.h"

namespace varnel::cli {
namespace {

constexpr char kQuote = '"';

// Text that needs the careful reading: a quote, or a carriage return inside the line.
bool NeedsCareful(std::string_view content) {
    return content.find(kQuote) != std::string_view::npos ||
           content.find('\r') != std::string_view::npos;
}

}  // namespace

bool DelimitedReader::ReadMore() {
    if (ended_) {
        return false;
    }
    text_.erase(0, start_);
    start_ = 0;
    ended_ = !source_.ReadMore(text_);
    return !ended_;
}

bool DelimitedReader::FirstLineHoldsTab() {
    bool filled = false;
    for (std::size_t i = start_;;) {
        if (i == text_.size()) {
            if (!ReadMore()) {
                return false;
            }
            continue;
        }
        char c = text_[i++];
        if (c == '\t') {
            return true;
        }
        if (c == '\n' || c == '\r') {
            if (filled) {
                return false;
            }
        } else if (c != ' ') {
            filled = true;
        }
    }
}

bool DelimitedReader::Next(Record& record) {
    if (start_ == text_.size() && !ReadMore()) {
        return false;
    }
    record.cells.clear();
    record.plain = true;
    record.line = line_;
    quotedBreaks_ = 0;
    std::size_t length = FindEnd(record);
    if (record.plain) {
        SplitPlain(std::string_view(text_).substr(start_, length), record);
    } else {
        SplitQuoted(length, record);
    }
    start_ += length + record.end.size();
    line_ += quotedBreaks_ + (record.end.empty() ? 0 : 1);
    return true;
}

// The length of the record at start_, its line end set in `record`, reading more text until
// the record is whole. A line without quotes or carriage returns is found by its line feed
// alone; any other goes through ScanQuoted.
std::size_t DelimitedReader::FindEnd(Record& record) {
    std::size_t searched = 0;
    for (;;) {
        std::string_view rest = std::string_view(text_).substr(start_);
        std::size_t lineFeed = rest.find('\n', searched);
        if (lineFeed != std::string_view::npos) {
            bool crlf = lineFeed > 0 && rest[lineFeed - 1] == '\r';
            std::size_t length = crlf ? lineFeed - 1 : lineFeed;
            if (!NeedsCareful(rest.substr(0, length))) {
                record.end = crlf ? "\r\n" : "\n";
                return length;
            }
            break;
        }
        if (ended_) {
            if (!NeedsCareful(rest)) {
                record.end = "";
                return rest.size();
            }
            break;
        }
        searched = rest.size();
        ReadMore();
    }
    return ScanQuoted(record);
}

// Walks the record at start_ character by character, quotes and all, and returns its length.
std::size_t DelimitedReader::ScanQuoted(Record& record) {
    record.plain = false;
    bool quoted = false;
    bool cellStart = true;
    for (std::size_t i = 0;;) {
        std::string_view rest = std::string_view(text_).substr(start_);
        if (i == rest.size()) {
            if (!ReadMore()) {
                record.end = "";
                return i;
            }
            continue;
        }
        char c = rest[i];
        bool last = i + 1 == rest.size();
        if (last && !ended_ && (c == '\r' || (quoted && c == kQuote))) {
            ReadMore();  // what follows decides
            continue;
        }
        char next = last ? '\0' : rest[i + 1];
        if (quoted) {
            if (c == kQuote) {
                quoted = next == kQuote;
                i += quoted ? 2 : 1;
                continue;
            }
            if (c == '\n' || (c == '\r' && next != '\n')) {
                ++quotedBreaks_;
            }
        } else if (c == '\n' || c == '\r') {
            record.end = c == '\n' ? "\n" : next == '\n' ? "\r\n" : "\r";
            return i;
        } else if (c == kQuote && cellStart) {
            quoted = true;
        }
        cellStart = !quoted && c == delimiter_;
        ++i;
    }
}

void DelimitedReader::SplitPlain(std::string_view text, Record& record) const {
    for (;;) {
        std::size_t delimiter = text.find(delimiter_);
        record.cells.push_back(text.substr(0, delimiter));
        if (delimiter == std::string_view::npos) {
            return;
        }
        text.remove_prefix(delimiter + 1);
    }
}

// Splits the record at start_ into cells, taking the quotes off in place: a quoted cell only
// ever shrinks.
void DelimitedReader::SplitQuoted(std::size_t length, Record& record) {
    char* text = text_.data() + start_;
    for (std::size_t i = 0;; ++i) {
        char* cell = text + i;
        char* out = cell;
        if (i < length && text[i] == kQuote) {
            for (++i; i < length; ++i) {
                if (text[i] == kQuote) {
                    if (i + 1 == length || text[i + 1] != kQuote) {
                        ++i;
                        break;
                    }
                    ++i;
                }
                *out++ = text[i];
            }
        }
        for (; i < length && text[i] != delimiter_; ++i) {
            *out++ = text[i];
        }
        record.cells.emplace_back(cell, static_cast<std::size_t>(out - cell));
        if (i >= length) {
            return;
        }
    }
}

}  // namespace varnel::cli
