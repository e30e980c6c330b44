// Writes a generated cable schedule to standard output: a header, then ROWS rows that cycle
// through every size unit and length unit (upper case and the empty cell among them) and the
// three solve paths; one row in ten has only one cell filled, so a message answers it.
//
//   schedule_rows ROWS
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
void AppendRow(std::string& line, unsigned long i) {
    const SizeSample& size = kSizes[i % kSizes.size()];
    std::string_view lengthUnit = kLengthUnits[(i / kSizes.size()) % kLengthUnits.size()];
    unsigned long path = i % 3;
    bool message = i % 10 == 9;
    auto filled = [&](unsigned long cell) { return message ? cell == path : cell != path; };
    line.append(filled(0) ? size.size : "").append("\t").append(size.unit).append("\t");
    if (filled(1)) {
        AppendNumber(line, static_cast<unsigned>(100 + i % 900));
    }
    line.append("\t").append(lengthUnit).append("\t");
    if (filled(2)) {
        line.append("0.").append(std::string_view("0123456789").substr(i % 9 + 1, 1)).append("5");
    }
    line.append("\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: schedule_rows ROWS\n", stderr);
        return 2;
    }
    unsigned long rows = std::strtoul(argv[1], nullptr, 10);
    std::string line = "size\tsize unit\tlength\tlength unit\tresistance\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    for (unsigned long i = 0; i < rows; ++i) {
        line.clear();
        AppendRow(line, i);
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
