#include "options.h"

#include <getopt.h>

#include <QLocale>
#include <array>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "command_line_reply.h"
#include "number_format.h"
#include "unit_keywords.h"

namespace varnel::cli {
namespace {

using command_line::Quoted;

// What getopt_long answers for each option; the short -h answers as --help does.
enum OptionId : int {
    kHelp = 'h',
    kVersion = 256,
    kBatch,
    kSizeUnit,
    kLengthUnit,
    kSize,
    kLength,
    kResistance,
    kLocale,
    kFormat,
    kDelimiter,
    kOptionIdEnd
};

constexpr std::array<option, 12> kLongOptions{{
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {"batch", optional_argument, nullptr, kBatch},
    {"size-unit", required_argument, nullptr, kSizeUnit},
    {"length-unit", required_argument, nullptr, kLengthUnit},
    {"size", required_argument, nullptr, kSize},
    {"length", required_argument, nullptr, kLength},
    {"resistance", required_argument, nullptr, kResistance},
    {"locale", required_argument, nullptr, kLocale},
    {"format", required_argument, nullptr, kFormat},
    {"delimiter", required_argument, nullptr, kDelimiter},
    {nullptr, 0, nullptr, 0},
}};

// The options that give a press what a schedule's rows give, and those only a schedule takes.
constexpr std::array kPressOnly{kSizeUnit, kLengthUnit, kSize, kLength, kResistance};
constexpr std::array kBatchOnly{kFormat, kDelimiter};

constexpr std::array<std::pair<std::string_view, ScheduleFormat>, 2> kFormats{{
    {"tsv", ScheduleFormat::Tsv},
    {"csv", ScheduleFormat::Csv},
}};

std::string LongName(int id) {
    for (const option& entry : kLongOptions) {
        if (entry.name != nullptr && entry.val == id) {
            return std::string("--") + entry.name;
        }
    }
    return {};
}

// Whether an option takes a value: TakesValue(kSize) is true, TakesValue(kVersion) false.
bool TakesValue(int id) {
    for (const option& entry : kLongOptions) {
        if (entry.name != nullptr && entry.val == id) {
            return entry.has_arg != no_argument;
        }
    }
    return false;
}

// The long options whose names begin with what was typed before any "=".
std::size_t CountPrefixMatches(std::string_view typed) {
    typed = typed.substr(0, typed.find('='));
    std::size_t count = 0;
    for (const option& entry : kLongOptions) {
        count += entry.name != nullptr && std::string_view(entry.name).starts_with(typed);
    }
    return count;
}

// The C library's reader keeps its place in globals and reorders the argument pointers, so
// each reading starts it afresh on a copy of them, behind the program's name.
class CommandLineReader {
  public:
    explicit CommandLineReader(std::span<const char* const> arguments) {
        argv_.push_back(const_cast<char*>(kProgramName.data()));
        for (const char* argument : arguments) {
            argv_.push_back(const_cast<char*>(argument));
        }
        argv_.push_back(nullptr);
    }

    Command Read() {
        const int argc = static_cast<int>(argv_.size() - 1);
        opterr = 0;
        optind = 0;
        for (;;) {
            const int id = getopt_long(argc, argv_.data(), ":h", kLongOptions.data(), nullptr);
            if (id == -1) {
                break;
            }
            if (std::optional<Command> stop = ReadOption(id)) {
                return *stop;
            }
        }
        operands_.assign(argv_.begin() + optind, argv_.end() - 1);
        if (std::optional<UsageError> error = CheckCombination()) {
            return *error;
        }
        if (!localeGiven_) {
            options_.format = NumberFormatOf(QLocale::system());
        }
        return options_;
    }

  private:
    // Applies one option; returns the command when it settles the command line.
    std::optional<Command> ReadOption(int id) {
        if (id == '?' || id == ':') {
            return ReadError(id);
        }
        if (seen_[static_cast<std::size_t>(id)]) {
            return UsageError{"option " + Quoted(LongName(id)) + " given twice"};
        }
        seen_[static_cast<std::size_t>(id)] = true;
        return Apply(id, optarg == nullptr ? std::string_view() : std::string_view(optarg));
    }

    // The usage error of an argument that getopt_long refused, in the words GNU programs use.
    UsageError ReadError(int id) const {
        const std::string_view typed = argv_[static_cast<std::size_t>(optind - 1)];
        // mingw-w64's reader answers a value given to an option that takes none (--version=1)
        // with ':' as well, where glibc's answers '?'.
        if (id == ':' && TakesValue(optopt)) {
            return UsageError{"option " + Quoted(LongName(optopt)) + " requires an argument"};
        }
        if (optopt != 0 && typed.starts_with("--")) {
            return UsageError{"option " + Quoted(LongName(optopt)) + " doesn't allow an argument"};
        }
        if (optopt != 0) {
            return UsageError{"invalid option -- " + Quoted(std::string(1, char(optopt)))};
        }
        if (CountPrefixMatches(typed.substr(2)) > 1) {
            return UsageError{"option " + Quoted(typed) + " is ambiguous"};
        }
        return UsageError{"unrecognized option " + Quoted(typed)};
    }

    std::optional<Command> Apply(int id, std::string_view value) {
        switch (id) {
            case kHelp:
                return HelpRequest{};
            case kVersion:
                return VersionRequest{};
            case kBatch:
                options_.batch = true;
                batchFile_ = optarg == nullptr ? std::nullopt : std::optional(value);
                return std::nullopt;
            case kSizeUnit:
                return ApplyUnit(ReadSizeUnit(value), options_.press.sizeUnit, "size", value,
                                 KeywordList(kSizeUnitKeywords));
            case kLengthUnit:
                return ApplyUnit(ReadLengthUnit(value), options_.press.lengthUnit, "length", value,
                                 KeywordList(kLengthUnitKeywords));
            case kSize:
                options_.press.texts.size = value;
                return std::nullopt;
            case kLength:
                options_.press.texts.length = value;
                return std::nullopt;
            case kResistance:
                options_.press.texts.resistance = value;
                return std::nullopt;
            case kFormat:
                return ApplyFormat(value);
            case kDelimiter:
                return ApplyDelimiter(value);
            default:  // --locale, the one option left
                return ApplyLocale(value);
        }
    }

    template <typename Unit>
    static std::optional<Command> ApplyUnit(std::optional<Unit> unit, Unit& target,
                                            std::string_view kind, std::string_view value,
                                            const std::string& keywords) {
        if (!unit) {
            return UsageError{"unknown " + std::string(kind) + " unit " + Quoted(value) +
                              " (one of " + keywords + ")"};
        }
        target = *unit;
        return std::nullopt;
    }

    std::optional<Command> ApplyLocale(std::string_view name) {
        std::optional<QLocale> locale = LocaleNamed(name);
        if (!locale) {
            return UsageError{"unknown locale " + Quoted(name)};
        }
        options_.format = NumberFormatOf(*locale);
        localeGiven_ = true;
        return std::nullopt;
    }

    std::optional<Command> ApplyFormat(std::string_view name) {
        for (const auto& [keyword, format] : kFormats) {
            if (keyword == name) {
                options_.scheduleFormat = format;
                return std::nullopt;
            }
        }
        return UsageError{"unknown format " + Quoted(name) + " (one of tsv, csv)"};
    }

    // A delimiter is one character that cannot be part of a cell's quoting or line end.
    std::optional<Command> ApplyDelimiter(std::string_view text) {
        if (text.size() != 1 || text == "\"" || text == "\r" || text == "\n") {
            return UsageError{"invalid delimiter " + Quoted(text) +
                              " (one character, not a quote or a line break)"};
        }
        options_.delimiter = text.front();
        return std::nullopt;
    }

    bool Seen(int id) const { return seen_[static_cast<std::size_t>(id)]; }

    std::optional<UsageError> CheckCombination() {
        for (int id : kPressOnly) {
            if (options_.batch && Seen(id)) {
                return UsageError{"option " + Quoted(LongName(id)) +
                                  " cannot go with '--batch': the rows give it"};
            }
        }
        for (int id : kBatchOnly) {
            if (!options_.batch && Seen(id)) {
                return UsageError{"option " + Quoted(LongName(id)) + " needs '--batch'"};
            }
        }
        if (options_.delimiter && options_.scheduleFormat == ScheduleFormat::Tsv) {
            return UsageError{"option '--delimiter' cannot go with '--format=tsv'"};
        }
        return CheckOperands();
    }

    // A schedule's FILE comes after "--batch=" or as the one operand; a press takes none.
    std::optional<UsageError> CheckOperands() {
        std::size_t allowed = options_.batch && !batchFile_ ? 1 : 0;
        if (operands_.size() > allowed) {
            return UsageError{"unexpected argument " + Quoted(operands_[allowed])};
        }
        if (!batchFile_ && !operands_.empty()) {
            batchFile_ = operands_.front();
        }
        if (batchFile_ && batchFile_->empty()) {
            return UsageError{"empty FILE name for '--batch' ('-' is standard input)"};
        }
        options_.file = batchFile_.value_or(std::string_view());
        return std::nullopt;
    }

    std::vector<char*> argv_;
    std::vector<std::string_view> operands_;
    std::optional<std::string_view> batchFile_;
    bool localeGiven_ = false;
    std::array<bool, kOptionIdEnd> seen_{};
    Options options_;
};

constexpr std::string_view kHelpStart =
    "Usage: varnel-calc [--size TEXT] [--length TEXT] [--resistance TEXT]\n"
    "                   [--size-unit UNIT] [--length-unit UNIT] [--locale NAME]\n"
    "  or:  varnel-calc --batch[=FILE] [FILE] [--format tsv|csv] [--delimiter CHAR]\n"
    "                   [--locale NAME]\n"
    "Work out a copper wire's size, length or DC resistance from the other two, as the\n"
    "CALCULATE button of the Varnel window does: give two of --size, --length and\n"
    "--resistance and the third is printed. An option left out is an empty field.\n"
    "\n"
    "      --size TEXT         the wire size, in the size unit\n"
    "      --length TEXT       the length, in the length unit\n"
    "      --resistance TEXT   the DC resistance, in ohms\n"
    "      --size-unit UNIT    the unit of the wire size (below)\n"
    "      --length-unit UNIT  the unit of the length (below)\n"
    "      --batch[=FILE]      check a schedule read from FILE or standard input: each\n"
    "                          row (size, size unit, length, length unit, resistance)\n"
    "                          is written back with its blank cell filled and a\n"
    "                          message cell; FILE may also follow as an argument\n"
    "      --format tsv|csv    read the schedule as tsv (tab-separated) or csv\n"
    "      --delimiter CHAR    the character between a csv schedule's cells\n"
    "      --locale NAME       read and write numbers as the locale NAME does (C,\n"
    "                          de_DE, ...) rather than as the environment's locale\n"
    "  -h, --help              display this help and exit\n"
    "      --version           output version information and exit\n"
    "\n"
    "Long options may be abbreviated where that is unambiguous (--res for --resistance).\n";

constexpr std::string_view kHelpEnd =
    "\n"
    "Exit status: 0 when solved, 1 when answered with a message, 3 when the calculation\n"
    "failed; a schedule gives 0 when every row was solved, else 1; 2 on a usage error\n"
    "or when the schedule cannot be read or the results cannot be written.\n";

template <typename Unit, std::size_t N>
void AppendUnitTable(std::string& text, std::string_view title,
                     const std::array<UnitKeyword<Unit>, N>& keywords) {
    text.append("\n").append(title).append(":\n");
    for (const UnitKeyword<Unit>& entry : keywords) {
        text.append("  ").append(entry.keyword);
        text.append(8 - entry.keyword.size(), ' ').append(entry.meaning).append("\n");
    }
}

}  // namespace

Command ReadCommandLine(std::span<const char* const> arguments) {
    return CommandLineReader(arguments).Read();
}

std::string HelpText() {
    std::string text(kHelpStart);
    AppendUnitTable(text, "Size units", kSizeUnitKeywords);
    AppendUnitTable(text, "Length units", kLengthUnitKeywords);
    return text.append(kHelpEnd);
}

}  // namespace varnel::cli
