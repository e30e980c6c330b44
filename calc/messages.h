// The eight messages that refuse a press, as values that have their text and the field they
// ask the user to mend, and MessageSink, the seam through which the window shows them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fields.h"

namespace varnel {

// The messages of a press, word for word.
// clang-format off
inline constexpr std::string_view kNoFieldBlank = "You have to leave one of the fields blank!";
inline constexpr std::string_view kAllFieldsBlank = "You have to fill in two of the fields!";
inline constexpr std::string_view kLengthAndResistanceBlank = "You have to fill in either the length or the resistance!";
inline constexpr std::string_view kSizeAndResistanceBlank = "You have to fill in either the wire size or the resistance!";
inline constexpr std::string_view kSizeAndLengthBlank = "You have to fill in either the wire size or the length!";
inline constexpr std::string_view kSizeNotUnderstood = "THE WIRESIZE YOU ENTERED IS NOT UNDERSTOOD.";
inline constexpr std::string_view kLengthNotUnderstood = "THE WIRELENGTH YOU ENTERED IS NOT UNDERSTOOD.";
inline constexpr std::string_view kResistanceNotUnderstood = "THE RESISTANCE YOU ENTERED IS NOT UNDERSTOOD.";
// clang-format on

// Which message refuses a press: five of the blank rule, three for an input not understood.
enum class PressMessage : std::uint8_t {
    NoFieldBlank,
    AllFieldsBlank,
    LengthAndResistanceBlank,
    SizeAndResistanceBlank,
    SizeAndLengthBlank,
    SizeNotUnderstood,
    LengthNotUnderstood,
    ResistanceNotUnderstood,
};

// The message's text: MessageText(PressMessage::AllFieldsBlank) == kAllFieldsBlank.
std::string_view MessageText(PressMessage message);

// The field whose input a message says is not understood; nullopt for the blank rule's.
// FieldToMend(PressMessage::LengthNotUnderstood) == InputField::WireLength.
std::optional<InputField> FieldToMend(PressMessage message);

// The receiver of the calculation's messages. ShowMessage returns once the user has
// dismissed the message.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace varnel
