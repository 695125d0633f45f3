// Placeholder until the command table lands.
#include "analyser/view/sylvarine_view.h"
bool CSylvarineView::OnCommand(uint32_t) { return false; }
bool CSylvarineView::IsChecked(uint32_t) const { return false; }
bool CSylvarineView::OnPreparePrinting(const std::function<bool()>& runPrintDialog) { return runPrintDialog(); }
void CSylvarineView::OnBeginPrinting() {}
void CSylvarineView::OnEndPrinting() {}
