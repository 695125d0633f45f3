#pragma once
// Fonts as a device context makes them from a FontSpec.
#include <QFont>
#include <QString>

#include "analyser/state/drawing_resources.h"

// The font a FontSpec stands for: "Arial" (Liberation Sans) whose cell is `height` pixels
// high and whose average character is `width` pixels wide. Measured afresh at every call.
QFont RealiseFont(const FontSpec& font);

// The face name a FontSpec carries.
QString FontFaceOf(const FontSpec& font);
