#pragma once
// The installer's font descriptions as Qt fonts, and Qt's measures of text in them.
#include <QFont>

#include "installer/window/font_description.h"
#include "installer/window/window_text_layout.h"

QFont RealiseFont(const FontDescription& description);

class QtTextMeasure : public ITextMeasure {
 public:
  int32_t LineHeight(const FontDescription& font) override;
  int32_t Advance(const FontDescription& font, std::string_view line) override;
  int32_t InkOverhang(const FontDescription& font, std::string_view line) override;
  std::string ElideMiddle(const FontDescription& font, std::string_view line,
                          int32_t width) override;
  Rect Covered(const FontDescription& font, const Rect& area,
               InstallerWindow::TextPlacement placement, std::string_view line) override;
};

// How Qt aligns a line placed so.
int AlignmentFlags(InstallerWindow::TextPlacement placement);
