// What a press has screen readers say without moving the focus, composed once for the window
// and the page from the field the press wrote.
#pragma once

#include <string>
#include <string_view>

namespace varnel::window {

// The texts the two unit boxes show when the press ends.
struct UnitBoxTexts {
    std::string_view wireUnit;
    std::string_view lengthUnit;
};

// After a solve, the written box's label, the result without its leading space and its unit:
// Announcement("RESISTANCE", " 0.999933931240995", units) == "RESISTANCE 0.999933931240995 ohms".
// After a CHANGE, the unit box's new text alone, as the focused button's name already says
// which unit it changes: Announcement("WIREUNIT", "CIRCULAR MILS", units) == "CIRCULAR MILS".
// `field` names a text box or unit box of the control table; any other is a logic error.
std::string Announcement(std::string_view field, std::string_view written, UnitBoxTexts units);

}  // namespace varnel::window
