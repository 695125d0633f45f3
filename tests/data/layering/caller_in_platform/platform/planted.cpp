// Planted: the platform naming one of its callers.
#include "installer/corvane_view.h"
