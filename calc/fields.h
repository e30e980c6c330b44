// The window's fields that the calculation reads and writes, named by their control names, and
// FieldAccess, the seam through which the calculation reaches them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnel {

// The control names of the three input fields and the two unit boxes.
inline constexpr std::string_view WIRESIZE = "WIRESIZE";
inline constexpr std::string_view WIRELENGTH = "WIRELENGTH";
inline constexpr std::string_view RESISTANCE = "RESISTANCE";
inline constexpr std::string_view WIREUNIT = "WIREUNIT";
inline constexpr std::string_view LENGTHUNIT = "LENGTHUNIT";

// The three input fields, in the order the window and a schedule's cells give them.
enum class InputField : std::uint8_t { WireSize, WireLength, Resistance };

// The control name of an input field: FieldName(InputField::Resistance) == "RESISTANCE".
std::string_view FieldName(InputField field);

// The seam to the window's text boxes: each field is read and replaced whole.
class FieldAccess {
  public:
    virtual ~FieldAccess() = default;
    virtual std::string GetFieldText(std::string_view field) const = 0;
    virtual void SetFieldText(std::string_view field, const std::string& text) = 0;
};

}  // namespace varnel
