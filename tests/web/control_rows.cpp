// Prints the window's control table, one control a line, its fields parted by tabs: name,
// left, top, width, height (twips), point size (0 for the default face) and text.
#include <cstdio>

#include "control_table.h"

int main() {
    for (const varnel::window::ControlRow& row : varnel::window::kControlTable) {
        std::printf("%.*s\t%d\t%d\t%d\t%d\t%g\t%.*s\n", static_cast<int>(row.name.size()),
                    row.name.data(), row.left, row.top, row.width, row.height, row.pointSize,
                    static_cast<int>(row.text.size()), row.text.data());
    }
    return 0;
}
