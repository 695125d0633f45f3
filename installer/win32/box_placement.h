#pragma once
// A message often speaks of the step the status line names: message boxes and the
// destination prompt stand centred above that line, not over it.
#include <windows.h>

// Moves `box` above the status line of `frame`'s client area.
void PlaceAboveStatusLine(HWND frame, HWND box);

// While this lives, the first window this thread activates (a message box, whose
// creation the program does not see) is placed above the frame's status line.
class NextBoxAboveStatusLine {
 public:
  explicit NextBoxAboveStatusLine(HWND frame);
  ~NextBoxAboveStatusLine();
  NextBoxAboveStatusLine(const NextBoxAboveStatusLine&) = delete;
  NextBoxAboveStatusLine& operator=(const NextBoxAboveStatusLine&) = delete;
};
