#pragma once
// "A propos": the program's icon, its picture in a frame, one line with its name and
// version, and OK.
#include "analyser/frame/dialog_template.h"

const DialogTemplate& AboutBoxTemplate();

// The program's version, as the About box names it.
const char* ProgramVersion();
