#pragma once
// A drawing surface that lists every operation with its arguments, so a test can
// assert exactly what a paint drew ("eleven lines to x = 23, 73, ..., 516").
#include <string>
#include <vector>

#include "analyser/display/drawing_surface.h"

class RecordingSurface : public DrawingSurface {
 public:
  enum class Op {
    SetMapping, SelectFont, SelectPen, SetTextColour, SetTransparentText, FillSolidRect,
    DrawRectangle, MoveTo, LineTo, TextOut, DrawBumpEdge
  };
  struct Entry {
    Op op = Op::SetMapping;
    int32_t a = 0, b = 0, c = 0, d = 0;  // coordinates or extents, in call order
    Colour colour = 0;
    std::string text;
    PenSpec pen;    // for SelectPen, and the pen in force for lines and rectangles
    FontSpec font;  // for SelectFont, and the font in force for texts
  };
  struct Line {
    Point from, to;
    PenSpec pen;
  };
  struct Text {
    int32_t x, y;
    std::string text;
    FontSpec font;
  };
  struct Fill {
    int32_t x, y, width, height;
    Colour colour;
  };

  explicit RecordingSurface(Rect client = {0, 0, 800, 600}, Colour buttonFace = 0xC8D0D4)
      : client_(client), buttonFace_(buttonFace) {}

  void SetMapping(int32_t ww, int32_t wh, int32_t vw, int32_t vh) override {
    Add(Make(Op::SetMapping, ww, wh, vw, vh));
  }
  void SelectFont(const FontSpec& font) override {
    font_ = font;
    Add(Make(Op::SelectFont));
  }
  void SelectPen(const PenSpec& pen) override {
    pen_ = pen;
    Add(Make(Op::SelectPen));
  }
  void SetTextColour(Colour colour) override {
    Entry e = Make(Op::SetTextColour);
    e.colour = colour;
    Add(e);
  }
  void SetTransparentText() override { Add(Make(Op::SetTransparentText)); }
  void FillSolidRect(int32_t x, int32_t y, int32_t w, int32_t h, Colour colour) override {
    Entry e = Make(Op::FillSolidRect, x, y, w, h);
    e.colour = colour;
    Add(e);
  }
  void DrawRectangle(const Rect& r) override {
    Add(Make(Op::DrawRectangle, r.left, r.top, r.right, r.bottom));
  }
  void MoveTo(int32_t x, int32_t y) override {
    position_ = {x, y};
    Add(Make(Op::MoveTo, x, y));
  }
  void LineTo(int32_t x, int32_t y) override {
    Add(Make(Op::LineTo, position_.x, position_.y, x, y));
    position_ = {x, y};
  }
  void TextOut(int32_t x, int32_t y, std::string_view text) override {
    Entry e = Make(Op::TextOut, x, y);
    e.text = std::string(text);
    Add(e);
  }
  void DrawBumpEdge(const Rect& r) override {
    Add(Make(Op::DrawBumpEdge, r.left, r.top, r.right, r.bottom));
  }
  Rect ClientRect() const override { return client_; }
  Colour ButtonFaceColour() const override { return buttonFace_; }

  // Views of the recording.
  std::vector<Line> Lines() const {
    std::vector<Line> out;
    for (const Entry& e : entries)
      if (e.op == Op::LineTo) out.push_back({{e.a, e.b}, {e.c, e.d}, e.pen});
    return out;
  }
  std::vector<Line> LinesWith(const PenSpec& pen) const {
    std::vector<Line> out;
    for (const Line& l : Lines())
      if (l.pen == pen) out.push_back(l);
    return out;
  }
  std::vector<Text> Texts() const {
    std::vector<Text> out;
    for (const Entry& e : entries)
      if (e.op == Op::TextOut) out.push_back({e.a, e.b, e.text, e.font});
    return out;
  }
  std::vector<Fill> Fills() const {
    std::vector<Fill> out;
    for (const Entry& e : entries)
      if (e.op == Op::FillSolidRect) out.push_back({e.a, e.b, e.c, e.d, e.colour});
    return out;
  }
  std::vector<Entry> Of(Op op) const {
    std::vector<Entry> out;
    for (const Entry& e : entries)
      if (e.op == op) out.push_back(e);
    return out;
  }
  void Clear() { entries.clear(); }

  std::vector<Entry> entries;

 private:
  static Entry Make(Op op, int32_t a = 0, int32_t b = 0, int32_t c = 0, int32_t d = 0) {
    Entry e;
    e.op = op;
    e.a = a, e.b = b, e.c = c, e.d = d;
    return e;
  }
  void Add(Entry e) {
    e.pen = pen_;
    e.font = font_;
    entries.push_back(std::move(e));
  }
  Rect client_;
  Colour buttonFace_;
  PenSpec pen_;
  FontSpec font_;
  Point position_;
};
