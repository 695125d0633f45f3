#include "analyser/win32/support/gdi_objects.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "platform/windows/wide_text.h"

namespace {

template <typename Description, typename Handle>
Handle* Find(std::vector<std::pair<Description, Handle>>& kept, const Description& wanted) {
  for (auto& [description, handle] : kept)
    if (description == wanted) return &handle;
  return nullptr;
}

template <typename Description, typename Handle>
void MakeRoom(std::vector<std::pair<Description, Handle>>& kept, std::size_t most) {
  if (kept.size() < most) return;
  DeleteObject(kept.front().second);
  kept.erase(kept.begin());
}

}  // namespace

GdiObjects::~GdiObjects() {
  for (auto& entry : fonts_) DeleteObject(entry.second);
  for (auto& entry : pens_) DeleteObject(entry.second);
}

HFONT GdiObjects::Font(const FontSpec& font) {
  if (HFONT* kept = Find(fonts_, font)) return *kept;
  MakeRoom(fonts_, kMostKept);
  const char* end = std::find(std::begin(font.faceName), std::end(font.faceName), '\0');
  const std::wstring face = Utf8ToWide(std::string_view(font.faceName, end));
  // Escapement, orientation, italic, underline, strike-out, precisions, quality and
  // pitch are all 0, as the description leaves them.
  HFONT handle = CreateFontW(font.height, font.width, 0, 0, font.weight, FALSE, FALSE, FALSE,
                             static_cast<DWORD>(font.charSet), 0, 0, 0, 0, face.c_str());
  fonts_.emplace_back(font, handle);
  return handle;
}

HPEN GdiObjects::Pen(const PenSpec& pen) {
  if (HPEN* kept = Find(pens_, pen)) return *kept;
  MakeRoom(pens_, kMostKept);
  const int style = pen.style == PenStyle::Dot ? PS_DOT : PS_SOLID;
  HPEN handle = CreatePen(style, pen.width, pen.colour);
  pens_.emplace_back(pen, handle);
  return handle;
}
