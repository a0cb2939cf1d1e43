#pragma once

namespace Module1 {

// Creates the one main window, keeps it and shows it modeless; the program
// then runs on window events and ends when its last window has closed.
void Main();

}  // namespace Module1
