#include "schedule.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "delimited_reader.h"
#include "file_kind.h"
#include "press.h"
#include "text_encoding.h"
#include "unit_keywords.h"

namespace varnel::cli {
namespace {

// The algorithms here take iterator pairs rather than ranges: the web page's build, with
// emscripten's libc++, has no range algorithms.

enum Column : std::size_t { kSize, kSizeUnit, kLength, kLengthUnit, kResistance, kMessage };

constexpr std::array<std::string_view, 6> kHeadings{"size",        "size unit",  "length",
                                                    "length unit", "resistance", kMessageHeading};
constexpr std::array<Column, 3> kNeededColumns{kSize, kLength, kResistance};
constexpr std::size_t kNone = std::string_view::npos;
constexpr std::size_t kRowCells = 5;  // a row without a header, its message aside

// The column each field is written into, in the order of InputField.
constexpr std::array<Column, 3> kFieldColumns{kSize, kLength, kResistance};

// A cell without the spaces and tabs around it: " awg " reads as "awg".
std::string_view Trimmed(std::string_view cell) {
    std::size_t first = cell.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return cell.substr(first, cell.find_last_not_of(" \t") - first + 1);
}

bool IsBlank(const Record& record) {
    return std::all_of(record.cells.begin(), record.cells.end(),
                       [](std::string_view cell) { return Trimmed(cell).empty(); });
}

bool IsHeader(const Record& record) {
    return std::any_of(record.cells.begin(), record.cells.end(), [](std::string_view cell) {
        return std::any_of(kNeededColumns.begin(), kNeededColumns.end(), [cell](Column column) {
            return EqualsIgnoringCase(Trimmed(cell), kHeadings[column]);
        });
    });
}

// Where each column stands in a row, kNone for a column a header does not have, and whether
// the message is inserted there (a column of its own that the header gains) or replaces the
// cell there.
struct Layout {
    std::array<std::size_t, kHeadings.size()> at{0, 1, 2, 3, 4, 5};
    bool insertMessage = false;
    bool fromHeader = false;
};

Layout LayoutOfHeader(const Record& header) {
    Layout layout;
    layout.fromHeader = true;
    for (std::size_t column = 0; column < kHeadings.size(); ++column) {
        auto found =
            std::find_if(header.cells.begin(), header.cells.end(), [&](std::string_view cell) {
                return EqualsIgnoringCase(Trimmed(cell), kHeadings[column]);
            });
        bool present = found != header.cells.end();
        layout.at[column] =
            present ? static_cast<std::size_t>(found - header.cells.begin()) : kNone;
    }
    if (layout.at[kMessage] == kNone) {
        layout.at[kMessage] = header.cells.size();
        layout.insertMessage = true;
    }
    return layout;
}

std::string_view MissingHeading(const Layout& layout) {
    for (Column column : kNeededColumns) {
        if (layout.at[column] == kNone) {
            return kHeadings[column];
        }
    }
    return {};
}

// A cell that RFC 4180 writes in quotes: one holding the delimiter, a quote or a line break.
bool NeedsQuotes(std::string_view cell, char delimiter) {
    return std::any_of(cell.begin(), cell.end(), [delimiter](char c) {
        return c == delimiter || c == '"' || c == '\n' || c == '\r';
    });
}

// A schedule's first cell that starts with the bytes of a byte-order mark (or, in UTF-16, the
// character U+FEFF) is written in quotes, so that the results are not read as marked text.
bool StartsLikeAMark(std::string_view cell) {
    return cell.starts_with("\xEF\xBB\xBF") || cell.starts_with("\xFF\xFE") ||
           cell.starts_with("\xFE\xFF");
}

// Writes the lines of one schedule, each built in one reused buffer.
class ScheduleWriter {
  public:
    ScheduleWriter(TextSink& sink, char delimiter, const ScheduleSettings& settings)
        : sink_(sink),
          delimiter_(delimiter),
          answerAtOnce_(settings.answerAtOnce),
          press_(settings.numbers) {}

    // Writes a line back with its cells as read.
    void WriteAsRead(const Record& record) {
        cells_.assign(record.cells.begin(), record.cells.end());
        Send(record);
    }

    void WriteHeader(const Record& record, const Layout& layout) {
        cells_.assign(record.cells.begin(), record.cells.end());
        if (layout.insertMessage) {
            Insert(layout.at[kMessage], kMessageHeading);
        }
        Send(record);
    }

    // Presses the row and writes it back; returns the message that answered it, or "" when
    // it was solved.
    std::string_view WriteRow(const Record& record, const Layout& layout) {
        cells_.assign(record.cells.begin(), record.cells.end());
        if (!layout.fromHeader && cells_.size() != kRowCells && cells_.size() != kRowCells + 1) {
            cells_.resize(std::max(cells_.size(), kRowCells));
            Insert(kRowCells, kRowNotUnderstood);
            return SendAnswered(record, kRowNotUnderstood);
        }
        auto cell = [&](Column column) {
            std::size_t at = layout.at[column];
            return at < record.cells.size() ? Trimmed(record.cells[at]) : std::string_view();
        };
        std::optional<SizeUnit> sizeUnit = ReadSizeUnit(cell(kSizeUnit));
        std::optional<LengthUnit> lengthUnit = ReadLengthUnit(cell(kLengthUnit));
        if (!sizeUnit || !lengthUnit) {
            std::string_view message = sizeUnit ? kLengthUnitNotUnderstood : kSizeUnitNotUnderstood;
            PutMessage(layout, message);
            return SendAnswered(record, message);
        }
        PressAnswer answer =
            press_.Press({{cell(kSize), cell(kLength), cell(kResistance)}, *sizeUnit, *lengthUnit});
        if (answer.kind != PressAnswer::Kind::Solved) {
            PutMessage(layout, answer.text);
            return SendAnswered(record, answer.text);
        }
        Put(layout.at[kFieldColumns[static_cast<std::size_t>(answer.field)]], answer.text);
        PutMessage(layout, {});
        Send(record);
        return {};
    }

  private:
    void Put(std::size_t at, std::string_view text) {
        if (at >= cells_.size()) {
            cells_.resize(at + 1);
        }
        cells_[at] = text;
    }

    void Insert(std::size_t at, std::string_view text) {
        if (at > cells_.size()) {
            cells_.resize(at);
        }
        cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(at), text);
    }

    void PutMessage(const Layout& layout, std::string_view message) {
        if (layout.insertMessage) {
            Insert(layout.at[kMessage], message);
        } else {
            Put(layout.at[kMessage], message);
        }
    }

    std::string_view SendAnswered(const Record& record, std::string_view message) {
        Send(record);
        return message;
    }

    // Joins cells_ with the delimiter and writes them with the record's line end.
    void Send(const Record& record) {
        out_.clear();
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            if (i > 0) {
                out_.push_back(delimiter_);
            }
            AppendCell(out_, cells_[i], delimiter_, first_ && i == 0);
        }
        out_.append(record.end);
        first_ = false;
        sink_.Write(out_);
        if (answerAtOnce_) {
            sink_.Flush();
        }
    }

    TextSink& sink_;
    char delimiter_;
    bool answerAtOnce_;
    bool first_ = true;  // no line written yet
    CommandPress press_;
    std::vector<std::string_view> cells_;
    std::string out_;
};

// Why a text without a mark that starts with `start` is no schedule: it is empty, or plainly
// not text (NUL bytes count only in what is not UTF-16).
std::string WhyNotText(std::string_view start, bool utf8) {
    if (start.empty()) {
        return "empty, no schedule in it";
    }
    std::string_view kind = utf8 ? KindOfBinary(start) : SignatureKind(start);
    if (kind.empty()) {
        return {};
    }
    return std::string(kind) +
           ", not a CSV or tab-separated schedule; save it as \"CSV UTF-8\" or \"Unicode "
           "text\" and try again";
}

void NoteUnsolved(ScheduleSummary& summary, std::uint64_t line) {
    if (summary.unsolved < kLinesNamed) {
        summary.unsolvedLines[static_cast<std::size_t>(summary.unsolved)] = line;
    }
    ++summary.unsolved;
}

// The delimiter of CSV in the language whose numbers are written in `numbers`: ';' where the
// decimal separator is a comma, as spreadsheets save it there, ',' elsewhere.
char LanguageDelimiter(const NumberFormat& numbers) {
    return numbers.decimal == "," ? ';' : ',';
}

bool EndsWithCsv(std::string_view file) {
    constexpr std::string_view kCsvExtension = ".csv";
    return file.size() >= kCsvExtension.size() &&
           EqualsIgnoringCase(file.substr(file.size() - kCsvExtension.size()), kCsvExtension);
}

// The first line spreadsheets read as naming the delimiter, "sep=;".
constexpr std::string_view kSeparatorHint = "sep=";

// The delimiter a first line "sep=X" names; nothing where the line is no such hint.
std::optional<char> HintedDelimiter(std::string_view firstLine) {
    if (firstLine.size() != kSeparatorHint.size() + 1 || !firstLine.starts_with(kSeparatorHint) ||
        firstLine.back() == '"') {
        return std::nullopt;
    }
    return firstLine.back();
}

// The one of ',', ';' and tab that a line holds alone; nothing where it holds none or more.
std::optional<char> OnlyDelimiterIn(std::string_view line) {
    std::optional<char> only;
    for (char candidate : {',', ';', '\t'}) {
        if (line.find(candidate) != std::string_view::npos) {
            if (only) {
                return std::nullopt;
            }
            only = candidate;
        }
    }
    return only;
}

char ChooseDelimiter(DelimitedReader& reader, const ScheduleSettings& settings) {
    if (settings.tabWhenFirstLineHoldsOne && reader.FirstLineHoldsTab()) {
        return '\t';
    }
    if (!settings.delimiterFromFile) {
        return settings.delimiter;
    }
    if (std::optional<char> hinted = HintedDelimiter(reader.FirstLine())) {
        return *hinted;
    }
    std::string_view line = reader.FirstFilledLine();
    if (line.find(settings.delimiter) != std::string_view::npos) {
        return settings.delimiter;
    }
    return OnlyDelimiterIn(line).value_or(settings.delimiter);
}

}  // namespace

void AppendCell(std::string& line, std::string_view cell, char delimiter, bool firstInFile) {
    if (!(firstInFile && StartsLikeAMark(cell)) && !NeedsQuotes(cell, delimiter)) {
        line.append(cell);
        return;
    }
    line.push_back('"');
    for (char c : cell) {
        line.append(c == '"' ? 2 : 1, c);
    }
    line.push_back('"');
}

ScheduleSummary CheckSchedule(std::istream& in, std::ostream& out,
                              const ScheduleSettings& settings) {
    StreamSource source(in);
    StreamSink sink(out);
    return CheckSchedule(source, sink, settings);
}

ScheduleSummary CheckSchedule(ByteSource& in, ByteSink& out, const ScheduleSettings& settings) {
    TextSource source(in);
    TextEncoding encoding = source.ReadEncoding();
    ScheduleSummary summary;
    if (encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf16LeNoMark ||
        encoding == TextEncoding::Utf16BeNoMark) {
        summary.unreadable = WhyNotText(source.Start(), encoding == TextEncoding::Utf8);
        if (!summary.unreadable.empty()) {
            return summary;
        }
    }
    TextSink sink(out, encoding);
    DelimitedReader reader(source);
    char delimiter = ChooseDelimiter(reader, settings);
    summary.delimiter = delimiter;
    reader.SetDelimiter(delimiter);
    // A first line "sep=X" naming the delimiter is passed through as it came.
    bool hintFirst = HintedDelimiter(reader.FirstLine()) == delimiter;
    ScheduleWriter writer(sink, delimiter, settings);
    std::optional<Layout> layout;
    reader.ReadAll([&](const Record& record) {
        bool hint = std::exchange(hintFirst, false);
        if (hint || IsBlank(record)) {
            writer.WriteAsRead(record);
        } else if (!layout && IsHeader(record)) {
            layout = LayoutOfHeader(record);
            summary.missingHeading = MissingHeading(*layout);
            if (!summary.missingHeading.empty()) {
                return false;
            }
            writer.WriteHeader(record, *layout);
        } else {
            if (!layout) {
                layout.emplace();
            }
            ++summary.rows;
            std::string_view message = writer.WriteRow(record, *layout);
            if (!message.empty()) {
                NoteUnsolved(summary, record.line);
                if (settings.onUnsolved) {
                    settings.onUnsolved({record.line, record.cells, message});
                }
            }
        }
        return true;
    });
    summary.overlongLine = reader.OverlongLine();
    if (summary.overlongLine != 0) {
        summary.unreadable = "line " + std::to_string(summary.overlongLine) + " is longer than " +
                             std::to_string(kLongestRecord >> 20) +
                             " MiB, more than any schedule's row (is a line end missing, or "
                             "a closing quote?); nothing read from it on";
    } else {
        sink.WriteBytes(source.StrayByte());
    }
    return summary;
}

bool IsStandardInput(std::string_view file) {
    return file.empty() || file == "-";
}

ScheduleSettings SettingsForFile(std::string_view file, const NumberFormat& numbers,
                                 std::optional<ScheduleFormat> format,
                                 std::optional<char> delimiter) {
    if (!format && (delimiter || !IsStandardInput(file))) {
        format = delimiter || EndsWithCsv(file) ? ScheduleFormat::Csv : ScheduleFormat::Tsv;
    }
    ScheduleSettings settings;
    settings.numbers = numbers;
    settings.delimiter =
        format == ScheduleFormat::Tsv ? '\t' : delimiter.value_or(LanguageDelimiter(numbers));
    settings.tabWhenFirstLineHoldsOne = !format;
    settings.delimiterFromFile = format != ScheduleFormat::Tsv && !delimiter;
    return settings;
}

bool IsRefused(const ScheduleSummary& summary) {
    return !summary.unreadable.empty() || !summary.missingHeading.empty();
}

std::string SummaryLine(const ScheduleSummary& summary, std::string_view name) {
    if (!summary.unreadable.empty()) {
        return std::string(name) + ": " + summary.unreadable;
    }
    if (!summary.missingHeading.empty()) {
        return std::string(name) + ": the header has no '" + std::string(summary.missingHeading) +
               "' column";
    }
    return summary.unsolved == 0 ? std::string() : UnsolvedRowsText(summary);
}

std::string UnsolvedRowsText(const ScheduleSummary& summary) {
    std::string text = std::to_string(summary.unsolved) + " of " + std::to_string(summary.rows) +
                       (summary.rows == 1 ? " row" : " rows") + " not solved, at " +
                       (summary.unsolved == 1 ? "line " : "lines ");
    std::uint64_t named = std::min<std::uint64_t>(summary.unsolved, kLinesNamed);
    for (std::size_t i = 0; i < named; ++i) {
        bool lastNamed = i + 1 == named && named == summary.unsolved;
        text.append(i == 0 ? "" : lastNamed ? " and " : ", ");
        text.append(std::to_string(summary.unsolvedLines[i]));
    }
    if (summary.unsolved > named) {
        text.append(" and ").append(std::to_string(summary.unsolved - named)).append(" more");
    }
    return text;
}

}  // namespace varnel::cli
