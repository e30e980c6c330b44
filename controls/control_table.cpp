#include "control_table.h"

namespace varnel::window {

using enum ControlKind;
using enum ControlColour;

// The controls keep their names, Command1 to Command3 and Label1 to Label9 included, as users
// and their documents have always known them; do not rename. The rows are in reading order,
// the order in which screen readers meet the controls: the title and the two lines under it,
// then row by row each label followed by what it names, then CALCULATE.
const std::array<ControlRow, 20> kControlTable{{
    {"Label1", CentredLabel, 0, 120, 6615, 495, "VARNEL", 18, Default, 0, {}},
    {"Label9", CentredLabel, 0, 720, 6615, 255, "FOR COPPER CONDUCTORS", 0, Default, 16, {}},
    {"Label8",
     CentredLabel,
     0,
     1080,
     6615,
     495,
     "Fill in any two values to calculate the third.",
     12,
     Default,
     13,
     {}},
    {"Shape1", Panel, 360, 1560, 5895, 1215, {}, 0, CyanFill, -1, {}},
    {"Label2", Label, 480, 1680, 1575, 375, "WIRE SIZE", 13.5, CyanBack, 2, {}},
    {"WIRESIZE", TextBox, 480, 2160, 1335, 375, {}, 0, Default, 1, "WIRE SIZE", "Label2"},
    {"Label4", Label, 3480, 1680, 2055, 375, "UNITS", 13.5, CyanBack, 8, {}},
    // "Guage (AWG - U.S.)" is kept as users and their documents have always known it; do not
    // correct it.
    {"WIREUNIT", UnitBox, 2280, 2160, 2055, 375, "Guage (AWG - U.S.)", 0, Default, 7,
     "WIRE SIZE UNITS"},
    {"Command2", Button, 4440, 2040, 1575, 615, "CHANGE", 13.5, Default, 14,
     "CHANGE WIRE SIZE UNITS"},
    {"Shape2", Panel, 360, 2880, 5895, 1095, {}, 0, CyanFill, -1, {}},
    {"Label3", Label, 480, 3000, 1335, 375, "LENGTH", 13.5, CyanBack, 4, {}},
    {"WIRELENGTH", TextBox, 480, 3360, 1335, 375, {}, 0, Default, 3, "LENGTH", "Label3"},
    {"Label7", Label, 2280, 3000, 2055, 375, "UNITS", 13.5, CyanBack, 12, {}},
    {"LENGTHUNIT", UnitBox, 2280, 3360, 2055, 375, "FEET", 0, Default, 9, "LENGTH UNITS"},
    {"Command3", Button, 4440, 3240, 1575, 615, "CHANGE", 13.5, Default, 15, "CHANGE LENGTH UNITS"},
    {"Shape3", Panel, 360, 4080, 5895, 1215, {}, 0, CyanFill, -1, {}},
    {"Label5", Label, 480, 4200, 2175, 375, "RESISTANCE", 13.5, CyanBack, 10, {}},
    {"RESISTANCE",
     TextBox,
     480,
     4680,
     2535,
     405,
     {},
     0,
     Default,
     5,
     "RESISTANCE",
     "Label5",
     "in ohms"},
    {"Label6", Label, 3120, 4800, 735, 255, "Ohms", 12, CyanBack, 11, {}},
    {"Command1", Button, 2040, 5400, 2415, 615, "CALCULATE", 13.5, RedFace, 6, {}},
}};

const std::array<std::string_view, 12> kDrawingOrderTopFirst{
    "Label4", "Label2", "Label7", "Label3", "Label5", "Label6",
    "Shape3", "Shape2", "Shape1", "Label9", "Label8", "Label1",
};

}  // namespace varnel::window
