#include "platform/windows/command_line.h"

namespace {

constexpr std::wstring_view kBlanks = L" \t\n\v";

void AppendArgument(std::wstring& line, std::wstring_view argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring_view::npos) {
    line += argument;
    return;
  }
  line += L'"';
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes stand for themselves unless a quote follows them.
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\');
  line += L'"';
}

}  // namespace

std::wstring BuildCommandLine(std::wstring_view program, const std::wstring* arguments, int count) {
  // The program's name is taken up to the next blank, or between quotes, without escapes.
  const bool quoted = program.find_first_of(kBlanks) != std::wstring_view::npos;
  std::wstring line;
  if (quoted) line += L'"';
  line += program;
  if (quoted) line += L'"';
  for (int i = 0; i < count; ++i) {
    line += L' ';
    AppendArgument(line, arguments[i]);
  }
  return line;
}
