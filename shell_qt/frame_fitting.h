#pragma once
// Programs place a window by its outer frame, title bar and borders included; Qt
// sizes the client area. The window manager's margins are known only once the
// window is mapped, and may change a moment later.
#include <QSize>
#include <QWidget>
#include <optional>

namespace ShellQt {

// The margins the window manager has put around `window` (none while it is not
// visible); nothing when they cannot be a frame's margins around `outerSize`.
std::optional<QSize> FrameMargins(const QWidget& window, QSize outerSize);

}  // namespace ShellQt
