#include "announcement.h"

#include <algorithm>
#include <stdexcept>

#include "control_table.h"
#include "fields.h"

namespace varnel::window {
namespace {

// The row of the text box or unit box `field`.
const ControlRow& RowOf(std::string_view field) {
    auto row = std::find_if(kControlTable.begin(), kControlTable.end(),
                            [field](const ControlRow& control) { return control.name == field; });
    if (row == kControlTable.end() ||
        (row->kind != ControlKind::TextBox && row->kind != ControlKind::UnitBox)) {
        throw std::logic_error("no box " + std::string(field));
    }
    return *row;
}

std::string_view UnitOf(std::string_view field, UnitBoxTexts units) {
    if (field == WIRESIZE) {
        return units.wireUnit;
    }
    return field == WIRELENGTH ? units.lengthUnit : "ohms";
}

std::string_view WithoutSpaces(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string Announcement(std::string_view field, std::string_view written, UnitBoxTexts units) {
    const ControlRow& row = RowOf(field);
    if (row.kind == ControlKind::UnitBox) {
        return std::string(written);
    }
    std::string spoken(row.accessibleName);
    spoken.append(" ").append(WithoutSpaces(written)).append(" ").append(UnitOf(field, units));
    return spoken;
}

}  // namespace varnel::window
