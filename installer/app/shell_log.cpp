#include "installer/app/shell_log.h"

#include <cstdio>
#include <string>

void LogLine(std::string_view kind, std::string_view text) {
  std::string line(kind);
  line += ": ";
  // One line each: a message's second line (a cause) follows after a space.
  for (char c : text) line += c == '\n' ? ' ' : c;
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}
