// Placeholder until the spectrum analysis lands.
#include "analyser/view/sylvarine_view.h"
void CSylvarineView::AnalyseSpectrum(uint8_t) {}
