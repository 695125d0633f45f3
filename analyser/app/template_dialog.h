#pragma once
// A dialog made from its template: the title, font and fixed size, then every control
// placed in dialog units of the template's font.
#include <QDialog>
#include <QFont>
#include <QRect>
#include <functional>

#include "analyser/frame/dialog_template.h"

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  QRect ToPixels(const DialogRect& rect) const;

 private:
  int averageCharWidth_ = 0;
  int charHeight_ = 0;
};

// The template's font, or the desktop's sans serif where it is missing.
QFont TemplateFont(const DialogTemplate& layout);

// Builds `dialog` after `layout`. A control with an identifier is named "control<id>";
// a click on a button or a radio calls `onClick` with its identifier.
void BuildTemplateDialog(QDialog& dialog, const DialogTemplate& layout,
                         const std::function<void(int32_t)>& onClick);

// The control with this identifier, if the dialog has one.
QWidget* TemplateControl(const QDialog& dialog, int32_t controlId);
