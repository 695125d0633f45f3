#pragma once
// UTF-8 inside the program, UTF-16 at the Win32 API: window texts and file names go
// through the wide functions so that no character is lost.
#include <cstddef>
#include <string>
#include <string_view>

namespace Win32Text {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// Into a caller's buffer, for the paint: no allocation. Returns the number of UTF-16
// units written (at most capacity - 1, terminated); a text that does not fit gives none.
std::size_t WideInto(std::string_view utf8, wchar_t* buffer, std::size_t capacity);

}  // namespace Win32Text
