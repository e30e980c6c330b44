#include "schedule_exports.h"

#include <emscripten/emscripten.h>

#include <string>
#include <vector>

#include "language_numbers.h"
#include "schedule.h"

// The page's worker puts three functions on the module before each check: readPiece fills
// a buffer with the file's next bytes and returns how many (0 at its end, -1 when it cannot be
// read), writePiece takes the next bytes of the checked file, and unsolvedRow takes one of the
// first unsolved rows: its line, its cells and its message.
EM_JS(int, ReadPiece, (char* buffer, int capacity), { return Module.readPiece(buffer, capacity); });
EM_JS(void, WritePiece, (const char* bytes, int size), { Module.writePiece(bytes, size); });
EM_JS(void, HandUnsolvedRow,
      (double line, const char* const* cells, const int* sizes, int count, const char* message,
       int messageSize),
      { Module.unsolvedRow(line, cells, sizes, count, message, messageSize); });

namespace {

using namespace varnel;

constexpr std::size_t kPiece = 1 << 20;

// The file, a piece at a time as the page reads it.
class PieceReader : public cli::ByteSource {
  public:
    std::size_t ReadAtHand(char* to, std::size_t size) override {
        int read = ReadPiece(to, static_cast<int>(size));
        failed_ = failed_ || read < 0;
        return read < 0 ? 0 : static_cast<std::size_t>(read);
    }

    bool Failed() const { return failed_; }

  private:
    bool failed_ = false;
};

// The checked file, handed to the page a piece at a time.
class PieceWriter : public cli::ByteSink {
  public:
    void Write(std::string_view bytes) override {
        if (piece_.size() + bytes.size() > kPiece) {
            Flush();
        }
        piece_.append(bytes);
    }

    void Flush() override {
        if (!piece_.empty()) {
            WritePiece(piece_.data(), static_cast<int>(piece_.size()));
            piece_.clear();
        }
    }

  private:
    std::string piece_;
};

void HandOnUnsolved(const cli::UnsolvedRow& row) {
    std::vector<const char*> cells;
    std::vector<int> sizes;
    for (std::string_view cell : row.cells) {
        cells.push_back(cell.data());
        sizes.push_back(static_cast<int>(cell.size()));
    }
    HandUnsolvedRow(static_cast<double>(row.line), cells.data(), sizes.data(),
                    static_cast<int>(cells.size()), row.message.data(),
                    static_cast<int>(row.message.size()));
}

struct HeldResult {
    std::string summary;
    VarnelScheduleResult result{};
};

}  // namespace

const VarnelScheduleResult* VarnelCheckSchedule(const char* fileName, const char* language,
                                                const char* decimal, const char* group,
                                                const char* minus) {
    static HeldResult held;
    NumberFormat numbers =
        cli::NumberFormatOfLanguage(language).value_or(NumberFormat{decimal, group, minus});
    cli::ScheduleSettings settings = cli::SettingsForFile(fileName, numbers, {}, {});
    settings.onUnsolved = [shown = std::uint32_t{0}](const cli::UnsolvedRow& row) mutable {
        if (shown++ < kVarnelUnsolvedRowsShown) {
            HandOnUnsolved(row);
        }
    };
    PieceReader reader;
    PieceWriter writer;
    cli::ScheduleSummary summary = cli::CheckSchedule(reader, writer, settings);
    writer.Flush();
    bool unread = reader.Failed();
    held.summary = unread ? std::string(fileName) + ": the file could not be read"
                          : cli::SummaryLine(summary, fileName);
    held.result = {unread || cli::IsRefused(summary) ? 1 : 0, held.summary.c_str(),
                   static_cast<double>(summary.rows), static_cast<double>(summary.unsolved)};
    return &held.result;
}
