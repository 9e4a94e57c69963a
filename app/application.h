#pragma once

#include <functional>

namespace app {

// Process-wide set-up shared by the program and the tests: font substitutes for the window
// definitions' font, the program's icon, and the program's own end-of-life rule instead of Qt's.
void initialise();

// Start-up: loads the main window, whose load handling shows it.
void start();

// Ends the program at once, whatever windows are open.
void End();

// What ending the program does; by default it leaves the event loop. Tests record it instead.
void setQuitHook(std::function<void()> hook);

} // namespace app
