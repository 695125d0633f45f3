#include "analyser/frame/printed_page.h"

std::string PrintFailureMessage(std::string_view printer) {
  std::string text = "Impossible d'imprimer sur ";
  return text.append(printer).append(".");
}
