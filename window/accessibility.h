// How screen readers meet Form1: its window, its text boxes (accessible_text_box.h) and its
// announcements (result_announcer.h), through Qt's accessibility factory.
#pragma once

namespace varnel::window {

// Installs the window's accessibility interfaces, once for the program.
void InstallAccessibleInterfaces();

}  // namespace varnel::window
