#pragma once

class QWidget;

namespace app {

// Applies the colours and fractional font sizes that a window's definition gives its controls
// as dynamic properties, to the window and every control on it:
//   bg  background: a system colour ("info" tooltip background, "highlight3d" 3-D highlight,
//       "window" window background) or a fixed "#rrggbb";
//   fg  text colour: a system colour ("windowText", "activeTitle" active title bar, "desktop")
//       or a fixed "#rrggbb";
//   pt  font size in points where it is not a whole number (8.25, 9.75, 13.5).
// System colours are taken from the application's palette, so they follow the user's scheme.
void applyLook(QWidget *window);

} // namespace app
