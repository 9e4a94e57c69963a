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

// The frame of a window: sizable with a title bar, a minimize button and a close box but no
// maximize button, or a sizable tool window with a small title bar and only a close box.
enum class Frame { Standard, ToolWindow };

// Sets up a window built from its definition: its frame, then its look (applyLook).
void setUpWindow(QWidget *window, Frame frame = Frame::Standard);

} // namespace app
