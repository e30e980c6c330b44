#include "options.h"

#include <QLocale>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "number_format.h"
#include "unit_keywords.h"

namespace varnel::cli {
namespace {

enum class OptionId {
    Help,
    Version,
    Batch,
    SizeUnit,
    LengthUnit,
    Size,
    Length,
    Resistance,
    Locale
};

struct KnownOption {
    std::string_view name;
    OptionId id;
    bool takesValue;
    bool pressOnly;  // gives a press what a schedule's rows give
};

constexpr std::array<KnownOption, 9> kOptions{{
    {"--help", OptionId::Help, false, false},
    {"--version", OptionId::Version, false, false},
    {"--batch", OptionId::Batch, false, false},
    {"--size-unit", OptionId::SizeUnit, true, true},
    {"--length-unit", OptionId::LengthUnit, true, true},
    {"--size", OptionId::Size, true, true},
    {"--length", OptionId::Length, true, true},
    {"--resistance", OptionId::Resistance, true, true},
    {"--locale", OptionId::Locale, true, false},
}};

const KnownOption* FindOption(std::string_view name) {
    for (const KnownOption& option : kOptions) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

std::string Quoted(std::string_view text) {
    return std::string("'").append(text).append("'");
}

// Reads the arguments one by one into the options, the operands aside.
class CommandLineReader {
  public:
    explicit CommandLineReader(std::span<const char* const> arguments) : arguments_(arguments) {}

    Command Read() {
        while (next_ < arguments_.size()) {
            std::string_view argument = arguments_[next_++];
            if (optionsEnded_ || argument == "-" || !argument.starts_with('-')) {
                operands_.push_back(argument);
            } else if (argument == "--") {
                optionsEnded_ = true;
            } else if (std::optional<Command> stop = ReadOption(argument)) {
                return *stop;
            }
        }
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
    std::optional<Command> ReadOption(std::string_view argument) {
        std::size_t equals = argument.find('=');
        const KnownOption* option = FindOption(argument.substr(0, equals));
        if (option == nullptr) {
            return UsageError{"unrecognized option " + Quoted(argument)};
        }
        std::string_view name = option->name;
        if (seen_[static_cast<std::size_t>(option->id)]) {
            return UsageError{"option " + Quoted(name) + " given twice"};
        }
        seen_[static_cast<std::size_t>(option->id)] = true;
        if (!option->takesValue) {
            if (equals != std::string_view::npos) {
                return UsageError{"option " + Quoted(name) + " doesn't allow an argument"};
            }
            return ApplyFlag(option->id);
        }
        if (equals != std::string_view::npos) {
            return ApplyValue(option->id, argument.substr(equals + 1));
        }
        if (next_ == arguments_.size()) {
            return UsageError{"option " + Quoted(name) + " requires an argument"};
        }
        return ApplyValue(option->id, arguments_[next_++]);
    }

    std::optional<Command> ApplyFlag(OptionId id) {
        switch (id) {
            case OptionId::Help:
                return HelpRequest{};
            case OptionId::Version:
                return VersionRequest{};
            default:  // --batch, the one other flag
                options_.batch = true;
                return std::nullopt;
        }
    }

    std::optional<Command> ApplyValue(OptionId id, std::string_view value) {
        switch (id) {
            case OptionId::SizeUnit:
                return ApplyUnit(ReadSizeUnit(value), options_.press.sizeUnit, "size", value,
                                 KeywordList(kSizeUnitKeywords));
            case OptionId::LengthUnit:
                return ApplyUnit(ReadLengthUnit(value), options_.press.lengthUnit, "length", value,
                                 KeywordList(kLengthUnitKeywords));
            case OptionId::Size:
                options_.press.size = value;
                return std::nullopt;
            case OptionId::Length:
                options_.press.length = value;
                return std::nullopt;
            case OptionId::Resistance:
                options_.press.resistance = value;
                return std::nullopt;
            default:  // --locale, the one other option with a value
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

    std::optional<UsageError> CheckCombination() {
        if (options_.batch) {
            for (const KnownOption& option : kOptions) {
                if (option.pressOnly && seen_[static_cast<std::size_t>(option.id)]) {
                    return UsageError{"option " + Quoted(option.name) +
                                      " cannot go with '--batch': the rows give it"};
                }
            }
        }
        std::size_t allowed = options_.batch ? 1 : 0;
        if (operands_.size() > allowed) {
            return UsageError{"unexpected argument " + Quoted(operands_[allowed])};
        }
        if (options_.batch && !operands_.empty()) {
            options_.file = operands_.front();
        }
        return std::nullopt;
    }

    std::span<const char* const> arguments_;
    std::size_t next_ = 0;
    bool optionsEnded_ = false;
    bool localeGiven_ = false;
    std::array<bool, kOptions.size()> seen_{};
    std::vector<std::string_view> operands_;
    Options options_;
};

constexpr std::string_view kHelpStart =
    "Usage: varnel-calc [--size TEXT] [--length TEXT] [--resistance TEXT]\n"
    "                   [--size-unit UNIT] [--length-unit UNIT] [--locale NAME]\n"
    "  or:  varnel-calc --batch [FILE] [--locale NAME]\n"
    "Work out a copper wire's size, length or DC resistance from the other two, as the\n"
    "CALCULATE button of the Varnel window does: give two of --size, --length and\n"
    "--resistance and the third is printed. An option left out is an empty field.\n"
    "\n"
    "      --size TEXT         the wire size, in the size unit\n"
    "      --length TEXT       the length, in the length unit\n"
    "      --resistance TEXT   the DC resistance, in ohms\n"
    "      --size-unit UNIT    the unit of the wire size (below)\n"
    "      --length-unit UNIT  the unit of the length (below)\n"
    "      --batch [FILE]      check a schedule read from FILE or standard input: rows\n"
    "                          of five tab-separated cells (size, size unit, length,\n"
    "                          length unit, resistance), each written back with its\n"
    "                          blank cell filled and a sixth cell for its message\n"
    "      --locale NAME       read and write numbers as the locale NAME does (C,\n"
    "                          de_DE, ...) rather than as the environment's locale\n"
    "      --help              display this help and exit\n"
    "      --version           output version information and exit\n";

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
