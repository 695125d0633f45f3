#pragma once
// A modal dialog made from one of the core's templates: an in-memory dialog template, so
// that the system itself lays the controls out in the dialog units of the template's font.
#include <windows.h>

#include <functional>

#include "analyser/frame/dialog_template.h"

// Runs the dialog over `owner`. `onCommand` gets the identifier of every button or radio
// clicked and the dialog's window; `onInit` runs once its controls exist. Cancel, Escape
// and the close box end it with IDCANCEL; otherwise it returns what EndDialog was given.
INT_PTR RunTemplateDialog(HWND owner, HINSTANCE instance, const DialogTemplate& layout,
                          const std::function<void(HWND)>& onInit,
                          const std::function<void(HWND, int32_t)>& onCommand);
