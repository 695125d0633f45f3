#include "shell_win32/wide_text.h"

#include <windows.h>

namespace Win32Text {

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = static_cast<int>(utf8.size());
  const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), units);
  return wide;
}

std::string Utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length = static_cast<int>(wide.size());
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), bytes, nullptr, nullptr);
  return utf8;
}

std::size_t WideInto(std::string_view utf8, wchar_t* buffer, std::size_t capacity) {
  if (capacity == 0) return 0;
  // A text longer than the buffer converts to nothing: the display's labels are short.
  const int units =
      utf8.empty() ? 0
                   : MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                         buffer, static_cast<int>(capacity - 1));
  buffer[units] = L'\0';
  return static_cast<std::size_t>(units);
}

}  // namespace Win32Text
