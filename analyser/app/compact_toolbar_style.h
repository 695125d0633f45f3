#pragma once
// A toolbar of about 28 pixels: the frame keeps its fixed
// size, and every pixel the bars take is missing at the bottom of the view, where the
// start/stop prompt stands.
#include <QProxyStyle>

class QToolBar;

class CompactToolbarStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
};

// Gives the toolbar and its buttons the compact style; call after the actions are added.
void MakeToolbarCompact(QToolBar& toolbar);
