#pragma once

class QWidget;

namespace app {

// The program's five windows. Each exists at most once; a reference to one that is not loaded
// loads it (creates it hidden, then runs its load handling).
enum class WindowId { Main, About, Help, Severity, Segments };

QWidget *loadedWindow(WindowId id);
QWidget &loadWindow(WindowId id);
// Loads if needed, shows modeless without an owner, brings the window to the front.
void showWindow(WindowId id);
// Hides and destroys the window; the next reference loads a new one in its design state.
// Unloading a window that is not loaded does nothing. A handler may unload its own window and
// go on, as long as it touches nothing of that window afterwards.
void unloadWindow(WindowId id);

// Typed access: every window class names its slot as `static constexpr app::WindowId Id`.
template <class W> W &form() { return static_cast<W &>(loadWindow(W::Id)); }
template <class W> bool isLoaded() { return loadedWindow(W::Id) != nullptr; }
template <class W> void show() { showWindow(W::Id); }
template <class W> void unload() { unloadWindow(W::Id); }

} // namespace app
