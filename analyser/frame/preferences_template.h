#pragma once
// "Préférences": the eight display colours and the trace thickness, with the buttons that
// close the dialog and open the program's pages.
#include "analyser/frame/dialog_template.h"

const DialogTemplate& PreferencesTemplate();
