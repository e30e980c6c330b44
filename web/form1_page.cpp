// Writes the page from its template, with Form1's controls drawn from the window's control
// table in place of the template's line "@FORM1_CONTROLS@": each control under its control
// name, at its place and size in twips (--l, --t, --w, --h), in its point size (--pt) and
// drawing order (--z), with its text, its kind of element and what names it to screen readers.
//
// The tab key follows the page's element order, and so does a screen reader that reads the
// page from top to bottom. The controls therefore stand in focus order, so that both meet
// them alike: the title lines and the panels, then each control that takes the focus, in the
// table's tab order, after the label that names it; last the labels that name nothing, hidden
// from screen readers, as the box or button beside them carries its own name.
//
//     form1_page TEMPLATE PAGE
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "control_table.h"

namespace {

using namespace varnel::window;

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Labels and panels by their place in the drawing order, 1 at the bottom; above them all
// the boxes and buttons, which the style puts at one level.
int DrawingLevel(std::string_view name) {
    auto found = std::find(kDrawingOrderTopFirst.begin(), kDrawingOrderTopFirst.end(), name);
    return found == kDrawingOrderTopFirst.end()
               ? 0
               : static_cast<int>(std::distance(found, kDrawingOrderTopFirst.end()));
}

std::string Place(const ControlRow& row) {
    std::string style = "--l:" + std::to_string(row.left) + ";--t:" + std::to_string(row.top) +
                        ";--w:" + std::to_string(row.width) + ";--h:" + std::to_string(row.height);
    if (row.pointSize != 0) {
        style += ";--pt:" + Number(row.pointSize);
    }
    if (int level = DrawingLevel(row.name); level != 0) {
        style += ";--z:" + std::to_string(level);
    }
    return " style=\"" + style + "\"";
}

std::string Id(const ControlRow& row) {
    return "id=\"" + std::string(row.name) + "\"";
}

std::string NamedBy(const ControlRow& row) {
    bool own =
        !row.accessibleName.empty() && row.accessibleName != row.text && row.labelledBy.empty();
    return own ? " aria-label=\"" + Escaped(row.accessibleName) + "\"" : "";
}

std::string DescriptionId(const ControlRow& row) {
    return std::string(row.name) + "-description";
}

const char* kNumberBoxAttributes =
    " type=\"text\" inputmode=\"decimal\" autocomplete=\"off\" autocorrect=\"off\""
    " autocapitalize=\"off\" spellcheck=\"false\"";

std::string TextBoxElement(const ControlRow& row) {
    std::string element = "<input " + Id(row) + " class=\"box number\"" + Place(row) +
                          kNumberBoxAttributes + NamedBy(row);
    if (!row.accessibleDescription.empty()) {
        element += " aria-describedby=\"" + DescriptionId(row) + "\">\n  <span id=\"" +
                   DescriptionId(row) + "\" class=\"unseen\">" +
                   Escaped(row.accessibleDescription) + "</span";
    }
    return element + ">";
}

std::string ButtonElement(const ControlRow& row) {
    std::string kind = row.colour == ControlColour::RedFace ? "button red" : "button";
    return "<button " + Id(row) + " class=\"" + kind + "\"" + Place(row) + " type=\"button\"" +
           NamedBy(row) + ">" + Escaped(row.text) + "</button>";
}

std::string LabelElement(const ControlRow& row, std::string_view names) {
    std::string classes = "label cyan";
    if (names.empty()) {
        return "<span " + Id(row) + " class=\"" + classes + "\"" + Place(row) +
               " aria-hidden=\"true\">" + Escaped(row.text) + "</span>";
    }
    return "<label " + Id(row) + " for=\"" + std::string(names) + "\" class=\"" + classes + "\"" +
           Place(row) + ">" + Escaped(row.text) + "</label>";
}

// The first title line is the page's heading.
std::string TitleElement(const ControlRow& row, bool first) {
    std::string tag = first ? "h1" : "p";
    std::string classes = row.pointSize == 0 ? "label centred plain" : "label centred";
    return "<" + tag + " " + Id(row) + " class=\"" + classes + "\"" + Place(row) + ">" +
           Escaped(row.text) + "</" + tag + ">";
}

std::string Element(const ControlRow& row) {
    switch (row.kind) {
        case ControlKind::Panel:
            return "<div " + Id(row) + " class=\"panel\"" + Place(row) +
                   " aria-hidden=\"true\"></div>";
        case ControlKind::TextBox:
            return TextBoxElement(row);
        case ControlKind::UnitBox:
            return "<input " + Id(row) + " class=\"box unit\"" + Place(row) +
                   " type=\"text\" readonly value=\"" + Escaped(row.text) + "\"" + NamedBy(row) +
                   ">";
        case ControlKind::Button:
            return ButtonElement(row);
        default:
            return {};
    }
}

bool TakesFocus(const ControlRow& row) {
    return row.kind == ControlKind::TextBox || row.kind == ControlKind::UnitBox ||
           row.kind == ControlKind::Button;
}

// The control whose row has `field` equal to `value`; nullptr where none has.
const ControlRow* RowWith(std::string_view ControlRow::*field, std::string_view value) {
    auto found = std::find_if(kControlTable.begin(), kControlTable.end(),
                              [&](const ControlRow& row) { return row.*field == value; });
    return found == kControlTable.end() ? nullptr : &*found;
}

std::string_view Named(const ControlRow& label) {
    const ControlRow* named = RowWith(&ControlRow::labelledBy, label.name);
    return named == nullptr ? std::string_view() : named->name;
}

std::vector<std::string> Controls() {
    std::vector<std::string> lines;
    bool first = true;
    for (const ControlRow& row : kControlTable) {
        if (row.kind == ControlKind::CentredLabel) {
            lines.push_back(TitleElement(row, std::exchange(first, false)));
        } else if (row.kind == ControlKind::Panel) {
            lines.push_back(Element(row));
        }
    }
    std::vector<ControlRow> focusOrder;
    std::copy_if(kControlTable.begin(), kControlTable.end(), std::back_inserter(focusOrder),
                 TakesFocus);
    std::sort(focusOrder.begin(), focusOrder.end(),
              [](const ControlRow& a, const ControlRow& b) { return a.tabIndex < b.tabIndex; });
    for (const ControlRow& row : focusOrder) {
        const ControlRow* label = RowWith(&ControlRow::name, row.labelledBy);
        if (!row.labelledBy.empty() && label != nullptr) {
            lines.push_back(LabelElement(*label, row.name));
        }
        lines.push_back(Element(row));
    }
    for (const ControlRow& row : kControlTable) {
        if (row.kind == ControlKind::Label && Named(row).empty()) {
            lines.push_back(LabelElement(row, {}));
        }
    }
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: form1_page TEMPLATE PAGE\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1]);
    std::ostringstream page;
    for (std::string line; std::getline(in, line);) {
        if (line.find("@FORM1_CONTROLS@") == std::string::npos) {
            page << line << '\n';
            continue;
        }
        for (const std::string& control : Controls()) {
            page << "  " << control << '\n';
        }
    }
    std::ofstream out(argv[2]);
    out << page.str();
    return in.eof() && out ? 0 : 1;
}
