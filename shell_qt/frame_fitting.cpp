#include "shell_qt/frame_fitting.h"

namespace ShellQt {

std::optional<QSize> FrameMargins(const QWidget& window, QSize outerSize) {
  const QSize margins =
      window.isVisible() ? window.frameGeometry().size() - window.geometry().size() : QSize(0, 0);
  if (margins.width() < 0 || margins.height() < 0 || margins.width() > outerSize.width() / 4 ||
      margins.height() > outerSize.height() / 4)
    return std::nullopt;
  return margins;
}

}  // namespace ShellQt
