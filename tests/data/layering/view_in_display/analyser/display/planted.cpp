// Planted: the display reaching up into the view.
#include "analyser/view/sylvarine_view.h"
