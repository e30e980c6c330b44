// Runs a generated set of presses through the web page's press interface and prints each press
// with its outcome on one line, so that the native build and the WebAssembly build can be
// compared byte for byte. The texts are made of digits and characters only, drawn by a fixed
// generator (std::mt19937_64 is the same everywhere), so both builds press the same texts.
//
//   press_driver mixed COUNT   every unit, blank pattern, number shape and separator style
//   press_driver awg COUNT     AWG sizes solved from resistances and lengths of 15 digits
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "press_exports.h"

namespace {

struct Separators {
    const char* decimal;
    const char* group;
};

constexpr Separators kStyles[] = {{".", ","}, {",", "."}};

class TextMaker {
  public:
    explicit TextMaker(std::uint64_t seed) : random_(seed) {}

    std::size_t Below(std::uint64_t bound) { return static_cast<std::size_t>(random_() % bound); }

    std::string Digits(std::size_t count) {
        std::string digits;
        for (std::uint64_t i = 0; i < count; ++i) {
            digits.push_back(static_cast<char>('0' + Below(10)));
        }
        return digits;
    }

    // A number with up to `significant` digits, a separator somewhere and maybe an exponent.
    // One draw a statement: the order in which operands are evaluated differs between
    // compilers.
    std::string Number(const Separators& style, std::size_t significant) {
        std::string text = std::to_string(1 + Below(9));
        text += Digits(Below(significant));
        if (Below(2) == 0) {
            text.resize(1 + Below(text.size()));
            text += style.decimal;
            text += Digits(Below(8));
        }
        if (Below(5) == 0) {
            text += Below(2) == 0 ? "E-" : "e";
            text += std::to_string(Below(40));
        }
        return text;
    }

    static std::string Around(std::string_view before, const std::string& text,
                              std::string_view after) {
        std::string around(before);
        return around.append(text).append(after);
    }

    std::string Grouped(const Separators& style) {
        std::string text = std::to_string(1 + Below(999));
        for (int group = 0; group < 2; ++group) {
            text += style.group;
            text += Digits(3);
        }
        return text;
    }

    std::string Shape(const Separators& style, const Separators& other) {
        static constexpr std::string_view kFixed[] = {
            "0",   "00",    "000",  "0000", "1/0", "2/0",   "3/0",    "4/0", "0.0",  "-5",  " ",
            "abc", "10 ft", "0x10", "inf",  "nan", "1e400", "1e-400", "1/O", " 1/0", "500", "469"};
        switch (Below(10)) {
            case 0:
                return std::string(kFixed[Below(std::size(kFixed))]);
            case 1:
                return Grouped(style);
            case 2:
                return Number(other, 6);
            case 3:
                return Around(" ", Number(style, 6), "\t");
            case 4:
                return Around("-", Number(style, 4), "");
            case 5:
                return Around(style.decimal, Digits(1 + Below(3)), "");
            case 6:
                return Number(style, 15);
            default:
                return Number(style, 4);
        }
    }

  private:
    std::mt19937_64 random_;
};

void Print(std::int32_t sizeIndex, std::int32_t lengthIndex, const Separators& style,
           const std::string& size, const std::string& length, const std::string& resistance) {
    const VarnelPressOutcome* outcome =
        VarnelPress(size.c_str(), length.c_str(), resistance.c_str(), sizeIndex, lengthIndex,
                    style.decimal, style.group, "-");
    std::printf("%d %d %s|%s|%s|%s => %d %s|%s|%s\n", sizeIndex, lengthIndex, style.decimal,
                size.c_str(), length.c_str(), resistance.c_str(), outcome->kind, outcome->field,
                outcome->text, outcome->fieldToMend);
}

// Presses cycling through every unit pair and both styles: three times in four one field is
// chosen blank, and any field is blank one time in six besides; the others hold a shape.
void Mixed(TextMaker& maker, std::uint64_t count) {
    for (std::uint64_t i = 0; i < count; ++i) {
        auto sizeIndex = static_cast<std::int32_t>(i % 6);
        auto lengthIndex = static_cast<std::int32_t>((i / 6) % 7);
        const Separators& style = kStyles[(i / 42) % 2];
        const Separators& other = kStyles[1 - (i / 42) % 2];
        std::string texts[3];
        std::size_t blank = maker.Below(4);
        for (std::size_t field = 0; field < 3; ++field) {
            bool blanked = field == blank || maker.Below(6) == 0;
            texts[field] = blanked ? std::string() : maker.Shape(style, other);
        }
        Print(sizeIndex, lengthIndex, style, texts[0], texts[1], texts[2]);
    }
}

// The gauge solved from a resistance and a length, and the resistance of a gauge, each of up
// to 15 significant digits: the presses whose digits rest on pow and log.
void Awg(TextMaker& maker, std::uint64_t count) {
    const Separators& style = kStyles[0];
    for (std::uint64_t i = 0; i < count; ++i) {
        auto lengthIndex = static_cast<std::int32_t>(i % 7);
        std::string length = maker.Number(style, 15);
        if (i % 2 == 0) {
            Print(0, lengthIndex, style, "", length, maker.Number(style, 15));
        } else {
            std::string gauge = std::to_string(maker.Below(60)) + ".";
            gauge += maker.Digits(13);
            Print(0, lengthIndex, style, gauge, length, "");
        }
    }
}

// Each unit cycle from the start until it comes back to it, one CHANGE press a line.
void Units() {
    for (const auto& [kind, next] :
         {std::pair{"size", &VarnelNextSizeUnit}, std::pair{"length", &VarnelNextLengthUnit}}) {
        std::int32_t index = 0;
        do {
            const VarnelUnitStep* step = next(index);
            std::printf("%s %d => %d %s\n", kind, index, step->index, step->name);
            index = step->index;
        } while (index != 0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string_view mode = argc > 1 ? argv[1] : "";
    if (argc != 3 || (mode != "mixed" && mode != "awg")) {
        std::fprintf(stderr, "usage: press_driver mixed|awg COUNT\n");
        return 2;
    }
    std::uint64_t count = std::strtoull(argv[2], nullptr, 10);
    TextMaker maker(20261209);
    Units();
    if (mode == "mixed") {
        Mixed(maker, count);
    } else {
        Awg(maker, count);
    }
    return 0;
}
