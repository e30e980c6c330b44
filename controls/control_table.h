// The description of the window: one row per control, positions and sizes in twips
// (1/1440 inch), from which Form1 builds its widgets.
#pragma once

#include <array>
#include <string_view>

namespace varnel::window {

enum class ControlKind {
    Label,
    CentredLabel,
    Panel,
    TextBox,
    UnitBox,  // a read-only text box: it shows the unit and can be selected and copied
    Button,
};

enum class ControlColour {
    Default,   // the system's colours
    CyanBack,  // a label on a cyan background
    CyanFill,  // an opaque cyan panel with an outline in the window-text colour
    RedFace,   // a button drawn on a red face
};

struct ControlRow {
    std::string_view name;  // the widget's objectName
    ControlKind kind;
    int left;  // twips
    int top;
    int width;
    int height;
    std::string_view text;
    double pointSize;  // bold at this size; 0 for the window's default font
    ControlColour colour;
    int tabIndex;                     // -1 for controls that are not in the tab order
    std::string_view accessibleName;  // empty: the control's own text names it
    // The label that names a text box to screen readers. The unit boxes have none: their row
    // labels both say UNITS, and each box is known by its own name (WIRE SIZE UNITS).
    std::string_view labelledBy = {};
    std::string_view accessibleDescription = {};  // what screen readers add to the name
};

inline constexpr int kTwipsPerPixel = 15;

// Twips to pixels at 96 dots per inch: TwipsToPixels(6615) == 441.
constexpr int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

inline constexpr int kClientWidthTwips = 6615;
inline constexpr int kClientHeightTwips = 6255;

extern const std::array<ControlRow, 20> kControlTable;

// The labels and panels from the one drawn on top to the one drawn at the bottom. Text
// boxes and buttons are always drawn above all of them.
extern const std::array<std::string_view, 12> kDrawingOrderTopFirst;

// The face named in the table; Liberation Sans stands in where it is absent.
inline constexpr std::string_view kTableFontFamily = "MS Sans Serif";
inline constexpr std::string_view kSubstituteFontFamily = "Liberation Sans";

}  // namespace varnel::window
