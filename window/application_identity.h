// The name, version and desktop entry the program presents to the desktop.
#pragma once

namespace varnel::window {

// Names the running application: "Varnel", version "1.00.0001", and the desktop entry
// org.varnel.Varnel, so that the desktop matches its windows with the menu entry and icon.
// Call it once the QApplication exists.
void DescribeApplication();

}  // namespace varnel::window
