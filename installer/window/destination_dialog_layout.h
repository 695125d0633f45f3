#pragma once
// The destination dialog as data: its title, font, size and controls in dialog units.
// A shell creates the controls in the order listed.
#include <array>
#include <cstdint>
#include <string_view>

#include "installer/window/font_description.h"

namespace DestinationDialog {

constexpr std::string_view Title = "Corvane ...";
constexpr FontDescription Font{"Arial", FontFamily::Swiss, 0, 12, false, false, false};
constexpr int32_t WidthDu = 186;
constexpr int32_t HeightDu = 79;

// x, y, width, height in dialog units.
struct DialogBox {
  int32_t x;
  int32_t y;
  int32_t width;
  int32_t height;
};

enum class ControlKind {
  EtchedFrame,
  Icon,              // the application's icon
  PromptField,       // read-only, multi-line, centred text: the prompt
  DestinationField,  // one line, scrolling horizontally: the proposal, editable
  DefaultButton,
  Button,
};
struct DialogControl {
  ControlKind kind;
  int32_t id;  // NoId for the frame and the icon
  DialogBox box;
  std::string_view text;  // a button's label
};

constexpr int32_t NoId = -1;
constexpr int32_t PromptId = 1001;
constexpr int32_t DestinationId = 1000;
constexpr int32_t OkId = 1;      // accepts
constexpr int32_t CancelId = 2;  // abandons the installation

// The frame beneath all, the icon, then the controls in their tab order.
constexpr std::array<DialogControl, 6> Controls{{
    {ControlKind::EtchedFrame, NoId, {3, 1, 180, 75}, ""},
    {ControlKind::Icon, NoId, {8, 6, 20, 20}, ""},
    {ControlKind::PromptField, PromptId, {25, 5, 155, 24}, ""},
    {ControlKind::DestinationField, DestinationId, {8, 33, 170, 12}, ""},
    {ControlKind::DefaultButton, OkId, {104, 53, 45, 17}, "OK"},
    {ControlKind::Button, CancelId, {38, 53, 45, 17}, "Cancel"},
}};

// Dialog units to pixels with the dialog font's average character size.
constexpr int32_t DuToPixelsX(int32_t du, int32_t averageCharWidth) {
  return du * averageCharWidth / 4;
}
constexpr int32_t DuToPixelsY(int32_t du, int32_t charHeight) { return du * charHeight / 8; }

}  // namespace DestinationDialog
