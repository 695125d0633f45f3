#pragma once
// The installer's font descriptions as GDI fonts, and GDI's measures of text in them.
#include <windows.h>

#include <string>
#include <string_view>

#include "installer/window/font_description.h"
#include "installer/window/window_text_layout.h"

// A GDI font as the description asks; the holder deletes it.
class GdiFont {
 public:
  explicit GdiFont(const FontDescription& description);
  ~GdiFont();
  GdiFont(const GdiFont&) = delete;
  GdiFont& operator=(const GdiFont&) = delete;
  HFONT Handle() const { return font_; }

 private:
  HFONT font_ = nullptr;
};

// The font selected into a device context while this lives.
class SelectedFont {
 public:
  SelectedFont(HDC dc, const FontDescription& description);
  ~SelectedFont();
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  HDC dc_;
  GdiFont font_;
  HGDIOBJ previous_;
};

// DrawTextW's format for one line aligned as `placement` says.
UINT PlacementFormat(InstallerWindow::TextPlacement placement);

class GdiTextMeasure : public ITextMeasure {
 public:
  explicit GdiTextMeasure(HDC dc) : dc_(dc) {}

  int32_t LineHeight(const FontDescription& font) override;
  int32_t Advance(const FontDescription& font, std::string_view line) override;
  int32_t InkOverhang(const FontDescription& font, std::string_view line) override;
  std::string ElideMiddle(const FontDescription& font, std::string_view line,
                          int32_t width) override;
  Rect Covered(const FontDescription& font, const Rect& area,
               InstallerWindow::TextPlacement placement, std::string_view line) override;

 private:
  // Width in pixels of `text` in the font selected now.
  int32_t Width(const std::wstring& text) const;

  HDC dc_;
};

// The device context of the screen, for measures outside a paint.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC Handle() const { return dc_; }

 private:
  HDC dc_;
};
