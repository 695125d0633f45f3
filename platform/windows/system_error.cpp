#include "platform/windows/system_error.h"

#include <windows.h>

#include "platform/windows/wide_text.h"

std::string SystemErrorText(uint32_t errorCode) {
  wchar_t* words = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, errorCode, 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
  std::wstring text = length > 0 ? std::wstring(words, length) : std::wstring();
  LocalFree(words);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
    text.pop_back();
  if (text.empty()) return "error " + std::to_string(errorCode);
  return WideToUtf8(text);
}
