#include "messages.h"

namespace varnel {

std::string_view MessageText(PressMessage message) {
    switch (message) {
        case PressMessage::NoFieldBlank:
            return kNoFieldBlank;
        case PressMessage::AllFieldsBlank:
            return kAllFieldsBlank;
        case PressMessage::LengthAndResistanceBlank:
            return kLengthAndResistanceBlank;
        case PressMessage::SizeAndResistanceBlank:
            return kSizeAndResistanceBlank;
        case PressMessage::SizeAndLengthBlank:
            return kSizeAndLengthBlank;
        case PressMessage::SizeNotUnderstood:
            return kSizeNotUnderstood;
        case PressMessage::LengthNotUnderstood:
            return kLengthNotUnderstood;
        case PressMessage::ResistanceNotUnderstood:
            break;
    }
    return kResistanceNotUnderstood;
}

std::optional<InputField> FieldToMend(PressMessage message) {
    switch (message) {
        case PressMessage::SizeNotUnderstood:
            return InputField::WireSize;
        case PressMessage::LengthNotUnderstood:
            return InputField::WireLength;
        case PressMessage::ResistanceNotUnderstood:
            return InputField::Resistance;
        default:
            return std::nullopt;
    }
}

}  // namespace varnel
