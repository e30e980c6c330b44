#include "messages.h"

#include <array>
#include <cstddef>

namespace varnel {
namespace {

struct MessageRow {
    std::string_view text;
    std::optional<InputField> fieldToMend;
};

// By PressMessage.
constexpr std::array<MessageRow, 8> kMessages{{
    {kNoFieldBlank, std::nullopt},
    {kAllFieldsBlank, std::nullopt},
    {kLengthAndResistanceBlank, std::nullopt},
    {kSizeAndResistanceBlank, std::nullopt},
    {kSizeAndLengthBlank, std::nullopt},
    {kSizeNotUnderstood, InputField::WireSize},
    {kLengthNotUnderstood, InputField::WireLength},
    {kResistanceNotUnderstood, InputField::Resistance},
}};

const MessageRow& RowOf(PressMessage message) {
    return kMessages.at(static_cast<std::size_t>(message));
}

}  // namespace

std::string_view MessageText(PressMessage message) {
    return RowOf(message).text;
}

std::optional<InputField> FieldToMend(PressMessage message) {
    return RowOf(message).fieldToMend;
}

}  // namespace varnel
