// The name, version and desktop entry the program presents to the desktop.
#pragma once

namespace varnel::window {

// Names the running application with the project's display name, version and application
// id (the desktop entry's name), so that the desktop matches its windows with the menu entry
// and icon.
// Call it once the QApplication exists.
void DescribeApplication();

}  // namespace varnel::window
