// A whole schedule driven by libFuzzer, bytes to bytes: the encodings, the delimiter and the
// quoting, the header, each row's press and the writer. Whatever the bytes, nothing crashes
// or leaks, a file refused writes nothing, and the results are a schedule of their own: read
// again, they are in the encoding of the file, and with the same delimiter their records are
// written back byte for byte as they are. The answers themselves are left to the unit tests.
//
// Byte layout: the first byte chooses the settings (bits 0-1 the CSV delimiter, tab ',' ';'
// or '|'; bit 2 a tab delimiter when the first line holds one; bit 3 the comma locale; bit 4
// the delimiter named or shown by the file); every other byte is the file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "delimited_reader.h"
#include "number_formats.h"
#include "schedule.h"
#include "text_encoding.h"

namespace varnel::cli {
namespace {

constexpr std::array<char, 4> kDelimiters{'\t', ',', ';', '|'};

void Require(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "A schedule broke its invariant: %s\n", invariant);
        std::abort();
    }
}

ScheduleSettings SettingsOf(std::uint8_t choice) {
    ScheduleSettings settings;
    settings.delimiter = kDelimiters[choice & 3U];
    settings.tabWhenFirstLineHoldsOne = (choice & 4U) != 0;
    settings.numbers = (choice & 8U) != 0 ? testing::kComma : testing::kPeriod;
    settings.delimiterFromFile = (choice & 16U) != 0;
    return settings;
}

// The results read as a schedule split by `delimiter` and every record written back as read.
std::string Rewritten(const std::string& results, char delimiter, TextEncoding& encoding) {
    std::istringstream in(results);
    std::ostringstream out;
    StreamSource bytesIn(in);
    StreamSink bytesOut(out);
    TextSource source(bytesIn);
    encoding = source.ReadEncoding();
    TextSink sink(bytesOut, encoding);
    DelimitedReader reader(source);
    reader.SetDelimiter(delimiter);
    std::string line;
    bool first = true;
    reader.ReadAll([&](const Record& record) {
        line.clear();
        for (std::size_t i = 0; i < record.cells.size(); ++i) {
            if (i > 0) {
                line.push_back(delimiter);
            }
            AppendCell(line, record.cells[i], delimiter, first && i == 0);
        }
        line.append(record.end);
        first = false;
        sink.Write(line);
        return true;
    });
    sink.WriteBytes(source.StrayByte());
    return out.str();
}

TextEncoding EncodingOf(const std::string& bytes) {
    std::istringstream in(bytes);
    StreamSource source(in);
    return TextSource(source).ReadEncoding();
}

void RunSchedule(std::uint8_t choice, std::string_view file) {
    ScheduleSettings settings = SettingsOf(choice);
    std::istringstream in{std::string(file)};
    std::ostringstream out;
    ScheduleSummary summary = CheckSchedule(in, out, settings);
    std::string results = out.str();
    Require(summary.unsolved <= summary.rows, "more rows unsolved than read");
    if (!summary.unreadable.empty() && summary.overlongLine == 0) {
        Require(results.empty(), "a file refused as a whole wrote results");
        return;
    }
    // UTF-16 without a mark is told from the first line, which the results may change: the
    // cells are compared only where it is told again.
    TextEncoding written = TextEncoding::Utf8;
    std::string rewritten = Rewritten(results, summary.delimiter, written);
    TextEncoding read = EncodingOf(std::string(file));
    if (read != TextEncoding::Utf16LeNoMark && read != TextEncoding::Utf16BeNoMark) {
        Require(written == read, "the results do not read back in the encoding of the file");
    }
    Require(written != read || rewritten == results,
            "the results do not read back as the cells they were written with");
}

}  // namespace
}  // namespace varnel::cli

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    varnel::cli::RunSchedule(data[0],
                             std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    return 0;
}
