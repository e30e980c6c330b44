// Writes a generated cable schedule to standard output: a header, then ROWS rows that cycle
// through every size unit and length unit (upper case and the empty cell among them) and the
// three solve paths; one row in ten has only one cell filled, so a message answers it. As
// tab-separated values, or with csv as comma-separated values with a circuit column before
// the five and a quoted note after them, which holds a comma and, every fourth row, doubled
// quotes.
//
//   schedule_rows ROWS [csv]
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// A unit cell and a typical size in that unit.
struct SizeSample {
    std::string_view unit;
    std::string_view size;
};

constexpr std::array<SizeSample, 8> kSizes{{
    {"", "12"},
    {"awg", "4/0"},
    {"cmil", "6530"},
    {"sqin", "0.00509"},
    {"sqmil", "4110"},
    {"KCMIL", "250"},
    {"mcm", "6.53"},
    {"mm2", "2.5"},
}};

constexpr std::array<std::string_view, 8> kLengthUnits{"", "ft", "m", "in", "cm", "yd", "mi", "KM"};

void AppendNumber(std::string& line, unsigned number) {
    std::array<char, 16> digits{};
    auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), number);
    line.append(digits.data(), end);
}

// Row i: its size, length and resistance cells, one of them blank; every tenth row has only
// one of them filled.
void AppendRow(std::string& line, unsigned long i, std::string_view delimiter) {
    const SizeSample& size = kSizes[i % kSizes.size()];
    std::string_view lengthUnit = kLengthUnits[(i / kSizes.size()) % kLengthUnits.size()];
    unsigned long path = i % 3;
    bool message = i % 10 == 9;
    auto filled = [&](unsigned long cell) { return message ? cell == path : cell != path; };
    line.append(filled(0) ? size.size : "").append(delimiter).append(size.unit).append(delimiter);
    if (filled(1)) {
        AppendNumber(line, static_cast<unsigned>(100 + i % 900));
    }
    line.append(delimiter).append(lengthUnit).append(delimiter);
    if (filled(2)) {
        line.append("0.").append(std::string_view("0123456789").substr(i % 9 + 1, 1)).append("5");
    }
}

void AppendCsvRow(std::string& line, unsigned long i) {
    line.append("C");
    AppendNumber(line, static_cast<unsigned>(i % 100000));
    line.append(",");
    AppendRow(line, i, ",");
    line.append(i % 4 == 0 ? ",\"run in \"\"B\"\" tray, east\"" : ",\"feeds pump 7, north\"");
}

}  // namespace

int main(int argc, char* argv[]) {
    bool csv = argc == 3 && std::string_view(argv[2]) == "csv";
    if (argc != 2 && !csv) {
        std::fputs("usage: schedule_rows ROWS [csv]\n", stderr);
        return 2;
    }
    unsigned long rows = std::strtoul(argv[1], nullptr, 10);
    std::string line = csv ? "circuit,size,size unit,length,length unit,resistance,note\n"
                           : "size\tsize unit\tlength\tlength unit\tresistance\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    for (unsigned long i = 0; i < rows; ++i) {
        line.clear();
        if (csv) {
            AppendCsvRow(line, i);
        } else {
            AppendRow(line, i, "\t");
        }
        line.append("\n");
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
