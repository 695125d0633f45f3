// Placeholder until the machine stand-in lands.
#include "platform/text_encoding.h"
std::string Cp1252ToUtf8(std::string_view bytes) { return std::string(bytes); }
std::string Utf8ToCp1252(std::string_view text) { return std::string(text); }
