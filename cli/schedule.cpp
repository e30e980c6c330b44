#include "schedule.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "press.h"
#include "unit_keywords.h"

namespace varnel::cli {
namespace {

constexpr std::size_t kCellCount = 5;
constexpr std::size_t kSizeCell = 0;
constexpr std::size_t kSizeUnitCell = 1;
constexpr std::size_t kLengthCell = 2;
constexpr std::size_t kLengthUnitCell = 3;
constexpr std::size_t kResistanceCell = 4;

// A line read without its line end, and that end as it came: "\n", "\r\n", "\r" or none.
struct Line {
    std::string_view text;
    std::string_view end;
};

Line SplitLineEnd(std::string_view read, bool newline) {
    bool carriageReturn = read.ends_with('\r');
    if (carriageReturn) {
        read.remove_suffix(1);
    }
    std::string_view end = carriageReturn ? (newline ? "\r\n" : "\r") : (newline ? "\n" : "");
    return {read, end};
}

bool IsHeader(std::string_view line) {
    constexpr std::string_view kFirstHeading = "size";
    return line.size() > kFirstHeading.size() && line[kFirstHeading.size()] == '\t' &&
           EqualsIgnoringCase(line.substr(0, kFirstHeading.size()), kFirstHeading);
}

// The cell of each field, in the order of Field.
constexpr std::array<std::size_t, 3> kFieldCells{kSizeCell, kLengthCell, kResistanceCell};

// Writes the lines of one schedule, each built in one reused buffer.
class ScheduleWriter {
  public:
    ScheduleWriter(std::ostream& results, const NumberFormat& format)
        : results_(results), press_(format) {}

    void WriteHeader(const Line& line) {
        out_.assign(line.text).append("\t").append(kMessageHeading);
        Send(line.end);
    }

    // Presses the row and writes it back; returns true when it was solved.
    bool WriteRow(const Line& line) {
        std::size_t cellCount = SplitCells(line.text);
        if (cellCount != kCellCount) {
            WriteMisshapen(line, cellCount);
            return false;
        }
        std::optional<SizeUnit> sizeUnit = ReadSizeUnit(cells_[kSizeUnitCell]);
        if (!sizeUnit) {
            return WriteUnsolved(line, kSizeUnitNotUnderstood);
        }
        std::optional<LengthUnit> lengthUnit = ReadLengthUnit(cells_[kLengthUnitCell]);
        if (!lengthUnit) {
            return WriteUnsolved(line, kLengthUnitNotUnderstood);
        }
        PressAnswer answer = press_.Press({cells_[kSizeCell], cells_[kLengthCell],
                                           cells_[kResistanceCell], *sizeUnit, *lengthUnit});
        if (answer.kind != PressAnswer::Kind::Solved) {
            return WriteUnsolved(line, answer.text);
        }
        cells_[kFieldCells[static_cast<std::size_t>(answer.field)]] = answer.text;
        out_.clear();
        for (std::string_view cell : cells_) {
            out_.append(cell).append("\t");
        }
        Send(line.end);
        return true;
    }

  private:
    // Splits the text at its tabs into cells_ and returns how many cells it has; cells beyond
    // the fifth are counted, not kept.
    std::size_t SplitCells(std::string_view text) {
        std::size_t count = 0;
        for (std::size_t start = 0;; ++count) {
            std::size_t tab = text.find('\t', start);
            if (count < kCellCount) {
                cells_[count] = text.substr(start, tab - start);
            }
            if (tab == std::string_view::npos) {
                return count + 1;
            }
            start = tab + 1;
        }
    }

    bool WriteUnsolved(const Line& line, std::string_view message) {
        out_.assign(line.text).append("\t").append(message);
        Send(line.end);
        return false;
    }

    // A row of another number of cells: up to its fifth cell, empty cells to make five,
    // the message, then any further cells.
    void WriteMisshapen(const Line& line, std::size_t cellCount) {
        std::string_view fifth = cells_[std::min(cellCount, kCellCount) - 1];
        auto headLength = static_cast<std::size_t>(fifth.data() + fifth.size() - line.text.data());
        out_.assign(line.text.substr(0, headLength));
        for (std::size_t missing = cellCount; missing < kCellCount; ++missing) {
            out_.append("\t");
        }
        out_.append("\t").append(kRowNotUnderstood).append(line.text.substr(headLength));
        Send(line.end);
    }

    void Send(std::string_view end) {
        out_.append(end);
        results_.write(out_.data(), static_cast<std::streamsize>(out_.size()));
    }

    std::ostream& results_;
    CommandPress press_;
    std::array<std::string_view, kCellCount> cells_;
    std::string out_;
};

}  // namespace

bool CheckSchedule(std::istream& rows, std::ostream& results, const NumberFormat& format) {
    ScheduleWriter writer(results, format);
    bool allSolved = true;
    bool first = true;
    std::string read;
    while (std::getline(rows, read)) {
        Line line = SplitLineEnd(read, !rows.eof());
        if (first && IsHeader(line.text)) {
            writer.WriteHeader(line);
        } else {
            allSolved = writer.WriteRow(line) && allSolved;
        }
        first = false;
    }
    return allSolved;
}

}  // namespace varnel::cli
