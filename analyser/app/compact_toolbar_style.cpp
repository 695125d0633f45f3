#include "analyser/app/compact_toolbar_style.h"

#include <QToolBar>
#include <QToolButton>

namespace {
constexpr int kButtonPadding = 2;  // around the icon, each side
}  // namespace

int CompactToolbarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                     const QWidget* widget) const {
  switch (metric) {
    case PM_ToolBarFrameWidth: return 0;
    case PM_ToolBarItemMargin: return 1;
    default: return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

QSize CompactToolbarStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                            const QSize& size, const QWidget* widget) const {
  const QSize base = QProxyStyle::sizeFromContents(type, option, size, widget);
  if (type != CT_ToolButton) return base;
  return base.boundedTo(size + QSize(2 * kButtonPadding, 2 * kButtonPadding));
}

void MakeToolbarCompact(QToolBar& toolbar) {
  auto* style = new CompactToolbarStyle;
  style->setParent(&toolbar);
  toolbar.setStyle(style);
  for (QToolButton* button : toolbar.findChildren<QToolButton*>()) button->setStyle(style);
}
