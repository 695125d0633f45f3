#include "installer/win32/gdi_text.h"

#include "platform/windows/wide_text.h"

namespace {

constexpr wchar_t kEllipsis = L'\u2026';

}  // namespace

GdiFont::GdiFont(const FontDescription& description) {
  int height = description.pixelHeight;
  if (height == 0 && description.pointSize > 0) {
    const ScreenDc screen;
    // A negative height asks for the character height, as a point size means.
    height = -MulDiv(description.pointSize, GetDeviceCaps(screen.Handle(), LOGPIXELSY), 72);
  }
  const BYTE family = description.family == FontFamily::Script ? FF_SCRIPT : FF_SWISS;
  font_ =
      CreateFontW(height, 0, 0, 0, description.bold ? FW_BOLD : FW_NORMAL,
                  description.italic ? TRUE : FALSE, description.underlined ? TRUE : FALSE, FALSE,
                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  static_cast<DWORD>(DEFAULT_PITCH | family), Utf8ToWide(description.face).c_str());
}

GdiFont::~GdiFont() {
  if (font_ != nullptr) DeleteObject(font_);
}

SelectedFont::SelectedFont(HDC dc, const FontDescription& description)
    : dc_(dc), font_(description), previous_(SelectObject(dc, font_.Handle())) {}

SelectedFont::~SelectedFont() { SelectObject(dc_, previous_); }

UINT PlacementFormat(InstallerWindow::TextPlacement placement) {
  UINT format = DT_SINGLELINE | DT_NOPREFIX;
  switch (placement) {
    case InstallerWindow::TextPlacement::TopLeft:
      return format | DT_LEFT | DT_TOP;
    case InstallerWindow::TextPlacement::Centred:
      return format | DT_CENTER | DT_VCENTER;
    case InstallerWindow::TextPlacement::BottomRight:
      return format | DT_RIGHT | DT_BOTTOM;
  }
  return format;
}

int32_t GdiTextMeasure::Width(const std::wstring& text) const {
  SIZE size{};
  GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

int32_t GdiTextMeasure::LineHeight(const FontDescription& font) {
  const SelectedFont selected(dc_, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  return metrics.tmHeight;
}

int32_t GdiTextMeasure::Advance(const FontDescription& font, std::string_view line) {
  const SelectedFont selected(dc_, font);
  return Width(Utf8ToWide(line));
}

int32_t GdiTextMeasure::InkOverhang(const FontDescription& font, std::string_view line) {
  const std::wstring text = Utf8ToWide(line);
  if (text.empty()) return 0;
  const SelectedFont selected(dc_, font);
  // A negative C width is ink past the advance; fonts without ABC widths report the
  // overhang of their synthesised slant.
  ABC widths{};
  if (GetCharABCWidthsW(dc_, text.back(), text.back(), &widths)) return -widths.abcC;
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  return metrics.tmOverhang;
}

// As many characters as fit, half from each end, around an ellipsis.
std::string GdiTextMeasure::ElideMiddle(const FontDescription& font, std::string_view line,
                                        int32_t width) {
  const std::wstring text = Utf8ToWide(line);
  const SelectedFont selected(dc_, font);
  if (Width(text) <= width) return std::string(line);
  auto cut = [&text](std::size_t kept) {
    const std::size_t head = (kept + 1) / 2;
    return text.substr(0, head) + kEllipsis + text.substr(text.size() - (kept - head));
  };
  std::size_t fits = 0;
  std::size_t tooMany = text.size();
  while (tooMany - fits > 1) {
    const std::size_t kept = (fits + tooMany) / 2;
    (Width(cut(kept)) <= width ? fits : tooMany) = kept;
  }
  return WideToUtf8(cut(fits));
}

Rect GdiTextMeasure::Covered(const FontDescription& font, const Rect& area,
                             InstallerWindow::TextPlacement placement, std::string_view line) {
  const SelectedFont selected(dc_, font);
  const int32_t width = Width(Utf8ToWide(line));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  const int32_t height = metrics.tmHeight;
  Point origin{area.left, area.top};
  switch (placement) {
    case InstallerWindow::TextPlacement::TopLeft:
      break;
    case InstallerWindow::TextPlacement::Centred:
      origin = {area.left + (area.right - area.left - width) / 2,
                area.top + (area.bottom - area.top - height) / 2};
      break;
    case InstallerWindow::TextPlacement::BottomRight:
      origin = {area.right - width, area.bottom - height};
      break;
  }
  return Rect{origin.x, origin.y, origin.x + width, origin.y + height};
}
