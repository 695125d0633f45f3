#pragma once
// A dialog as its template lays it out: title, size and font, then every control with its
// kind, identifier, text and rectangle, all in dialog units of the template's font.
#include <cstdint>
#include <span>

#include "platform/geometry.h"

struct DialogRect {
  int32_t x, y, width, height;
};

enum class ControlKind {
  Icon,               // the program's icon
  Picture,            // a picture of the program
  Frame,              // an untitled rectangle
  GroupBox,           // a titled rectangle round other controls
  Label,              // text, left aligned
  CentredLabel,       // text, centred
  PushButton,
  DefaultPushButton,  // Return presses it
  RadioButton,
};

namespace ControlFlag {
constexpr uint32_t TextLeft = 1;      // a radio button's text stands left of its button
constexpr uint32_t FirstOfGroup = 2;  // the first radio button of its group
}  // namespace ControlFlag

// The identifier of a control the dialog never addresses.
constexpr int32_t kStaticControlId = -1;

struct DialogControl {
  ControlKind kind;
  int32_t id;
  // The control's text; for an icon or a picture, the name of its image among the
  // program's icons.
  const char* text;
  DialogRect rect;
  uint32_t flags;
};

struct DialogTemplate {
  int32_t resourceId;
  const char* title;
  int32_t width, height;
  const char* fontFace;
  int32_t fontPoints;
  std::span<const DialogControl> controls;  // in creation order, which is also tab order
};

// Dialog units to pixels for a font whose average character is `charWidth` pixels wide
// and `charHeight` high: a unit is a quarter of the one across and an eighth of the other
// down; each edge is rounded down on its own.
constexpr Rect DialogUnitsToPixels(const DialogRect& r, int32_t charWidth, int32_t charHeight) {
  return {r.x * charWidth / 4, r.y * charHeight / 8, (r.x + r.width) * charWidth / 4,
          (r.y + r.height) * charHeight / 8};
}
