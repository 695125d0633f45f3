#pragma once
// Text at the system's boundary. Inside the programs every text is UTF-8; file names
// and window texts cross as UTF-16 (the wide functions), so that no name is lost. Where
// a byte form is kept (the ANSI functions of the registry), texts cross in the ANSI code
// page, and a text that page cannot hold is refused rather than stored with '?'.
#include <optional>
#include <string>
#include <string_view>

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// Nothing when a character has no form in the ANSI code page.
std::optional<std::string> Utf8ToAnsi(std::string_view text);
std::string AnsiToUtf8(std::string_view bytes);
